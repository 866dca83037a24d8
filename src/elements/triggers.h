#pragma once

#include "elements/element_kind.h"

namespace vantrel {

class ClassRegistry;

// Main-list bit elements with memory. They share the tall rectangular body
// and the trigger pin layout: inputs on the line x = -r/2, spread from -r/2
// to r/2, the output at (r/2, 0).
//
// A plain LogTrigger is never placed by the user; it stores the base part and
// emits the word 0.
class LogTrigger : public ElementKind<LogTrigger>
{
public:
    static constexpr const char* kClassName = "LogTrigger";
    using ElementKind::ElementKind;
    void DrawBody(Surface& surface, ElFinder& finder, int x, int y, int r) const override;
    Point OutputPinOffset(int r) const override { return {r / 2, 0}; }
    Point InputPinOffset(int r, int input) const override;

protected:
    // The stored form of the kinds with more than two inputs: no version and
    // no base part, just position, id and every input slot.
    void SerializeUnversioned(CArchive& archive);
    // EncodeWord, then the operands of inputs 0 and 1 in a word without an
    // operation code.
    void EncodeWithInputPair(std::vector<std::uint32_t>& words, ElFinder& finder) const;
};

// Set by input 0, reset by input 1.
class LogMem : public ElementKind<LogMem, LogTrigger>
{
public:
    static constexpr const char* kClassName = "LogMem";
    using ElementKind::ElementKind;
    std::uint32_t EncodeWord(ElFinder& finder) const override;
    Point OutputPinOffset(int r) const override { return {r / 2, -r / 2}; }
};

class LogSwitch : public ElementKind<LogSwitch, LogTrigger>
{
public:
    static constexpr const char* kClassName = "LogSwitch";
    using ElementKind::ElementKind;
    std::uint32_t EncodeWord(ElFinder& finder) const override;
};

// Toggles on input 2; inputs 0 and 1 follow in the second word.
class LogToggle : public ElementKind<LogToggle, LogTrigger>
{
public:
    static constexpr const char* kClassName = "LogToggle";
    using ElementKind::ElementKind;
    void Serialize(CArchive& archive) override { SerializeUnversioned(archive); }
    // The first of the two words.
    std::uint32_t EncodeWord(ElFinder& finder) const override;
    void Encode(std::vector<std::uint32_t>& w, ElFinder& f) const override
    {
        EncodeWithInputPair(w, f);
    }
    int InputCount() const override { return 3; }
    int WordCount() const override { return 2; }
    int RequiredVersion() const override { return 3; }
};

// The delayed stop trigger: a switch that stops after the time on input 3
// (a number) once its delayed input 2 asks it to.
class LogDelayedSwitch : public ElementKind<LogDelayedSwitch, LogSwitch>
{
public:
    static constexpr const char* kClassName = "LogDelayedSwitch";
    using ElementKind::ElementKind;
    void Serialize(CArchive& archive) override { SerializeUnversioned(archive); }
    // The first of the two words.
    std::uint32_t EncodeWord(ElFinder& finder) const override;
    void Encode(std::vector<std::uint32_t>& w, ElFinder& f) const override
    {
        EncodeWithInputPair(w, f);
    }
    int InputCount() const override { return 4; }
    int WordCount() const override { return 2; }
    bool UsesDelay() const override { return true; }
    bool IsDelayedInput(int input) const override { return input == 2; }
    bool IsNumericPin(bool inputSide, int index) const override { return inputSide && index == 3; }
};

void RegisterTriggerClasses(ClassRegistry& registry);

} // namespace vantrel
