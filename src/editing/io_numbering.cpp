#include "editing/io_numbering.h"

#include <algorithm>

namespace vantrel {

InOutRequest NumberChoice(const CVantrelDoc& document, const IoNumbering& numbering)
{
    InOutRequest request;
    request.count = document.NumberLimit(numbering.numbers);
    const auto& table = document.NumberTable();
    request.usage.assign(
        table.begin(),
        table.begin() + std::clamp<std::ptrdiff_t>(request.count, 0, std::ptrdiff_t(table.size())));
    request.labelSource = numbering.documentLabels ? &document : nullptr;
    request.isInput = numbering.isInput;
    return request;
}

} // namespace vantrel
