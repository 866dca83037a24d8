// The document's checks of I/O numbers: every number of a kind within its
// limit and used once.
#include "document/vantrel_doc.h"

#include "elements/io_elements.h"

#include <algorithm>

namespace vantrel {

namespace {

struct NumberMember
{
    int list;
    bool (*matches)(const LogElement&);
};

template <class Kind> bool IsA(const LogElement& element)
{
    return dynamic_cast<const Kind*>(&element) != nullptr;
}

NumberMember MemberOf(NumberKind kind)
{
    switch (kind) {
    case NumberKind::Inputs:
        return {kMainList, IsA<LogIn>};
    case NumberKind::Outputs:
        return {kMainList, IsA<LogOut>};
    case NumberKind::AnalogInputs:
        return {kRegisterList, IsA<Analog_Input>};
    case NumberKind::AnalogOutputs:
        return {kRegisterList, IsA<Analog_Output>};
    case NumberKind::UserInputs:
        return {kMainList, IsA<LogUser>};
    case NumberKind::UserOutputs:
        return {kMainList, IsA<LogUserOut>};
    }
    return {kMainList, IsA<LogIn>};
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

int CVantrelDoc::CheckNumbers(NumberKind kind, std::vector<std::int32_t>& table, int limit)
{
    const NumberMember member = MemberOf(kind);
    // The table holds every number in use, but never grows to a limit a
    // damaged file may claim: entries past its end count as free.
    std::size_t needed = table.size();
    for (const auto& element : elements[member.list])
        if (member.matches(*element)) {
            const auto number = static_cast<const LogIO&>(*element).number;
            if (number >= 0 && number < limit)
                needed = std::max(needed, std::size_t(number) + 1);
        }
    table.resize(needed);
    if (limit > 0)
        std::fill_n(table.begin(), std::min(table.size(), std::size_t(limit)), -1);
    int result = limit;
    for (const auto& element : elements[member.list]) {
        if (!member.matches(*element))
            continue;
        const auto& io = static_cast<const LogIO&>(*element);
        if (io.number < 0 || io.number >= limit)
            notifier_->Message(io.Name(), u"Out of range", MessageButtons::Ok);
        else if (table[io.number] != -1)
            notifier_->Message(u"Duplicate numbers", u"Error", MessageButtons::Ok);
        else
            table[io.number] = io.id;
        --result;
    }
    return result;
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
