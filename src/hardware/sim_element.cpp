#include "hardware/sim_element.h"

#include "archive/archive.h"
#include "archive/byte_buffer.h"
#include "elements/el_finder.h"
#include "elements/element_kinds.h"
#include "elements/io_elements.h"

namespace vantrel {

namespace {

constexpr std::int32_t kPayloadVersion = 0;

void ExchangeSlots(CArchive& ar, std::vector<std::int32_t>& slots, std::int32_t count)
{
    if (ar.IsLoading()) {
        // A count no stream could hold is a damaged file, not a reason to allocate.
        if (count < 0 || std::size_t(count) > ar.BytesLeft() / 4)
            ar.Fail(ArchiveCause::BadIndex);
        slots.assign(std::size_t(count), -1);
    }
    for (std::int32_t& slot : slots)
        ar.Exchange(slot);
}

// The number of the I/O element `id` when it is numbered from `numbers`, else -1.
std::int32_t IoNumberOf(const ElFinder& finder, std::int32_t id, NumberKind numbers)
{
    const LogElement* element = finder.FindById(id);
    return element && NumbersOf(*element) == numbers ? static_cast<const LogIO*>(element)->number
                                                     : -1;
}

} // namespace

SimElement::SimElement(std::int32_t simType, std::u16string elementName)
    : inputs(std::size_t(kTypes[simType].inputCount), -1),
      outputs(std::size_t(kTypes[simType].outputCount), -1), type(simType),
      name(std::move(elementName))
{}

void SimElement::Serialize(CArchive& ar)
{
    std::int32_t version = kPayloadVersion; // no older layout exists
    auto inputCount = std::int32_t(inputs.size());
    auto outputCount = std::int32_t(outputs.size());
    ar.Exchange(version);
    ar.Exchange(inputCount);
    ar.Exchange(outputCount);
    ar.Exchange(type);
    ar.Exchange(name);
    ExchangeSlots(ar, inputs, inputCount);
    ExchangeSlots(ar, outputs, outputCount);
}

std::vector<std::uint8_t> SimulationFileBytes(const std::vector<std::unique_ptr<SimElement>>& list,
                                              const ElFinder& finder)
{
    std::vector<std::uint8_t> bytes;
    ByteWriter writer(bytes);
    writer.Put(std::int32_t(list.size()));
    for (const auto& element : list) {
        writer.Put(element->type);
        writer.Put(std::int32_t(element->inputs.size()));
        writer.Put(std::int32_t(element->outputs.size()));
        for (std::int32_t id : element->inputs)
            writer.Put(IoNumberOf(finder, id, NumberKind::Inputs));
        for (std::int32_t id : element->outputs)
            writer.Put(IoNumberOf(finder, id, NumberKind::Outputs));
    }
    return bytes;
}

} // namespace vantrel
