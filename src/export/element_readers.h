#pragma once

#include <span>
#include <unordered_map>
#include <vector>

namespace vantrel {

class CVantrelDoc;
class LogElement;

// Who reads each element's value: the elements with an input that stands
// for it, followed through markers, replicators and cycle breakers, and the
// accumulator operations that work on an accumulator. Markers and the other
// indirect elements only pass a value on, so they are never readers
// themselves. Made in one pass over the design; the design must not change
// while it is in use.
class ElementReaders
{
public:
    explicit ElementReaders(const CVantrelDoc& document);

    // The readers of the element in list order (main list first), each once.
    std::span<const LogElement* const> Of(const LogElement& element) const;
    // The element an input stands for; none when it is not connected or
    // leads nowhere.
    const LogElement* SourceOf(const LogElement& element, int input) const;

private:
    void Add(const LogElement* source, const LogElement& reader);

    const CVantrelDoc& document_;
    std::unordered_map<const LogElement*, std::vector<const LogElement*>> readers_;
};

} // namespace vantrel
