#pragma once

#include "elements/element_kind.h"

namespace vantrel {

// The six two-input gates and the inverter: main-list bit elements with no
// data beyond the element base. A two-input word holds the operation in bits
// 31-28 and the operands of input 0 and input 1 in bits 27-14 and 13-0.

class LogAnd : public ElementKind<LogAnd>
{
public:
    static constexpr const char* kClassName = "LogAnd";
    using ElementKind::ElementKind;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& finder) const override;
};

class LogOr : public ElementKind<LogOr>
{
public:
    static constexpr const char* kClassName = "LogOr";
    using ElementKind::ElementKind;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& finder) const override;
};

class LogNAND : public ElementKind<LogNAND>
{
public:
    static constexpr const char* kClassName = "LogNAND";
    using ElementKind::ElementKind;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& finder) const override;
};

class LogNOR : public ElementKind<LogNOR>
{
public:
    static constexpr const char* kClassName = "LogNOR";
    using ElementKind::ElementKind;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& finder) const override;
};

class LogXOR : public ElementKind<LogXOR>
{
public:
    static constexpr const char* kClassName = "LogXOR";
    using ElementKind::ElementKind;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& finder) const override;
};

class LogNXOR : public ElementKind<LogNXOR>
{
public:
    static constexpr const char* kClassName = "LogNXOR";
    using ElementKind::ElementKind;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& finder) const override;
};

class LogNot : public ElementKind<LogNot>
{
public:
    static constexpr const char* kClassName = "LogNot";
    using ElementKind::ElementKind;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& finder) const override;
    int InputCount() const override { return 1; }
};

// The two-operand word: the operation in bits 31-28, input 0's operand in
// bits 27-14 and input 1's in bits 13-0. The memory kinds use it too.
std::uint32_t TwoInputWord(std::uint32_t operation, const LogElement& element,
                           const ElFinder& finder);

} // namespace vantrel
