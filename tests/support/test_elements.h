#pragma once

#include "elements/element_kind.h"
#include "elements/log_indirect.h"

namespace vantrel::test {

// A stand-in for the indirect kinds: it stands for the element in input 0
// and, when `breaking`, declares that input loop-free like a cycle breaker.
class TestIndirect : public ElementKind<TestIndirect, LogIndirect>
{
public:
    static constexpr const char* kClassName = "TestIndirect";
    TestIndirect(Point position, std::int32_t elementId, std::int32_t source,
                 bool isBreaking = false)
        : ElementKind(position, elementId), breaking(isBreaking)
    {
        inputs[0] = source;
    }
    int InputCount() const override { return 1; }
    bool IsBreakingInput(int) const override { return breaking; }
    std::int32_t SourceId() const override { return inputs[0]; }

    bool breaking = false;
};

// An element of any list with a configurable register use.
class TestListed : public ElementKind<TestListed>
{
public:
    static constexpr const char* kClassName = "TestListed";
    TestListed(Point position, std::int32_t elementId, int listKind, bool usesRegister = true)
        : ElementKind(position, elementId), list(listKind), registerUse(usesRegister)
    {}
    int ListKind() const override { return list; }
    bool UsesRegister() const override { return registerUse; }
    bool ShowInMonitor() const override { return registerUse; }

    int list = kMainList;
    bool registerUse = true;
};

} // namespace vantrel::test
