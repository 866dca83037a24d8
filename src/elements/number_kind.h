#pragma once

namespace vantrel {

// The kinds of I/O number: each numbered I/O kind takes its number from one
// of these ranges, which the number checks, the name tables and the lists of
// the exports cover one by one.
enum class NumberKind
{
    Inputs,
    Outputs,
    AnalogInputs,
    AnalogOutputs,
    UserInputs,
    UserOutputs,
};

} // namespace vantrel
