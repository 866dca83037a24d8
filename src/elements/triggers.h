#pragma once

#include "elements/element_kind.h"

namespace vantrel {

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
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    Point OutputPinOffset(int r) const override { return {r / 2, 0}; }
    Point InputPinOffset(int r, int input) const override;

protected:
    // Position, id and every input slot, without version or base part.
    void SerializeUnversioned(CArchive& archive);
    // The two-word layout: EncodeWord, then the operands of inputs 0 and 1
    // in a word without an operation code.
    void EncodeWithInputPair(std::vector<std::uint32_t>& words, const ElFinder& finder) const;
};

// The trigger kinds with more than two inputs: stored without version or
// base part, and encoded as a first word of their own (EncodeWord) followed
// by the operands of inputs 0 and 1.
template <class Derived, class Base, int Inputs>
class TwoWordTrigger : public ElementKind<Derived, Base>
{
public:
    using ElementKind<Derived, Base>::ElementKind;
    void Serialize(CArchive& archive) override { this->SerializeUnversioned(archive); }
    void Encode(std::vector<std::uint32_t>& words, const ElFinder& finder) const override
    {
        this->EncodeWithInputPair(words, finder);
    }
    int InputCount() const override { return Inputs; }
    int WordCount() const override { return 2; }
};

// The set/reset memory; its output sits level with input 0.
class LogMem : public ElementKind<LogMem, LogTrigger>
{
public:
    static constexpr const char* kClassName = "LogMem";
    using ElementKind::ElementKind;
    std::uint32_t EncodeWord(const ElFinder& finder) const override;
    Point OutputPinOffset(int r) const override { return {r / 2, -r / 2}; }
};

class LogSwitch : public ElementKind<LogSwitch, LogTrigger>
{
public:
    static constexpr const char* kClassName = "LogSwitch";
    using ElementKind::ElementKind;
    std::uint32_t EncodeWord(const ElFinder& finder) const override;
};

// The toggle: input 2 goes into the first word, inputs 0 and 1 into the second.
class LogToggle : public TwoWordTrigger<LogToggle, LogTrigger, 3>
{
public:
    static constexpr const char* kClassName = "LogToggle";
    using TwoWordTrigger::TwoWordTrigger;
    std::uint32_t EncodeWord(const ElFinder& finder) const override;
    int RequiredVersion() const override { return 3; }
};

// The delayed stop trigger: a switch with a delayed bit on input 2 and its
// time as a number on input 3.
class LogDelayedSwitch : public TwoWordTrigger<LogDelayedSwitch, LogSwitch, 4>
{
public:
    static constexpr const char* kClassName = "LogDelayedSwitch";
    using TwoWordTrigger::TwoWordTrigger;
    std::uint32_t EncodeWord(const ElFinder& finder) const override;
    bool UsesDelay() const override { return true; }
    bool IsDelayedInput(int input) const override { return input == 2; }
    bool IsNumericPin(bool inputSide, int index) const override { return inputSide && index == 3; }
};

} // namespace vantrel
