#include "elements/io_elements.h"

#include "archive/archive.h"
#include "archive/text_codec.h"
#include "elements/el_finder.h"
#include "graphics/surface.h"

#include <array>
#include <string>

namespace vantrel {

namespace {

constexpr std::int32_t kFirstVersionWithRestricted = 11;

void Line(Surface& surface, int x0, int y0, int x1, int y1)
{
    surface.MoveTo(x0, y0);
    surface.LineTo(x1, y1);
}

// The small circle right of the anchor that the input-like kinds share.
void DrawRightCircle(Surface& surface, int x, int y, int r)
{
    surface.DrawEllipse(x, y - r, x + r, y);
}

// The label of an I/O number, as the document gives it. A number past the
// configured inputs or outputs (and past every remote module) has no label
// there; it is described by its number, as a local one would be.
std::u16string NumberLabel(const ElFinder& finder, std::int32_t number, bool isInput)
{
    std::u16string label = finder.IoLabel(number, isInput);
    return label.empty() ? Decimal(std::int64_t(number) + 1) : label;
}

} // namespace

LogIO::LogIO(Point position, std::int32_t elementId, std::int32_t ioNumber, std::u16string ioName)
    : ElementKind(position, elementId), number(ioNumber), name(std::move(ioName))
{}

void LogIO::Serialize(CArchive& ar)
{
    LogElement::Serialize(ar);
    ar.Exchange(number);
    ar.Exchange(name);
}

void LogIO::DrawName(Surface& surface, int x, int y, int r) const
{
    surface.DrawText(x - r, y + r, name);
}

std::uint32_t LogIO::NumberWord(std::uint32_t opcode, const ElFinder* inputFinder) const
{
    std::uint32_t word = opcode | ((std::uint32_t(number) & 0x7FF) << 14);
    if (inputFinder)
        word |= std::uint32_t(inputFinder->EncodeIndex(inputs[0])) & 0x3FFF;
    return word;
}

void LogIn::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    DrawRightCircle(s, x, y, r);
    Line(s, x + r / 2, y - r / 2, x - r, y - r / 2);
    DrawName(s, x, y, r);
}

std::u16string LogIn::Describe(const ElFinder& finder) const
{
    return u"Input: " + name + u", " + NumberLabel(finder, number, true);
}

void LogOut::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    s.DrawEllipse(x - r, y - r, x, y);
    Line(s, x - r / 2, y - r / 2, x + r, y - r / 2);
    DrawName(s, x, y, r);
}

std::u16string LogOut::Describe(const ElFinder& finder) const
{
    return u"Output: " + name + u", " + NumberLabel(finder, number, false);
}

void LogUser::Serialize(CArchive& ar)
{
    LogIO::Serialize(ar);
    if (ar.IsLoading() && ar.ElementVersion() < kFirstVersionWithRestricted)
        restricted = 0;
    else
        ar.Exchange(restricted);
}

void LogUser::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    DrawRightCircle(s, x, y, r);
    DrawName(s, x, y, r);
}

std::u16string LogUser::Describe(const ElFinder&) const
{
    return u"User Input: " + name + u", " + Decimal(std::int64_t(number) + 1);
}

void LogPulseUser::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    const Point pulse[] = {{x + r / 2, y - r / 2}, {x, y - r / 2},         {x, y - r},
                           {x - r / 2, y - r},     {x - r / 2, y - r / 2}, {x - r, y - r / 2}};
    s.DrawPolyline(pulse);
    DrawRightCircle(s, x, y, r);
    DrawName(s, x, y, r);
}

void LogUserOut::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    DrawRightCircle(s, x, y, r);
    DrawName(s, x, y, r);
}

std::u16string LogUserOut::Describe(const ElFinder&) const
{
    return u"User Output: " + name + u", " + Decimal(std::int64_t(number) + 1);
}

