#include "export/element_readers.h"

#include "document/vantrel_doc.h"
#include "elements/element_kind.h"
#include "elements/numeric_elements.h"

namespace vantrel {

ElementReaders::ElementReaders(const CVantrelDoc& document) : document_(document)
{
    for (int list = 0; list < kElementListCount; ++list) {
        if (list == kIndirectList)
            continue;
        for (const auto& element : document.elements[list]) {
            for (int input = 0; input < element->InputCount(); ++input)
                Add(SourceOf(*element, input), *element);
            if (const auto* operation = KindAs<AccOp>(element.get()))
                Add(document.FindDirectById(operation->accId), *element);
        }
    }
}

std::span<const LogElement* const> ElementReaders::Of(const LogElement& element) const
{
    const auto found = readers_.find(&element);
    if (found == readers_.end())
        return {};
    return found->second;
}

const LogElement* ElementReaders::SourceOf(const LogElement& element, int input) const
{
    if (input < 0 || input >= kMaxInputs || element.inputs[std::size_t(input)] == 0)
        return nullptr;
    return document_.ResolveSource(element.inputs[std::size_t(input)]);
}

void ElementReaders::Add(const LogElement* source, const LogElement& reader)
{
    if (!source)
        return;
    std::vector<const LogElement*>& readers = readers_[source];
    // An element reading one source on several inputs is one reader.
    if (readers.empty() || readers.back() != &reader)
        readers.push_back(&reader);
}

} // namespace vantrel
