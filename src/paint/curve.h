#pragma once

#include "paint/paint_stuff.h"

#include <memory>
#include <vector>

namespace vantrel {

// A free-hand polyline from `from` through `points`, each stored relative to
// `from`; `to` is not part of the figure. Never hit by a click: curves are
// selected with the rubber band only.
class Curve : public PaintKind<Curve>
{
public:
    static constexpr const char* kClassName = "Curve";
    static constexpr int kTypeCode = 3;
    static constexpr std::u16string_view kTypeName = u"curve";

    void CopyFrom(const PaintStuff& other) override;
    std::int32_t SerializeBody(CArchive& archive) override;
    void WriteFlashRecord(ByteWriter& out) const override;
    FPoint TopLeft() const override;
    FPoint BottomRight() const override;
    void ScaleAbout(double sx, double sy, const FPoint& centre) override;
    void Draw(Surface& surface, const Rect& client, int state, int tick,
              int progress) const override;

    std::vector<std::unique_ptr<FPoint>> points;

private:
    // The corner over `from` and every point, each coordinate chosen by `pick`.
    template <class Pick> FPoint Corner(Pick pick) const;
};

} // namespace vantrel
