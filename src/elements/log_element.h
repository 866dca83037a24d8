#pragma once

#include "archive/serializable.h"
#include "graphics/geometry.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace vantrel {

class ElFinder;
class Surface;
struct ElementKindRow;

// What identifies a class of the element family (see element_kind.h).
using KindTag = const void*;

// The element lists of the document, indexed by an element's ListKind.
enum ListKindId : int
{
    kMainList = 0,
    kIndirectList = 1,
    kRegisterList = 2,
    kAccumulatorList = 3,
    kNoOpList = 4,
    kConstantList = 5,
    kTimerList = 6,
    kCommentList = 7,
};
constexpr int kElementListCount = 8;

// The short name of a list (one of ListKindId), as the dump and the command
// line write it ("main", "timer", "noop").
const char* ListName(int list);
constexpr int kMaxInputs = 4;

// One grid cell is 80 view pixels at zoom 1.0.
constexpr int kCellPixels = 80;

// The element size used by all drawing and pin operations at a zoom factor.
int ElementSize(double zoom);
// An element's anchor in view pixels: trunc((cell - origin) * 80 * zoom).
Point CellToView(Point cell, Point origin, double zoom);

// Every symbol of the logic schematic. An element knows its id, the ids of
// the elements feeding its inputs and its grid position; each kind adds its
// own figure, payload and instruction words through the overrides below.
class LogElement : public Serializable
{
public:
    // The class this one derives from in the element family; none here.
    using Parent = void;
    static constexpr const char* kClassName = "LogElement";

    LogElement() = default;
    LogElement(Point position, std::int32_t elementId);

    const char* ClassName() const override { return kClassName; }
    // The element's class and the classes it derives from, its own first.
    virtual std::span<const KindTag> Lineage() const;
    // The element's row of the table of kinds (properties, stored fields,
    // I/O numbers); none for a class the table does not know.
    virtual const ElementKindRow* KindRow() const;
    // The base part: version, position, id, then the input slots.
    void Serialize(CArchive& archive) override;

    // Draws the element's own figure at view anchor (x, y) with size r, using
    // the pen and brush already selected. The editor draws the pin stubs.
    virtual void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const;
    virtual Point OutputPinOffset(int r) const;
    virtual Point OutputPinPos(int r, Point origin, double zoom) const;
    virtual Point InputPinOffset(int r, int input) const;
    virtual Point InputPinPos(int r, int input, Point origin, double zoom) const;
    virtual std::uint32_t EncodeWord(const ElFinder& finder) const;
    virtual int InputCount() const { return 2; }
    virtual bool HasOutput() const { return true; }
    // Occupies one of the 256 register numbers.
    virtual bool UsesRegister() const { return false; }
    // Occupies one of the 1024 delay counters.
    virtual bool UsesDelay() const { return false; }
    // The lowest program format version that runs the element.
    virtual int RequiredVersion() const { return 2; }
    // Input sampled through a delay: a loop through it is a weak loop.
    virtual bool IsDelayedInput(int /*input*/) const { return false; }
    // Input that never closes a loop (cycle breaker).
    virtual bool IsBreakingInput(int /*input*/) const { return false; }
    // The one-line text by which the element is searched and listed.
    virtual std::u16string Describe(const ElFinder& /*finder*/) const { return {}; }
    virtual bool ShowInMonitor() const { return false; }
    virtual std::u16string NatureText() const { return u"number"; }
    virtual bool IsUserIo() const { return false; }
    virtual bool IsEditable() const { return false; }
    virtual int Restricted() const { return 0; }
    virtual std::u16string Name() const { return {}; }
    // A deep, independent copy with the same id, position and inputs.
    virtual std::unique_ptr<LogElement> Clone() const;
    virtual int ListKind() const { return kMainList; }
    virtual int WordCount() const { return 1; }
    // Appends WordCount instruction words.
    virtual void Encode(std::vector<std::uint32_t>& words, const ElFinder& finder) const;
    // With inputSide, whether input `index` carries a number instead of a
    // bit; otherwise whether the output does.
    virtual bool IsNumericPin(bool /*inputSide*/, int /*index*/) const { return false; }

    // The pin under a view point: -1 the output, i + 1 input i, 0 none.
    int HitPin(Point viewPoint, Point origin, double zoom) const;

    std::int32_t id = 0;
    std::array<std::int32_t, kMaxInputs> inputs{};
    Point pos;

protected:
    LogElement(const LogElement&) = default;
    LogElement& operator=(const LogElement&) = default;

    // Input slots as stored after the position and id: InputCount of them.
    void SerializeInputs(CArchive& archive);
};

} // namespace vantrel
