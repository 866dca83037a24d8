// The document's checks of I/O numbers: every number of a kind within its
// limit and used once.
#include "document/vantrel_doc.h"

#include "elements/element_kinds.h"
#include "elements/io_elements.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace vantrel {

namespace {

// The list that holds the elements of a number kind.
int ListOf(NumberKind kind)
{
    const bool analog = kind == NumberKind::AnalogInputs || kind == NumberKind::AnalogOutputs;
    return analog ? kRegisterList : kMainList;
}

} // namespace

int CVantrelDoc::NumberLimit(NumberKind kind) const
{
    switch (kind) {
    case NumberKind::Inputs:
        return numInputs;
    case NumberKind::Outputs:
        return numOutputs;
    case NumberKind::AnalogInputs:
        return remoteIo.AnalogInputChannels();
    case NumberKind::AnalogOutputs:
        return remoteIo.AnalogOutputChannels();
    case NumberKind::UserInputs:
        return userInputCapacity;
    case NumberKind::UserOutputs:
        return userOutputCapacity;
    }
    return 0;
}

int CVantrelDoc::ScanNumbers(NumberKind kind, std::vector<std::int32_t>& table, int limit,
                             const std::function<void(const NumberFinding&)>& report) const
{
    const ElementList& members = elements[ListOf(kind)];
    // The table holds every number in use up to a size no real design
    // reaches, but never grows to a limit a damaged file may claim: entries
    // past its end count as free, and the numbers past it are checked for
    // duplicates on their own.
    const std::int64_t tableLimit = std::min<std::int64_t>(limit, kNumberTableLimit);
    std::size_t needed = table.size();
    for (const auto& element : members)
        if (NumbersOf(*element) == kind) {
            const auto number = static_cast<const LogIO&>(*element).number;
            if (number >= 0 && number < tableLimit)
                needed = std::max(needed, std::size_t(number) + 1);
        }
    table.resize(needed);
    if (limit > 0)
        std::fill_n(table.begin(), std::min(table.size(), std::size_t(limit)), -1);
    std::unordered_map<std::int32_t, std::int32_t> pastTable;
    std::int64_t result = limit;
    for (const auto& element : members) {
        if (NumbersOf(*element) != kind)
            continue;
        const auto& io = static_cast<const LogIO&>(*element);
        const bool inTable = io.number >= 0 && std::size_t(io.number) < table.size();
        if (io.number < 0 || io.number >= limit) {
            report({&io, NumberFault::OutOfRange, 0});
        } else if (inTable && table[std::size_t(io.number)] != -1) {
            report({&io, NumberFault::Taken, table[std::size_t(io.number)]});
        } else if (inTable) {
            table[std::size_t(io.number)] = io.id;
        } else if (auto [holder, added] = pastTable.try_emplace(io.number, io.id); !added) {
            report({&io, NumberFault::Taken, holder->second});
        }
        --result;
    }
    // Only a limit near INT_MIN takes the result below the smallest int: it
    // stops there, which is still no 0.
    return int(std::max<std::int64_t>(result, std::numeric_limits<int>::min()));
}

int CVantrelDoc::CheckNumbers(NumberKind kind, std::vector<std::int32_t>& table, int limit)
{
    return ScanNumbers(kind, table, limit, [this](const NumberFinding& finding) {
        if (finding.fault == NumberFault::OutOfRange)
            notifier_->Message(finding.element->Name(), u"Out of range", MessageButtons::Ok);
        else
            notifier_->Message(u"Duplicate numbers", u"Error", MessageButtons::Ok);
    });
}

std::vector<NumberFinding> CVantrelDoc::NumberFindings(NumberKind kind) const
{
    std::vector<std::int32_t> table;
    std::vector<NumberFinding> findings;
    ScanNumbers(kind, table, NumberLimit(kind),
                [&findings](const NumberFinding& finding) { findings.push_back(finding); });
    return findings;
}

int CVantrelDoc::CheckNumbers(NumberKind kind)
{
    return CheckNumbers(kind, numberTable_, NumberLimit(kind));
}

int CVantrelDoc::FirstFreeNumber(NumberKind kind)
{
    std::vector<std::int32_t> table(kUserNumberCapacity, -1);
    CheckNumbers(kind, table, NumberLimit(kind));
    auto free = std::find(table.begin(), table.end(), -1);
    return free == table.end() ? -1 : int(free - table.begin());
}

} // namespace vantrel
