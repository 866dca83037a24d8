#include "paint/paint_stuff.h"

#include "archive/archive.h"
#include "archive/byte_buffer.h"
#include "archive/json_writer.h"
#include "elements/el_finder.h"
#include "elements/element_kinds.h"
#include "elements/io_elements.h"

#include <algorithm>

namespace vantrel {

namespace {

// The first payload version of the fields added over time.
constexpr std::int32_t kFirstVersionWithStyle = 2;
constexpr std::int32_t kFirstVersionWithActive2 = 3;
constexpr std::int32_t kFirstVersionWithActive2Id = 4;
constexpr std::int32_t kFirstVersionWithProgress = 5;
constexpr std::int32_t kFirstVersionWithNegation = 6;
constexpr std::int32_t kFirstVersionWithPage = 7;

// Where each kind of bit I/O starts in the one numbering of the bindings.
struct FlatIoLayout
{
    std::int64_t outputs;
    std::int64_t userInputs;
    std::int64_t userOutputs;
};

// number + offset, wrapping like the controller's 32-bit arithmetic instead
// of overflowing on numbers from a damaged file.
std::int32_t Shifted(std::int32_t number, std::int64_t offset)
{
    return std::int32_t(std::uint32_t(number) + std::uint32_t(offset));
}

const LogIO* FindIo(const ElFinder& finder, std::int32_t id)
{
    return KindAs<LogIO>(finder.FindById(id));
}

// Where the flat numbering puts the I/O of a number kind: inputs, analog I/O
// and bare I/O elements by their own number.
std::int64_t FlatOffsetOf(const LogIO& io, const FlatIoLayout& layout)
{
    switch (NumbersOf(io).value_or(NumberKind::Inputs)) {
    case NumberKind::Outputs:
        return layout.outputs;
    case NumberKind::UserInputs:
        return layout.userInputs;
    case NumberKind::UserOutputs:
        return layout.userOutputs;
    case NumberKind::Inputs:
    case NumberKind::AnalogInputs:
    case NumberKind::AnalogOutputs:
        break;
    }
    return 0;
}

// The flat number of the I/O element bound by `id`, or -1.
std::int32_t FlatIoNumber(const ElFinder& finder, std::int32_t id, const FlatIoLayout& layout)
{
    const LogIO* io = FindIo(finder, id);
    if (!io)
        return -1;
    return Shifted(io->number, FlatOffsetOf(*io, layout));
}

// JSON coordinates run from 0 at the left or top edge to 100 at the right or bottom.
void WriteJsonPoint(JsonWriter& writer, std::string_view name, const FPoint& point)
{
    writer.BeginObject(name);
    writer.WriteReal("x", (double(point.x) + 1) * 50);
    writer.WriteReal("y", (double(point.y) + 1) * 50);
    writer.End();
}

void WriteJsonColors(JsonWriter& writer, std::string_view name, const ColorSet& colors)
{
    writer.BeginObject(name);
    writer.WriteColor("normal", colors[0]);
    writer.WriteColor("active", colors[1]);
    writer.WriteColor("active2", colors[2]);
    writer.End();
}

void WriteJsonBinding(JsonWriter& writer, std::string_view name, std::int32_t num,
                      std::int32_t negated)
{
    writer.BeginObject(name);
    writer.WriteInt("num", num);
    if (negated == 1)
        writer.WriteBool("neg", true);
    writer.End();
}

// The common flash record after the type code, in record order; `io` reads
// or writes each value.
template <class Self, class Io> void VisitFlashFields(Self& self, Io&& io)
{
    io(self.commandNum);
    io(self.activeNum);
    io(self.normalColor);
    io(self.activeColor);
    io(self.hasCommand);
    io(self.hasActive);
    io(self.width);
    io(self.style);
    io(self.active2Num);
    io(self.hasActive2);
    io(self.active2Color);
    io(self.progressIndex);
    io(self.hasProgress);
    io(self.progressMax);
    io(self.activeNeg);
    io(self.active2Neg);
    io(self.from.x);
    io(self.from.y);
    io(self.to.x);
    io(self.to.y);
}

} // namespace

Colour ChooseStateColor(const ColorSet& byState, std::int32_t style, int state, int tick)
{
    if (style == PaintStuff::kBlinking && tick % 2 != 0)
        return byState[0];
    return state == 1 || state == 2 ? byState[std::size_t(state)] : byState[0];
}

void PaintStuff::WriteJson(JsonWriter& writer) const
{
    WriteJsonPoint(writer, "from", from);
    WriteJsonPoint(writer, "to", to);
    writer.WriteInt("width", width);
    writer.WriteInt("style", style);
    WriteJsonColors(writer, "color", {normalColor, activeColor, active2Color});
    writer.WriteInt("pageIndex", pageIndex);
    if (hasActive == 1)
        WriteJsonBinding(writer, "active", activeNum, activeNeg);
    if (hasActive2 == 1)
        WriteJsonBinding(writer, "active2", active2Num, active2Neg);
    if (hasCommand == 1)
        writer.WriteInt("commandNum", commandNum);
    if (hasProgress == 1) {
        writer.BeginObject("progress");
        writer.WriteInt("num", progressIndex);
        writer.WriteInt("max", progressMax);
        writer.WriteColor("color", progressColor);
        writer.End();
    }
    if (const ColorSet* fill = FillColors())
        WriteJsonColors(writer, "fill", *fill);
}

void PaintStuff::CopyFrom(const PaintStuff& other)
{
    const std::int32_t ownActive2Num = active2Num;
    *this = other;
    active2Num = ownActive2Num;
}

std::int32_t PaintStuff::SerializeBody(CArchive& ar)
{
    std::int32_t version = kVersion;
    ar.Exchange(version);
    // A field newer than the stored version is not read and keeps its value.
    auto since = [&](std::int32_t firstVersion, auto&... fields) {
        if (version >= firstVersion)
            (ar.Exchange(fields), ...);
    };
    ar.Exchange(commandId);
    ar.Exchange(activeId);
    ar.Exchange(commandNum);
    ar.Exchange(activeNum);
    ar.Exchange(normalColor);
    ar.Exchange(activeColor);
    ar.Exchange(hasCommand);
    ar.Exchange(hasActive);
    ar.Exchange(width);
    since(kFirstVersionWithStyle, style);
    since(kFirstVersionWithActive2, active2Color, hasActive2, active2Num);
    since(kFirstVersionWithActive2Id, active2Id);
    since(kFirstVersionWithProgress, progressId, progressColor, progressMax, hasProgress);
    since(kFirstVersionWithNegation, activeNeg, active2Neg);
    since(kFirstVersionWithPage, pageIndex);
    from.Serialize(ar);
    to.Serialize(ar);
    return version;
}

void PaintStuff::WriteFlashRecord(ByteWriter& out) const
{
    out.Put(std::int32_t(TypeCode()));
    VisitFlashFields(*this, [&](const auto& value) { out.Put(value); });
}

Colour PaintStuff::StateColor(int state, int tick) const
{
    return ChooseStateColor({normalColor, activeColor, active2Color}, style, state, tick);
}

bool PaintStuff::InRect(const FPoint& a, const FPoint& b, int page) const
{
    if (page != pageIndex)
        return false;
    const FPoint topLeft = TopLeft();
    const FPoint bottomRight = BottomRight();
    return std::min(a.x, b.x) <= topLeft.x && bottomRight.x <= std::max(a.x, b.x) &&
           std::min(a.y, b.y) <= topLeft.y && bottomRight.y <= std::max(a.y, b.y);
}

FPoint PaintStuff::TopLeft() const
{
    return {std::min(from.x, to.x), std::min(from.y, to.y)};
}

FPoint PaintStuff::BottomRight() const
{
    return {std::max(from.x, to.x), std::max(from.y, to.y)};
}

void PaintStuff::MoveBy(double dx, double dy)
{
    for (FPoint* point : {&from, &to}) {
        point->x += float(dx);
        point->y += float(dy);
    }
}

void PaintStuff::ScaleAbout(double sx, double sy, const FPoint& centre)
{
    from.ScaleAbout(sx, sy, centre);
    to.ScaleAbout(sx, sy, centre);
}

void PaintStuff::MirrorY(double m)
{
    for (FPoint* point : {&from, &to})
        point->y = float(m - (point->y - m));
}

void PaintStuff::MirrorX(double m)
{
    for (FPoint* point : {&from, &to})
        point->x = float(m - (point->x - m));
}

void PaintStuff::ResolveLinks(const ElFinder& finder, int inBytes, int outBytes, int userInBytes,
                              bool forJson)
{
    const FlatIoLayout layout{8 * std::int64_t(inBytes), 8 * (std::int64_t(inBytes) + outBytes),
                              8 * (std::int64_t(inBytes) + outBytes + userInBytes)};
    commandNum = -1;
    if (const LogIO* command = FindIo(finder, commandId)) {
        const bool shift = !forJson && NumbersOf(*command) == NumberKind::UserInputs;
        commandNum = Shifted(command->number, shift ? layout.userInputs : 0);
    }
    activeNum = FlatIoNumber(finder, activeId, layout);
    active2Num = FlatIoNumber(finder, active2Id, layout);
    if (hasProgress == 1)
        progressIndex = finder.MonitorIndex(progressId);
}

bool PaintStuff::HitTestAt(Point device, const Rect& client, int page) const
{
    return page == pageIndex && HitTest(FPoint::FromDevice(device, client), client);
}

} // namespace vantrel
