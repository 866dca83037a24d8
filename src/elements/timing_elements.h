#pragma once

#include "elements/element_kind.h"

#include <string>

namespace vantrel {

// Elements whose output depends on time. Every delay-type element occupies
// one of the controller's delay counters. A fixed delay's input, and the
// first input of the variable delays, are sampled through the delay, so a
// loop through them is a weak loop. The variable kinds read their time as a
// number (register or constant) on input 1.

// Delays its one input by `delay` seconds (1 to 2000).
class LogDelay : public ElementKind<LogDelay>
{
public:
    static constexpr const char* kClassName = "LogDelay";
    using ElementKind::ElementKind;
    LogDelay() = default;
    LogDelay(Point position, std::int32_t elementId, std::int32_t seconds);

    void Serialize(CArchive& archive) override;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& f) const override { return DelayWord(0xF6000000u, f); }
    int InputCount() const override { return 1; }
    Point OutputPinOffset(int r) const override { return {r / 2, -r / 2}; }
    Point InputPinOffset(int r, int) const override { return {-r / 2, -r / 2}; }
    bool UsesDelay() const override { return true; }
    bool IsDelayedInput(int) const override { return true; }

    std::int32_t delay = 0;

protected:
    // The small dial above the anchor and the "%d s" text below it.
    void DrawDial(Surface& surface, int x, int y, int r) const;
    void DrawSeconds(Surface& surface, int x, int y, int r) const;
    // The fixed-delay word: opcode, the seconds and input 0's operand.
    std::uint32_t DelayWord(std::uint32_t opcode, const ElFinder& finder) const;
};

// A pulse of `delay` seconds (0 to 2000); stored and placed like LogDelay.
class LogPulseDelay : public ElementKind<LogPulseDelay, LogDelay>
{
public:
    static constexpr const char* kClassName = "LogPulseDelay";
    using ElementKind::ElementKind;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& f) const override { return DelayWord(0xFE000000u, f); }
};

// The kinds that read their time as a number (register or constant) on
// input 1 and time the bit on input 0. Files never name this class.
class VariableTimeElement : public LogElement
{
public:
    using Parent = LogElement;
    using LogElement::LogElement;
    const char* ClassName() const override = 0;
    bool UsesDelay() const override { return true; }
    bool IsNumericPin(bool inputSide, int index) const override { return inputSide && index != 0; }

protected:
    // The time operand in bits 22-14 and the bit operand in bits 13-0.
    std::uint32_t VariableTimeWord(std::uint32_t opcode, const ElFinder& finder) const;
};

class LogVarDelay : public ElementKind<LogVarDelay, VariableTimeElement>
{
public:
    static constexpr const char* kClassName = "LogVarDelay";
    using ElementKind::ElementKind;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& f) const override
    {
        return VariableTimeWord(0xE6000000u, f);
    }
    bool IsDelayedInput(int input) const override { return input == 0; }
};

class LogVarPulseDelay : public ElementKind<LogVarPulseDelay, VariableTimeElement>
{
public:
    static constexpr const char* kClassName = "LogVarPulseDelay";
    using ElementKind::ElementKind;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& f) const override
    {
        return VariableTimeWord(0xEC000000u, f);
    }
    bool IsDelayedInput(int input) const override { return input == 0; }
    int RequiredVersion() const override { return 4; }
};

// Filters input 0 over the time on input 1; bit 23 of its word tells it
// from the variable delay.
class LogFilter : public ElementKind<LogFilter, VariableTimeElement>
{
public:
    static constexpr const char* kClassName = "LogFilter";
    using ElementKind::ElementKind;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& f) const override
    {
        return VariableTimeWord(0xE6800000u, f);
    }
    int RequiredVersion() const override { return 5; }
};

// A free-running clock of 128 / 2^freqIndex Hz (index 0 to 12).
class LogClock : public ElementKind<LogClock>
{
public:
    static constexpr const char* kClassName = "LogClock";
    using ElementKind::ElementKind;
    LogClock() = default;
    LogClock(Point position, std::int32_t elementId, std::int32_t frequencyIndex);

    // The frequency shown under the figure, "%f" Hz ("128.000000" for index 0).
    std::u16string FrequencyText() const;

    void Serialize(CArchive& archive) override;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& finder) const override;
    int InputCount() const override { return 0; }

    std::int32_t freqIndex = 0;
};

// The registers fed by the bit on input 0: a number held in one of the
// register numbers and shown in the monitor under a user-given name, which
// the stored form adds to the base part. Files never name this class.
class BitFedRegister : public LogElement
{
public:
    using Parent = LogElement;
    using LogElement::LogElement;
    BitFedRegister() = default;
    BitFedRegister(Point position, std::int32_t elementId, std::u16string registerName);

    const char* ClassName() const override = 0;
    void Serialize(CArchive& archive) override;
    int InputCount() const override { return 1; }
    bool IsNumericPin(bool inputSide, int) const override { return !inputSide; }
    bool UsesRegister() const override { return true; }
    bool ShowInMonitor() const override { return true; }
    std::u16string Name() const override { return name; }

    std::u16string name;

protected:
    // Bit 8 set with the operation number in bits 7-3, and input 0's operand
    // in bits 22-9.
    std::uint32_t RegisterWord(std::uint32_t operation, const ElFinder& finder) const;
};

// A running time in seconds; `countUp` is its "Count Up" setting.
class LogTimer : public ElementKind<LogTimer, BitFedRegister>
{
public:
    static constexpr const char* kClassName = "LogTimer";
    using ElementKind::ElementKind;
    LogTimer(Point position, std::int32_t elementId, std::u16string timerName, bool up);

    void Serialize(CArchive& archive) override;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& finder) const override;
    int ListKind() const override { return kTimerList; }
    int RequiredVersion() const override { return 5; }
    bool IsEditable() const override { return true; }
    std::u16string NatureText() const override { return u"seconds"; }
    std::u16string Describe(const ElFinder&) const override { return u"Timer: " + name; }

    bool countUp = false;
};

// A speed in rpm, measured from input 0.
class LogSpeed : public ElementKind<LogSpeed, BitFedRegister>
{
public:
    static constexpr const char* kClassName = "LogSpeed";
    using ElementKind::ElementKind;

    // The half dial joins the end of the input stub the editor has just
    // drawn, so it starts from the current position.
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& finder) const override;
    int ListKind() const override { return kRegisterList; }
    int RequiredVersion() const override { return 7; }
    bool UsesDelay() const override { return true; }
    std::u16string NatureText() const override { return u"rpm"; }
    std::u16string Describe(const ElFinder&) const override { return u"Speed: " + name; }
};

} // namespace vantrel
