#pragma once

#include "elements/element_kind.h"

#include <string>

namespace vantrel {

class ClassRegistry;

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
    void DrawBody(Surface& surface, ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(ElFinder& finder) const override;
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
    std::uint32_t DelayWord(std::uint32_t opcode, ElFinder& finder) const;
};

// A pulse of `delay` seconds (0 to 2000); stored and placed like LogDelay.
class LogPulseDelay : public ElementKind<LogPulseDelay, LogDelay>
{
public:
    static constexpr const char* kClassName = "LogPulseDelay";
    using ElementKind::ElementKind;
    void DrawBody(Surface& surface, ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(ElFinder& finder) const override;
};

class LogVarDelay : public ElementKind<LogVarDelay>
{
public:
    static constexpr const char* kClassName = "LogVarDelay";
    using ElementKind::ElementKind;
    void DrawBody(Surface& surface, ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(ElFinder& finder) const override;
    bool UsesDelay() const override { return true; }
    bool IsDelayedInput(int input) const override { return input == 0; }
    bool IsNumericPin(bool inputSide, int index) const override { return inputSide && index != 0; }
};

class LogVarPulseDelay : public ElementKind<LogVarPulseDelay>
{
public:
    static constexpr const char* kClassName = "LogVarPulseDelay";
    using ElementKind::ElementKind;
    void DrawBody(Surface& surface, ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(ElFinder& finder) const override;
    bool UsesDelay() const override { return true; }
    bool IsDelayedInput(int input) const override { return input == 0; }
    bool IsNumericPin(bool inputSide, int index) const override { return inputSide && index != 0; }
    int RequiredVersion() const override { return 4; }
};

// Filters input 0 over the time on input 1.
class LogFilter : public ElementKind<LogFilter>
{
public:
    static constexpr const char* kClassName = "LogFilter";
    using ElementKind::ElementKind;
    void DrawBody(Surface& surface, ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(ElFinder& finder) const override;
    bool UsesDelay() const override { return true; }
    bool IsNumericPin(bool inputSide, int index) const override { return inputSide && index != 0; }
    int RequiredVersion() const override { return 5; }
};

// A free-running square wave of 128 / 2^freqIndex Hz (index 0 to 12).
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
    void DrawBody(Surface& surface, ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(ElFinder& finder) const override;
    int InputCount() const override { return 0; }

    std::int32_t freqIndex = 0;
};

// A running time in seconds, held in a register and shown in the monitor;
// input 0 is the bit that runs it.
class LogTimer : public ElementKind<LogTimer>
{
public:
    static constexpr const char* kClassName = "LogTimer";
    using ElementKind::ElementKind;
    LogTimer() = default;
    LogTimer(Point position, std::int32_t elementId, std::u16string timerName, bool up);

    void Serialize(CArchive& archive) override;
    void DrawBody(Surface& surface, ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(ElFinder& finder) const override;
    int ListKind() const override { return kTimerList; }
    int InputCount() const override { return 1; }
    bool IsNumericPin(bool inputSide, int) const override { return !inputSide; }
    int RequiredVersion() const override { return 5; }
    bool UsesRegister() const override { return true; }
    bool ShowInMonitor() const override { return true; }
    bool IsEditable() const override { return true; }
    std::u16string NatureText() const override { return u"seconds"; }
    std::u16string Describe(ElFinder&) const override { return u"Timer: " + name; }
    std::u16string Name() const override { return name; }

    std::u16string name;
    bool countUp = false;
};

// The speed in rpm measured from the pulses on input 0, held in a register.
class LogSpeed : public ElementKind<LogSpeed>
{
public:
    static constexpr const char* kClassName = "LogSpeed";
    using ElementKind::ElementKind;
    LogSpeed() = default;
    LogSpeed(Point position, std::int32_t elementId, std::u16string speedName);

    void Serialize(CArchive& archive) override;
    // The half dial joins the end of the input stub the editor has just
    // drawn, so it starts from the current position.
    void DrawBody(Surface& surface, ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(ElFinder& finder) const override;
    int ListKind() const override { return kRegisterList; }
    int InputCount() const override { return 1; }
    bool IsNumericPin(bool inputSide, int) const override { return !inputSide; }
    int RequiredVersion() const override { return 7; }
    bool UsesRegister() const override { return true; }
    bool UsesDelay() const override { return true; }
    bool ShowInMonitor() const override { return true; }
    std::u16string NatureText() const override { return u"rpm"; }
    std::u16string Describe(ElFinder&) const override { return u"Speed: " + name; }
    std::u16string Name() const override { return name; }

    std::u16string name;
};

void RegisterTimingClasses(ClassRegistry& registry);

} // namespace vantrel
