#include "compare/design_merge.h"

#include "compare/design_dump.h"
#include "compare/element_merge.h"
#include "compare/list_order_merge.h"
#include "compare/merge_fields.h"
#include "compare/sequence_merge.h"
#include "document/vantrel_doc.h"

#include <algorithm>
#include <limits>
#include <span>

namespace vantrel {

namespace {

constexpr FieldCopy<CVantrelDoc> kConfigurationFields[] = {
    CopiedField<&CVantrelDoc::numInputs>("numInputs"),
    CopiedField<&CVantrelDoc::numOutputs>("numOutputs"),
    CopiedField<&CVantrelDoc::speed>("speed"),
    CopiedField<&CVantrelDoc::backgroundColour>("background"),
};
constexpr FieldCopy<RemoteIoModule> kRemoteFields[] = {
    CopiedField<&RemoteIoModule::inputBits>("inputBits"),
    CopiedField<&RemoteIoModule::outputBits>("outputBits"),
    CopiedField<&RemoteIoModule::port>("port"),
    CopiedField<&RemoteIoModule::baud>("baud"),
    CopiedField<&RemoteIoModule::legacyCommands>("legacyCommands"),
};
constexpr FieldCopy<CustomRemoteModule> kModbusFields[] = {
    CopiedField<&CustomRemoteModule::registerCount>("registerCount"),
    CopiedField<&CustomRemoteModule::modbusAddress>("modbusAddress"),
    CopiedField<&CustomRemoteModule::registerType>("registerType"),
    CopiedField<&CustomRemoteModule::modbusCommand>("modbusCommand"),
    CopiedField<&CustomRemoteModule::registerAddress>("registerAddress"),
    CopiedField<&CustomRemoteModule::port>("port"),
    CopiedField<&CustomRemoteModule::baud>("baud"),
    CopiedField<&CustomRemoteModule::stopBits>("stopBits"),
};
constexpr FieldCopy<ComplexCommand> kCommandFields[] = {
    CopiedField<&ComplexCommand::name>("name"),
    CopiedField<&ComplexCommand::settings>("settings"),
};
constexpr FieldCopy<SimElement> kSimulationFields[] = {
    CopiedField<&SimElement::type>("type"),
    CopiedField<&SimElement::name>("name"),
    CopiedField<&SimElement::inputs>("inputs"),
    CopiedField<&SimElement::outputs>("outputs"),
};

template <class Item> bool Present(const Item&)
{
    return true;
}
template <class Object> bool Present(const std::unique_ptr<Object>& object)
{
    return object != nullptr;
}

// What a list item holds: the item itself, or the object it owns.
template <class Item> Item& Contents(Item& item)
{
    return item;
}
template <class Object> Object& Contents(std::unique_ptr<Object>& object)
{
    return *object;
}
template <class Item> const Item& SourceContents(const Item& item)
{
    return item;
}
template <class Object> const Object& SourceContents(const std::unique_ptr<Object>& object)
{
    return *object;
}

template <class Item> Item CopyOf(const Item& item)
{
    return item;
}
template <class Object> std::unique_ptr<Object> CopyOf(const std::unique_ptr<Object>& object)
{
    return std::make_unique<Object>(*object);
}
std::unique_ptr<PaintStuff> CopyOf(const std::unique_ptr<PaintStuff>& object)
{
    std::unique_ptr<PaintStuff> copy = object->Clone();
    // A clone leaves out the cached number of the second active state, but
    // the file stores it: the merged object keeps what its side saved.
    copy->active2Num = object->active2Num;
    return copy;
}

class DesignMerger
{
public:
    DesignMerger(const MergeSides& sides, CVantrelDoc& merged)
        : sides_(sides), ours_(sides.ours.document), theirs_(sides.theirs.document), merged_(merged)
    {}

    MergeConflicts Merge()
    {
        MergeConfiguration();
        ElementMerge elements = MergeElements(sides_, conflicts_);
        const std::int64_t nextId = GiveUniqueIds(elements.elements, NextIdAbove(elements));
        ClearBrokenReferences(elements.elements, sides_, conflicts_);
        SeparateCells(elements.elements, conflicts_);
        OrderLists(elements.elements, sides_, elements.kept, merged_, conflicts_);
        merged_.nextElementId =
            std::int32_t(std::min<std::int64_t>(nextId, std::numeric_limits<std::int32_t>::max()));
        merged_.designStamp = ours_.designStamp;
        merged_.paintObjects =
            MergeList<PaintStuff>("paint", ours_.paintObjects, theirs_.paintObjects, {});
        merged_.remoteIo.modules = MergeList<RemoteIoModule>(
            "remote", ours_.remoteIo.modules, theirs_.remoteIo.modules, kRemoteFields);
        merged_.remoteIo.customModules = MergeList<CustomRemoteModule>(
            "modbus", ours_.remoteIo.customModules, theirs_.remoteIo.customModules, kModbusFields);
        merged_.complexCommands = MergeList<ComplexCommand>(
            "command", ours_.complexCommands, theirs_.complexCommands, kCommandFields);
        merged_.simulationElements = MergeList<SimElement>(
            "simulation", ours_.simulationElements, theirs_.simulationElements, kSimulationFields);
        merged_.pageBackgrounds =
            MergeList<EncodedImage>("page", ours_.pageBackgrounds, theirs_.pageBackgrounds, {});
        // A design always has a page, whatever both sides removed.
        if (merged_.pageBackgrounds.empty())
            merged_.pageBackgrounds.emplace_back();
        merged_.SetModified(true);
        return std::move(conflicts_);
    }

private:
    const DumpRecord* Only(const MergeSide& side, const char* section) const
    {
        const auto records = RecordsIn(side.records, section);
        return records.empty() ? nullptr : records.front();
    }

