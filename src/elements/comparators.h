#pragma once

#include "elements/element_kind.h"

namespace vantrel {

// Main-list elements that compare two numbers (register or constant
// operands) and give a bit. Their word holds, from bit 0 up: bit 8 of A, bit
// 8 of B (the constant flags), the low 8 bits of A, the low 8 bits of B; A is
// input 0 and B input 1.

// A == B.
class LogCompEq : public ElementKind<LogCompEq>
{
public:
    static constexpr const char* kClassName = "LogCompEq";
    using ElementKind::ElementKind;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& finder) const override;
    bool IsNumericPin(bool inputSide, int) const override { return inputSide; }
};

// A > B.
class LogCompL : public ElementKind<LogCompL>
{
public:
    static constexpr const char* kClassName = "LogCompL";
    using ElementKind::ElementKind;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& finder) const override;
    bool IsNumericPin(bool inputSide, int) const override { return inputSide; }
};

} // namespace vantrel
