#pragma once

#include "elements/element_kind.h"

#include <string>

namespace vantrel {

// The numeric side of the controller. None of these kinds stores an element
// version: their payload starts with the position and the id.

// A storage cell numbered among the first registers; the user watches it and,
// unless restricted, edits it. `restricted` is absent from files written
// before element version 11 and then loads as 0.
class Acc : public ElementKind<Acc>
{
public:
    static constexpr const char* kClassName = "Acc";
    using ElementKind::ElementKind;
    Acc(Point position, std::int32_t elementId, std::u16string cellName,
        std::int32_t restrictedAccess);

    void Serialize(CArchive& archive) override;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    Point OutputPinOffset(int r) const override { return {r, -r / 2}; }
    int ListKind() const override { return kAccumulatorList; }
    int InputCount() const override { return 0; }
    bool UsesRegister() const override { return true; }
    bool IsNumericPin(bool, int) const override { return true; }
    bool ShowInMonitor() const override { return true; }
    bool IsEditable() const override { return true; }
    int Restricted() const override { return restricted; }
    std::u16string Name() const override { return name; }
    std::u16string Describe(const ElFinder&) const override { return u"Acc: " + name; }

    std::u16string name;
    std::int32_t restricted = 0;
};

// A storage cell numbered after all accumulators.
class NoOp : public ElementKind<NoOp, Acc>
{
public:
    static constexpr const char* kClassName = "NoOp";
    using ElementKind::ElementKind;
    int ListKind() const override { return kNoOpList; }
    std::u16string Describe(const ElFinder&) const override { return u"NoOp: " + name; }
};

// The operations of the register list, evaluated in list order. Stored as
// position, id, operation number, then the input slots.
class MathOp : public ElementKind<MathOp>
{
public:
    static constexpr const char* kClassName = "MathOp";
    using ElementKind::ElementKind;
    MathOp(Point position, std::int32_t elementId, std::int32_t operation);

    void Serialize(CArchive& archive) override;
    int ListKind() const override { return kRegisterList; }

    std::int32_t op = 0;
};

// Applies `op` ("+", "-", "=", "= L") with the number of input 0 to the
// accumulator `accId` while the bit of input 1 is set.
class AccOp : public ElementKind<AccOp, MathOp>
{
public:
    static constexpr const char* kClassName = "AccOp";
    using ElementKind::ElementKind;
    AccOp(Point position, std::int32_t elementId, std::int32_t operation, std::int32_t accumulator);

    // The operation's symbol; empty for a number no dialog offers.
    static std::u16string OperationText(std::int32_t operation);

    void Serialize(CArchive& archive) override;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& finder) const override;
    bool HasOutput() const override { return false; }
    bool IsNumericPin(bool, int index) const override { return index == 0; }

    std::int32_t accId = 0;
};

// A register computed as input 0 `op` input 1 (op 0 to 7: "+", "-", "*",
// "/", "/.", "AND", "OR", "XOR").
class GP_Register : public ElementKind<GP_Register, MathOp>
{
public:
    static constexpr const char* kClassName = "GP_Register";
    using ElementKind::ElementKind;
    GP_Register(Point position, std::int32_t elementId, std::int32_t operation, bool monitored,
                std::u16string registerName);

    // The operation's symbol; empty for a number no dialog offers.
    static std::u16string OperationText(std::int32_t operation);

    void Serialize(CArchive& archive) override;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& finder) const override;
    bool UsesRegister() const override { return true; }
    bool IsNumericPin(bool, int) const override { return true; }
    // The bitwise operations need a newer controller program.
    int RequiredVersion() const override { return op >= 5 && op <= 7 ? 8 : 2; }
    bool ShowInMonitor() const override { return showInMonitor; }
    std::u16string Name() const override { return name; }
    std::u16string Describe(const ElFinder&) const override { return u"GP Register: " + name; }

    bool showInMonitor = false;
    std::u16string name;
};

// A constant numeric operand; its word is the value itself.
class NL_Constant : public ElementKind<NL_Constant>
{
public:
    static constexpr const char* kClassName = "NL_Constant";
    using ElementKind::ElementKind;
    NL_Constant(Point position, std::int32_t elementId, std::int32_t constantValue);

    void Serialize(CArchive& archive) override;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder&) const override { return std::uint32_t(value); }
    Point OutputPinOffset(int r) const override { return {r, -r / 2}; }
    int ListKind() const override { return kConstantList; }
    int InputCount() const override { return 0; }
    bool IsNumericPin(bool, int) const override { return true; }

    std::int32_t value = 0;
};

} // namespace vantrel