    void MergeConfiguration()
    {
        for (const FieldCopy<CVantrelDoc>& field : kConfigurationFields)
            field.copy(ours_, merged_);
        const DumpRecord* base = Only(sides_.base, "configuration");
        const DumpRecord* ours = Only(sides_.ours, "configuration");
        const DumpRecord* theirs = Only(sides_.theirs, "configuration");
        if (!base || !ours || !theirs)
            return;
        for (const FieldCopy<CVantrelDoc>& field : kConfigurationFields) {
            const std::string_view before = base->Value(field.name);
            const std::string_view now = ours->Value(field.name);
            const std::string_view after = theirs->Value(field.name);
            const MergePick pick = PickOf(before, now, after);
            if (pick == MergePick::Theirs)
                field.copy(theirs_, merged_);
            else if (pick == MergePick::Conflict)
                conflicts_.push_back(FieldConflict(*base, field.name, before, now, after));
        }
    }

    // Above every id the merge keeps and every next id a side had reached.
    std::int64_t NextIdAbove(const ElementMerge& elements) const
    {
        std::int64_t next = std::max(ours_.nextElementId, theirs_.nextElementId);
        for (const MergedElement& merged : elements.elements)
            next = std::max<std::int64_t>(next, std::int64_t(merged.element->id) + 1);
        return next;
    }

    template <class Record, class Item>
    std::vector<Item> MergeList(const char* section, const std::vector<Item>& ours,
                                const std::vector<Item>& theirs,
                                std::span<const FieldCopy<Record>> fields)
    {
        const std::vector<SequencePick> picks = MergeSequence(
            RecordsIn(sides_.base.records, section), RecordsIn(sides_.ours.records, section),
            RecordsIn(sides_.theirs.records, section), !fields.empty(), conflicts_);
        std::vector<Item> merged;
        for (const SequencePick& pick : picks) {
            const std::vector<Item>& source = pick.fromTheirs ? theirs : ours;
            if (pick.index >= source.size() || !Present(source[pick.index]))
                continue;
            Item item = CopyOf(source[pick.index]);
            for (const std::string& name : pick.theirsFields)
                for (const FieldCopy<Record>& field : fields)
                    if (name == field.name)
                        field.copy(SourceContents(theirs[*pick.theirsIndex]), Contents(item));
            merged.push_back(std::move(item));
        }
        return merged;
    }

    const MergeSides& sides_;
    const CVantrelDoc& ours_;
    const CVantrelDoc& theirs_;
    CVantrelDoc& merged_;
    MergeConflicts conflicts_;
};

std::int64_t FirstFreeId(std::initializer_list<const CVantrelDoc*> documents)
{
    std::int64_t first = 1;
    for (const CVantrelDoc* document : documents) {
        first = std::max<std::int64_t>(first, document->nextElementId);
        for (const ElementList& list : document->elements)
            for (const auto& element : list)
                if (element)
                    first = std::max<std::int64_t>(first, std::int64_t(element->id) + 1);
    }
    return first;
}

} // namespace

MergeConflicts MergeDesigns(const CVantrelDoc& base, const CVantrelDoc& ours, CVantrelDoc& theirs,
                            CVantrelDoc& merged)
{
    const std::vector<DumpRecord> baseRecords = DumpDesign(base);
    const std::vector<DumpRecord> oursRecords = DumpDesign(ours);
    std::vector<DumpRecord> theirsRecords = DumpDesign(theirs);
    const IdRenumbering newIds =
        CollidingAdditions({{base, baseRecords}, {ours, oursRecords}, {theirs, theirsRecords}},
                           FirstFreeId({&base, &ours, &theirs}));
    if (!newIds.empty()) {
        RenumberElements(theirs, newIds);
        for (const auto& [old, renumbered] : newIds)
            theirs.nextElementId = std::int32_t(
                std::clamp<std::int64_t>(std::int64_t(renumbered) + 1, theirs.nextElementId,
                                         std::numeric_limits<std::int32_t>::max()));
        theirsRecords = DumpDesign(theirs);
    }
    return DesignMerger({{base, baseRecords}, {ours, oursRecords}, {theirs, theirsRecords}}, merged)
        .Merge();
}

} // namespace vantrel