void LoggedUserOut::Serialize(CArchive& ar)
{
    LogIO::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCountPrefix(loggedIds.size());
        for (std::int32_t loggedId : loggedIds)
            ar.WriteInt32(loggedId);
        return;
    }
    const std::size_t count = ar.ReadCountPrefix();
    if (count > ar.BytesLeft() / 4)
        ar.Fail(ArchiveCause::EndOfFile);
    loggedIds.resize(count);
    for (std::int32_t& loggedId : loggedIds)
        loggedId = ar.ReadInt32();
}

void LoggedUserOut::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    DrawRightCircle(s, x, y, r);
    DrawName(s, x, y, r);
    const int cx = x + r / 2;
    const int cy = y - r / 2;
    const int half = r / 3;
    Line(s, cx - half, cy - half, cx + half, cy + half);
    Line(s, cx - half, cy + half, cx + half, cy - half);
}

std::u16string LoggedUserOut::Describe(const ElFinder&) const
{
    return u"Logged User Output: " + name;
}

namespace {

void DrawAnalogArc(Surface& s, int x, int y, int r)
{
    s.DrawArc({x, y - r, x + r, y}, {x + r, y - r / 2}, {x, y - r / 2});
}

} // namespace

void Analog_Input::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    DrawAnalogArc(s, x, y, r);
    DrawName(s, x, y, r);
}

std::uint32_t Analog_Input::EncodeWord(const ElFinder&) const
{
    return 0x180u | ((std::uint32_t(number) & 0x3F) << 19);
}

std::u16string Analog_Input::Describe(const ElFinder&) const
{
    return u"Analog Input: " + name;
}

void Analog_Output::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    DrawAnalogArc(s, x, y, r);
    DrawName(s, x, y, r);
}

std::uint32_t Analog_Output::EncodeWord(const ElFinder& finder) const
{
    const auto operand = std::uint32_t(finder.EncodeIndex(inputs[0]));
    return 0x188u | ((std::uint32_t(number) & 0x3F) << 19) | ((operand & 0xFF) << 11) |
           (((operand >> 8) & 1) << 9);
}

std::u16string Analog_Output::Describe(const ElFinder&) const
{
    return u"Analog Output: " + name;
}

TempInput::TempInput(Point position, std::int32_t elementId, std::int32_t type, std::int32_t value,
                     std::u16string silo)
    : ElementKind(position, elementId), tempType(type), defaultValue(value),
      siloName(std::move(silo))
{}

std::u16string TempInput::ReadingName(std::int32_t type)
{
    static const std::array<std::u16string, kReadingCount> kReadingNames = {
        u"Silo Average",
        u"Silo Max",
        u"Silo Min",
        u"Aux Temp",
        u"Aux Humidity",
        u"Aux Pressure",
        u"High Alarm Count",
        u"Low Alarm Count",
        u"Alarm Count",
        u"Silo High Alarm Count",
        u"Silo Low Alarm Count",
        u"Silo Alarm Count",
        u"Silo Max Humidity",
        u"Silo Min Humidity",
        u"Silo Avg Humidity",
        u"Silo Max CO2",
        u"Silo Min CO2",
        u"Silo Avg CO2",
        u"Silo Max VOC",
        u"Silo Min VOC",
        u"Silo Avg VOC"};
    return type >= 0 && type < kReadingCount ? kReadingNames[type] : std::u16string();
}

void TempInput::Serialize(CArchive& ar)
{
    LogElement::Serialize(ar);
    ar.Exchange(tempType);
    ar.Exchange(defaultValue);
    ar.Exchange(siloName);
}

std::u16string TempInput::Name() const
{
    // The auxiliary readings (3 to 8) belong to no silo.
    if (tempType >= 3 && tempType <= 8)
        return ReadingName(tempType);
    return ReadingName(tempType) + u", " + siloName;
}

void TempInput::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    s.DrawRectangle(x - r, y - r, x + r, y);
    s.DrawText(x - r, y + r, Name());
}

} // namespace vantrel
