#pragma once

#include "paint/paint_stuff.h"

namespace vantrel {

inline constexpr ColorSet kDefaultFillColors = {Rgb(100, 100, 100), Rgb(100, 0, 0), Rgb(0, 255, 0)};

// The fill colours after the rest of a payload; state 2 only from version 3 on.
void SerializeFillColors(CArchive& archive, ColorSet& colors, std::int32_t version);
void WriteFillRecord(ByteWriter& out, const ColorSet& colors);

// A figure with fill colours (filled ellipse, rectangle and text background):
// they follow the rest of its payload and of its flash record.
template <class Base> class Filled : public Base
{
public:
    using Base::Base;
    using Base::FillColors;

    const ColorSet* FillColors() const override { return &fillColors; }
    void CopyFrom(const PaintStuff& other) override
    {
        Base::CopyFrom(other);
        if (auto* filled = dynamic_cast<const Filled*>(&other))
            fillColors = filled->fillColors;
    }
    std::int32_t SerializeBody(CArchive& archive) override
    {
        const std::int32_t version = Base::SerializeBody(archive);
        SerializeFillColors(archive, fillColors, version);
        return version;
    }
    void WriteFlashRecord(ByteWriter& out) const override
    {
        Base::WriteFlashRecord(out);
        WriteFillRecord(out, fillColors);
    }
    // The fill colour shown in a colour state, by the rule of StateColor.
    Colour FillStateColor(int state, int tick) const
    {
        return ChooseStateColor(fillColors, this->style, state, tick);
    }

    ColorSet fillColors = kDefaultFillColors;
};

} // namespace vantrel
