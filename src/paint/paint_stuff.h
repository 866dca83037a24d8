#pragma once

#include "archive/serializable.h"
#include "graphics/colour.h"
#include "graphics/geometry.h"
#include "paint/fpoint.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace vantrel {

class ByteWriter;
class ElFinder;
struct PaintKindRow;
class JsonWriter;
class Surface;

// Three colours by colour state: 0 normal, 1 active, 2 active2.
using ColorSet = std::array<Colour, 3>;

// The colour of a state under the style: a "Blinking" object (style 1) shows
// its state-0 colour on odd ticks; any unknown state shows the state-0 colour.
Colour ChooseStateColor(const ColorSet& byState, std::int32_t style, int state, int tick);

// Base of the decorative objects on the preview pages: lines, ellipses,
// rectangles, curves and texts. Besides its shape, each object can change
// colour with two I/O elements, toggle a user input when touched on the
// controller's display and show a register as progress. It has three stored
// forms: the archive payload, the flash record and the JSON members.
class PaintStuff : public Serializable
{
public:
    static constexpr std::int32_t kVersion = 8;
    // "Solid color", "Blinking", "Moving".
    enum Style : std::int32_t
    {
        kSolid = 0,
        kBlinking = 1,
        kMoving = 2,
    };

    // The payload is SerializeBody's, which the classes extend.
    void Serialize(CArchive& archive) final { SerializeBody(archive); }

    // The object's row in the table of paint kinds.
    virtual const PaintKindRow& KindRow() const = 0;
    virtual int TypeCode() const = 0;
    // "line", "circle", "curve", "square" or "text".
    virtual std::u16string_view TypeName() const = 0;
    // The members of the object's JSON form (the caller writes the braces and "type").
    virtual void WriteJson(JsonWriter& writer) const;
    // Takes over every setting of the other object except the cached
    // active2Num; extra fields only from an object of the same class.
    virtual void CopyFrom(const PaintStuff& other);
    // The fill colours by state, or none for classes without fill.
    virtual const ColorSet* FillColors() const { return nullptr; }
    // A new object of the same class with the same settings (see CopyFrom).
    virtual std::unique_ptr<PaintStuff> Clone() const = 0;
    // Draws the object on the client rectangle in a colour state (0 normal,
    // 1 active, 2 active2) at a tick of the view's timer, with `progress` as
    // the value of its progress display. The surface's pen, brush, text
    // colours and modes are as the caller left them afterwards.
    virtual void Draw(Surface& /*surface*/, const Rect& /*client*/, int /*state*/, int /*tick*/,
                      int /*progress*/) const
    {}
    // The archive payload; returns the version read (or written).
    virtual std::int32_t SerializeBody(CArchive& archive);
    virtual void WriteFlashRecord(ByteWriter& out) const;
    virtual bool HitTest(const FPoint& /*point*/, const Rect& /*client*/) const { return false; }
    virtual Colour StateColor(int state, int tick) const;
    // The object's text, or none for classes without text.
    virtual const std::u16string* TextRef() const { return nullptr; }
    // Snaps almost axis-parallel figures onto the axis.
    virtual void Straighten() {}
    // Whether the whole object lies in the rectangle spanned by a and b on the page.
    virtual bool InRect(const FPoint& a, const FPoint& b, int page) const;
    virtual FPoint TopLeft() const;
    virtual FPoint BottomRight() const;
    virtual void MoveBy(double dx, double dy);
    virtual void ScaleAbout(double sx, double sy, const FPoint& centre);
    virtual void MirrorY(double m);
    virtual void MirrorX(double m);

    // Write access for the editor's dialogs.
    ColorSet* FillColors() { return const_cast<ColorSet*>(std::as_const(*this).FillColors()); }
    std::u16string* TextRef()
    {
        return const_cast<std::u16string*>(std::as_const(*this).TextRef());
    }

    // Turns the bound ids into the flat I/O numbers of the exports and the
    // progress register into its monitor position. userInBytes is the byte
    // count of user inputs; the flash file numbers a commanded user input
    // after the local I/O, the JSON export by its own number.
    void ResolveLinks(const ElFinder& finder, int inBytes, int outBytes, int userInBytes,
                      bool forJson);
    // The hit test of a device point, only on the object's own page.
    bool HitTestAt(Point device, const Rect& client, int page) const;

    FPoint from;
    FPoint to;
    Colour normalColor = Rgb(0, 0, 0);
    Colour activeColor = Rgb(255, 0, 0);
    Colour active2Color = Rgb(0, 255, 255);
    std::int32_t commandId = 0;
    std::int32_t activeId = 0;
    std::int32_t active2Id = 0;
    // Resolved by ResolveLinks before every export; -1 for none.
    std::int32_t commandNum = -1;
    std::int32_t activeNum = -1;
    std::int32_t active2Num = -1;
    std::int32_t hasCommand = 0;
    std::int32_t hasActive = 0;
    std::int32_t hasActive2 = 0;
    std::int32_t width = 1;
    std::int32_t style = kSolid;
    std::int32_t progressId = 0;
    std::int32_t progressIndex = -1;
    Colour progressColor = Rgb(255, 0, 0);
    std::int32_t progressMax = 1000;
    std::int32_t hasProgress = 0;
    std::int32_t activeNeg = 0;
    std::int32_t active2Neg = 0;
    std::int32_t pageIndex = 0;

protected:
    PaintStuff() = default;
    PaintStuff(const PaintStuff&) = default;
    PaintStuff& operator=(const PaintStuff&) = default;
};

// The row of the table of paint kinds that names the class (paint_kinds.h).
const PaintKindRow& PaintKindOfClass(const char* className);

// The parts every concrete paint class has in common: its class name, type
// code and type name from Derived, its row of the table of paint kinds, and a
// Clone through CopyFrom.
template <class Derived, class Base = PaintStuff> class PaintKind : public Base
{
public:
    using Base::Base;

    const char* ClassName() const override { return Derived::kClassName; }
    const PaintKindRow& KindRow() const override
    {
        // Looked up once per class.
        static const PaintKindRow& row = PaintKindOfClass(Derived::kClassName);
        return row;
    }
    int TypeCode() const override { return Derived::kTypeCode; }
    std::u16string_view TypeName() const override { return Derived::kTypeName; }
    std::unique_ptr<PaintStuff> Clone() const override
    {
        auto copy = std::make_unique<Derived>();
        copy->CopyFrom(*this);
        return copy;
    }
};

} // namespace vantrel
