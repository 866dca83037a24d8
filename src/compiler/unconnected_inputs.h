#pragma once

#include <vector>

namespace vantrel {

class CVantrelDoc;
class LogElement;

// An input the compile would warn about: slot `input` of `element`.
struct OpenInput
{
    const LogElement* element = nullptr;
    int input = 0;
};

// The inputs the compile encodes as unconnected, in the order it meets them:
// the logic words of the main list, then the words of the timers and the
// register list. Found by encoding as the compile does, so the two never
// disagree about which inputs count; nothing is reported through the
// notifier.
std::vector<OpenInput> FindOpenInputs(const CVantrelDoc& document);

} // namespace vantrel
