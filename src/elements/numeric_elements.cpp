#include "elements/numeric_elements.h"

#include "archive/archive.h"
#include "archive/text_codec.h"
#include "elements/el_finder.h"
#include "graphics/surface.h"

#include <span>

namespace vantrel {

namespace {

constexpr std::int32_t kFirstVersionWithRestricted = 11;

// The numeric kinds store their placement without an element version.
void ExchangePlacement(CArchive& ar, LogElement& element)
{
    ar.Exchange(element.pos.x);
    ar.Exchange(element.pos.y);
    ar.Exchange(element.id);
}

// A stored operation number can be anything; one beyond the list shows no symbol.
std::u16string SymbolOf(std::span<const char16_t* const> symbols, std::int32_t operation)
{
    if (operation < 0 || std::size_t(operation) >= symbols.size())
        return {};
    return symbols[std::size_t(operation)];
}

// Operations are written just above and left of the anchor, at a distance
// that does not grow with the zoom.
void DrawOperation(Surface& surface, int x, int y, const std::u16string& symbol)
{
    surface.DrawText(x - 5, y - 5, symbol);
}

} // namespace

Acc::Acc(Point position, std::int32_t elementId, std::u16string cellName,
         std::int32_t restrictedAccess)
    : ElementKind(position, elementId), name(std::move(cellName)), restricted(restrictedAccess)
{}

void Acc::Serialize(CArchive& ar)
{
    ExchangePlacement(ar, *this);
    ar.Exchange(name);
    // The cell has no version of its own: the last element base part read
    // tells how old the file is.
    if (ar.IsLoading() && ar.ElementVersion() < kFirstVersionWithRestricted)
        restricted = 0;
    else
        ar.Exchange(restricted);
}

void Acc::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    s.DrawRectangle(x - r, y - r, x + r, y);
    s.DrawText(x - r, y + r, name);
}

MathOp::MathOp(Point position, std::int32_t elementId, std::int32_t operation)
    : ElementKind(position, elementId), op(operation)
{}

void MathOp::Serialize(CArchive& ar)
{
    ExchangePlacement(ar, *this);
    ar.Exchange(op);
    SerializeInputs(ar);
}

AccOp::AccOp(Point position, std::int32_t elementId, std::int32_t operation,
             std::int32_t accumulator)
    : ElementKind(position, elementId, operation), accId(accumulator)
{}

std::u16string AccOp::OperationText(std::int32_t operation)
{
    static constexpr const char16_t* kSymbols[] = {u"+", u"-", u"=", u"= L"};
    return SymbolOf(kSymbols, operation);
}

void AccOp::Serialize(CArchive& ar)
{
    MathOp::Serialize(ar);
    ar.Exchange(accId);
}

void AccOp::DrawBody(Surface& s, const ElFinder& finder, int x, int y, int r) const
{
    s.DrawEllipse(x - r, y - 2 * r, x + r, y + 2 * r);
    DrawOperation(s, x, y, OperationText(op));
    // The accumulator's name sits centred on the line above the operation,
    // where the tall ellipse is nearly at its widest, so that a name as wide
    // as the ellipse stays inside it.
    if (auto* accumulator = KindAs<Acc>(finder.FindById(accId))) {
        const Size extent = s.TextExtent(accumulator->name);
        s.DrawText(x - extent.width / 2, y - 5 - extent.height, accumulator->name);
    }
}

// Bits 2-0 hold op + 1, never 0, which tells this word apart from the other
// numeric words; the condition's bit operand fills bits 31-18.
std::uint32_t AccOp::EncodeWord(const ElFinder& finder) const
{
    const auto condition = std::uint32_t(finder.EncodeIndex(inputs[1]));
    const auto operand = std::uint32_t(finder.EncodeIndex(inputs[0]));
    const auto accumulator = std::uint32_t(finder.EncodeIndex(accId));
    return (condition << 18) | ((operand & 0x1FF) << 9) | ((accumulator & 0x3F) << 3) |
           ((std::uint32_t(op) + 1) & 7);
}

GP_Register::GP_Register(Point position, std::int32_t elementId, std::int32_t operation,
                         bool monitored, std::u16string registerName)
    : ElementKind(position, elementId, operation), showInMonitor(monitored),
      name(std::move(registerName))
{}

std::u16string GP_Register::OperationText(std::int32_t operation)
{
    static constexpr const char16_t* kSymbols[] = {u"+",  u"-",   u"*",  u"/",
                                                   u"/.", u"AND", u"OR", u"XOR"};
    return SymbolOf(kSymbols, operation);
}

void GP_Register::Serialize(CArchive& ar)
{
    MathOp::Serialize(ar);
    if (ar.IsLoading())
        showInMonitor = ar.ReadFlag();
    else
        ar.WriteFlag(showInMonitor);
    ar.Exchange(name);
}

void GP_Register::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    s.DrawEllipse(x - r, y - r, x + r, y + r);
    DrawOperation(s, x, y, OperationText(op));
}

// Each 9-bit operand is split into its low 8 bits and its constant flag (bit 8).
std::uint32_t GP_Register::EncodeWord(const ElFinder& finder) const
{
    const auto a = std::uint32_t(finder.EncodeIndex(inputs[0]));
    const auto b = std::uint32_t(finder.EncodeIndex(inputs[1]));
    return ((b & 0xFF) << 19) | ((a & 0xFF) << 11) | (((b >> 8) & 1) << 10) |
           (((a >> 8) & 1) << 9) | ((showInMonitor ? 1u : 0u) << 8) |
           ((std::uint32_t(op) & 0x1F) << 3);
}

NL_Constant::NL_Constant(Point position, std::int32_t elementId, std::int32_t constantValue)
    : ElementKind(position, elementId), value(constantValue)
{}

void NL_Constant::Serialize(CArchive& ar)
{
    ExchangePlacement(ar, *this);
    ar.Exchange(value);
}

void NL_Constant::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    s.DrawEllipse(x - r, y - r, x + r, y);
    s.DrawText(x - r, y + 5, Decimal(value));
}

} // namespace vantrel
