#pragma once

#include "elements/log_element.h"

namespace vantrel {

// Elements that stand for another element's value (markers, replicators,
// cycle breakers). They live in the indirect list and are resolved to their
// source wherever a value is needed.
class LogIndirect : public LogElement
{
public:
    using LogElement::LogElement;
    int ListKind() const override { return kIndirectList; }
    // The id of the element whose value this one stands for.
    virtual std::int32_t SourceId() const = 0;

protected:
    LogIndirect() = default;
    LogIndirect(const LogIndirect&) = default;
};

} // namespace vantrel
