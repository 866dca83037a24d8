#pragma once

#include "elements/element_kind.h"

namespace vantrel {

// Elements that stand for another element's value (markers, replicators,
// cycle breakers). They live in the indirect list and are resolved to their
// source wherever a value is needed.
class LogIndirect : public LogElement
{
public:
    using Parent = LogElement;
    using LogElement::LogElement;
    int ListKind() const override { return kIndirectList; }
    // The id of the element whose value this one stands for.
    virtual std::int32_t SourceId() const = 0;

protected:
    LogIndirect() = default;
    LogIndirect(const LogIndirect&) = default;
};

// The element as an indirect one, or none. The list kind rules out most
// elements at the cost of one virtual call.
inline LogIndirect* AsIndirect(LogElement* element)
{
    return element && element->ListKind() == kIndirectList ? KindAs<LogIndirect>(element) : nullptr;
}

} // namespace vantrel
