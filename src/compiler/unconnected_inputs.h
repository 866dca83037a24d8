#pragma once

#include <vector>

namespace vantrel {

class CVantrelDoc;
class LogElement;

// An operand the compile would warn about: input slot `input` of
// `element`, or kAccumulator for the accumulator an AccOp names, the one
// operand that is not read through an input.
struct OpenInput
{
    static constexpr int kAccumulator = -1;

    const LogElement* element = nullptr;
    int input = 0;
};

// The operands the compile encodes as unconnected, in the order it meets them:
// the logic words of the main list, then the words of the timers and the
// register list. Found by encoding as the compile does, so the two never
// disagree about which inputs count; nothing is reported through the
// notifier.
std::vector<OpenInput> FindOpenInputs(const CVantrelDoc& document);

} // namespace vantrel
