#include "support/random_designs.h"

#include "document/vantrel_doc.h"
#include "elements/big_gates.h"
#include "elements/comparators.h"
#include "elements/gates.h"
#include "elements/indirect_elements.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "elements/timing_elements.h"
#include "elements/triggers.h"

#include <functional>
#include <random>

namespace vantrel::test {

namespace {

using Factory = std::function<std::unique_ptr<LogElement>()>;

template <class Kind> Factory Make()
{
    return [] { return std::make_unique<Kind>(); };
}

const std::vector<Factory>& Kinds()
{
    static const std::vector<Factory> kinds = {
        Make<LogAnd>(),
        Make<LogOr>(),
        Make<LogNot>(),
        Make<LogXOR>(),
        Make<LogAnd>(),
        Make<LogOr>(),
        Make<LogDelay>(),
        Make<LogPulseDelay>(),
        Make<LogVarDelay>(),
        Make<LogVarPulseDelay>(),
        Make<LogFilter>(),
        Make<LogMem>(),
        Make<LogSwitch>(),
        Make<LogToggle>(),
        Make<LogDelayedSwitch>(),
        Make<LogCompEq>(),
        Make<LogCompL>(),
        Make<LogIn>(),
        Make<LogUser>(),
        Make<LogPulseUser>(),
        Make<LogClock>(),
        Make<LogOut>(),
        Make<LogUserOut>(),
        Make<LogBigAlarm>(),
        Make<LogStartMarker>(),
        Make<NLStartMarker>(),
        Make<LogEndMarker>(),
        Make<NLEndMarker>(),
        Make<LogBreaker>(),
        Make<LogReplicator>(),
        Make<GP_Register>(),
        Make<AccOp>(),
        Make<Analog_Input>(),
        Make<Analog_Output>(),
        Make<LogSpeed>(),
        Make<GP_Register>(),
        Make<Acc>(),
        Make<NoOp>(),
        Make<TempInput>(),
        Make<NL_Constant>(),
        Make<LogTimer>(),
    };
    return kinds;
}

} // namespace

void FillRandomDesign(CVantrelDoc& document, std::uint32_t seed, int elementCount)
{
    std::mt19937 random(seed);
    auto below = [&](int limit) { return int(random() % std::uint32_t(limit)); };
    // Ids 1..count exist; a few beyond them do not. Every other seed gives a
    // mostly acyclic design: inputs read later ids (a list in reverse order),
    // with a rare loop.
    const bool mostlyAcyclic = seed % 2 == 0;
    int id = 0;
    auto anyId = [&]() -> std::int32_t {
        const int roll = below(400);
        if (roll < 20)
            return 0;
        if (roll < 40)
            return elementCount + 1 + below(5);
        if (mostlyAcyclic && roll < 399)
            return id < elementCount ? id + 1 + below(elementCount - id) : 0;
        return 1 + below(elementCount);
    };
    for (id = 1; id <= elementCount; ++id) {
        std::unique_ptr<LogElement> element = Kinds()[std::size_t(below(int(Kinds().size())))]();
        element->id = id;
        element->pos = {id, below(1000)};
        for (int input = 0; input < element->InputCount(); ++input)
            element->inputs[std::size_t(input)] = anyId();
        if (auto* end = dynamic_cast<LogEndMarker*>(element.get()))
            end->startId = anyId();
        if (auto* replicator = dynamic_cast<LogReplicator*>(element.get()))
            replicator->sourceId = anyId();
        document.elements[element->ListKind()].push_back(std::move(element));
    }
}

} // namespace vantrel::test
