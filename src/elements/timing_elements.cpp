#include "elements/timing_elements.h"

#include "archive/archive.h"
#include "archive/text_codec.h"
#include "elements/el_finder.h"
#include "graphics/surface.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace vantrel {

namespace {

std::uint32_t Operand(const ElFinder& finder, std::int32_t id)
{
    return std::uint32_t(finder.EncodeIndex(id));
}

void DrawHand(Surface& surface, Point from, Point to)
{
    surface.MoveTo(from.x, from.y);
    surface.LineTo(to.x, to.y);
}

// The text below the figure.
void DrawCaption(Surface& surface, int x, int y, int r, const std::u16string& text)
{
    surface.DrawText(x - r, y + r, text);
}

} // namespace

LogDelay::LogDelay(Point position, std::int32_t elementId, std::int32_t seconds)
    : ElementKind(position, elementId), delay(seconds)
{}

void LogDelay::Serialize(CArchive& ar)
{
    LogElement::Serialize(ar);
    ar.Exchange(delay);
}

void LogDelay::DrawDial(Surface& s, int x, int y, int r) const
{
    s.DrawEllipse(x - r / 2, y - r, x + r / 2, y);
}

void LogDelay::DrawSeconds(Surface& s, int x, int y, int r) const
{
    s.DrawText(x - r, y + r / 2, Ascii(std::to_string(delay) + " s"));
}

std::uint32_t LogDelay::DelayWord(std::uint32_t opcode, const ElFinder& finder) const
{
    return opcode | ((std::uint32_t(delay) & 0x7FF) << 14) | (Operand(finder, inputs[0]) & 0x3FFF);
}

void LogDelay::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    DrawDial(s, x, y, r);
    DrawHand(s, {x, y - r / 2}, {x - r / 2, y - 3 * r / 4});
    DrawSeconds(s, x, y, r);
}

void LogPulseDelay::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    DrawDial(s, x, y, r);
    const Point pulse[] = {{x - r / 2, y - r / 2}, {x - r / 4, y - r / 2}, {x - r / 4, y - r},
                           {x + r / 4, y - r},     {x + r / 4, y - r / 2}, {x + r / 2, y - r / 2}};
    s.DrawPolyline(pulse);
    DrawSeconds(s, x, y, r);
}

std::uint32_t VariableTimeElement::VariableTimeWord(std::uint32_t opcode,
                                                    const ElFinder& finder) const
{
    const std::uint32_t time = Operand(finder, inputs[1]);
    const std::uint32_t bit = Operand(finder, inputs[0]);
    return opcode | ((time & 0x1FF) << 14) | (bit & 0x3FFF);
}

void LogVarDelay::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    s.DrawEllipse(x - r, y - r, x + r, y + r);
    DrawHand(s, {x, y}, {x - r / 2, y - 3 * r / 4});
}

void LogVarPulseDelay::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    s.DrawEllipse(x - r, y - r, x + r, y + r);
    const Point pulse[] = {
        {x - r, y},     {x - r / 4, y}, {x - r / 4, y - r / 2}, {x + r / 4, y - r / 2},
        {x + r / 4, y}, {x + r, y}};
    s.DrawPolyline(pulse);
}

void LogFilter::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    // A line back to the centre, then one wave: the upper half circle left of
    // the centre and the lower one right of it.
    s.MoveTo(x + r, y);
    s.DrawAngleArc(x - r / 2, y, r / 2, 0.0f, 180.0f);
    s.DrawAngleArc(x + r / 2, y, r / 2, 180.0f, 180.0f);
}

LogClock::LogClock(Point position, std::int32_t elementId, std::int32_t frequencyIndex)
    : ElementKind(position, elementId), freqIndex(frequencyIndex)
{}

std::u16string LogClock::FrequencyText() const
{
    char text[32];
    std::snprintf(text, sizeof text, "%f", std::ldexp(128.0, -(freqIndex & 31)));
    return Ascii(text);
}

void LogClock::Serialize(CArchive& ar)
{
    LogElement::Serialize(ar);
    ar.Exchange(freqIndex);
}

void LogClock::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    const Point wave[] = {{x + r / 2, y - r / 2}, {x, y - r / 2},         {x, y - r},
                          {x - r / 2, y - r},     {x - r / 2, y - r / 2}, {x - r, y - r / 2}};
    s.DrawPolyline(wave);
    DrawCaption(s, x, y, r, FrequencyText());
}

std::uint32_t LogClock::EncodeWord(const ElFinder&) const
{
    return 0xE0000000u | ((std::uint32_t(freqIndex) & 0x1F) << 18);
}

BitFedRegister::BitFedRegister(Point position, std::int32_t elementId, std::u16string registerName)
    : LogElement(position, elementId), name(std::move(registerName))
{}

void BitFedRegister::Serialize(CArchive& ar)
{
    LogElement::Serialize(ar);
    ar.Exchange(name);
}

std::uint32_t BitFedRegister::RegisterWord(std::uint32_t operation, const ElFinder& finder) const
{
    return operation | ((Operand(finder, inputs[0]) & 0x3FFF) << 9);
}

LogTimer::LogTimer(Point position, std::int32_t elementId, std::u16string timerName, bool up)
    : ElementKind(position, elementId, std::move(timerName)), countUp(up)
{}

void LogTimer::Serialize(CArchive& ar)
{
    BitFedRegister::Serialize(ar);
    if (ar.IsStoring())
        ar.WriteFlag(countUp);
    else
        countUp = ar.ReadFlag();
}

void LogTimer::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    s.DrawRectangle(x - r, y - r, x + r, y + r);
    DrawHand(s, {x, y}, {x - r, y - 3 * r / 4});
    DrawCaption(s, x, y, r, name);
}

std::uint32_t LogTimer::EncodeWord(const ElFinder& f) const
{
    return RegisterWord(0x190u, f) | (countUp ? 1u << 23 : 0u);
}

void LogSpeed::DrawBody(Surface& s, const ElFinder&, int x, int y, int r) const
{
    s.DrawAngleArc(x, y, r, 0.0f, 180.0f);
    DrawHand(s, {x, y}, {x + r / 2, y - r / 2});
    DrawCaption(s, x, y, r, name);
}

std::uint32_t LogSpeed::EncodeWord(const ElFinder& f) const
{
    return RegisterWord(0x198u, f);
}

} // namespace vantrel
