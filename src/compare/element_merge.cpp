#include "compare/element_merge.h"

#include "compare/design_dump.h"
#include "document/vantrel_doc.h"
#include "elements/element_kinds.h"

#include <array>
#include <limits>
#include <tuple>

namespace vantrel {

namespace {

using Records = std::vector<const DumpRecord*>;
using PresentLists = std::array<std::vector<const LogElement*>, kElementListCount>;

// Each list's elements as the dump counts their positions.
PresentLists PresentElements(const CVantrelDoc& document)
{
    PresentLists lists;
    for (int list = 0; list < kElementListCount; ++list)
        for (const auto& element : document.elements[std::size_t(list)])
            if (element)
                lists[std::size_t(list)].push_back(element.get());
    return lists;
}

// Takes the field of that name (a field of the dump) over from an element
// of the same class.
void TakeField(std::string_view name, const LogElement& from, LogElement& to)
{
    if (name == "cell") {
        to.pos = from.pos;
        return;
    }
    if (const ElementKindRow* row = to.KindRow())
        for (const ElementField& field : row->fields)
            if (name == field.name)
                field.copy(from, to);
}

std::int32_t InputOf(const LogElement* element, int slot)
{
    return element && slot < element->InputCount() ? element->inputs[std::size_t(slot)] : 0;
}

// One element of each side, from its record.
struct Matched
{
    const DumpRecord* record = nullptr;
    const LogElement* element = nullptr;
};

class ElementMerger
{
public:
    ElementMerger(const MergeSides& sides, MergeConflicts& conflicts)
        : sides_(sides), conflicts_(conflicts), base_(PresentElements(sides.base.document)),
          ours_(PresentElements(sides.ours.document)),
          theirs_(PresentElements(sides.theirs.document))
    {}

    // Walks the three lists of element records, which the dump sorts by id
    // and occurrence, side by side.
    ElementMerge Merge()
    {
        const Records base = RecordsIn(sides_.base.records, "element");
        const Records ours = RecordsIn(sides_.ours.records, "element");
        const Records theirs = RecordsIn(sides_.theirs.records, "element");
        std::size_t b = 0;
        std::size_t o = 0;
        std::size_t t = 0;
        const auto identity = [](const DumpRecord* record) {
            return std::tuple(record->number, record->occurrence);
        };
        while (b < base.size() || o < ours.size() || t < theirs.size()) {
            auto least = std::tuple(std::numeric_limits<std::int64_t>::max(),
                                    std::numeric_limits<int>::max());
            for (const auto& [records, at] : {std::pair(&base, b), {&ours, o}, {&theirs, t}})
                if (at < records->size())
                    least = std::min(least, identity((*records)[at]));
            const auto take = [&](const Records& records, std::size_t& at,
                                  const PresentLists& lists) -> Matched {
                if (at == records.size() || identity(records[at]) != least)
                    return {};
                const DumpRecord* record = records[at++];
                return {record, ElementOf(*record, lists)};
            };
            const Matched inBase = take(base, b, base_);
            const Matched inOurs = take(ours, o, ours_);
            const Matched inTheirs = take(theirs, t, theirs_);
            MergeOne(inBase, inOurs, inTheirs);
        }
        return std::move(merge_);
    }

private:
    static const LogElement* ElementOf(const DumpRecord& record, const PresentLists& lists)
    {
        const std::optional<int> list = ElementListNamed(record.Value("list"));
        if (!list)
            return nullptr;
        const auto& elements = lists[std::size_t(*list)];
        const auto position = std::size_t(record.listPosition);
        return position < elements.size() ? elements[position] : nullptr;
    }

    void MergeOne(const Matched& base, const Matched& ours, const Matched& theirs)
    {
        if (!base.element) {
            MergeAdded(ours, theirs);
            return;
        }
        if (ours.element)
            merge_.kept.baseOurs.push_back({base.record, ours.record});
        if (theirs.element)
            merge_.kept.baseTheirs.push_back({base.record, theirs.record});
        if (!ours.element || !theirs.element) {
            MergeRemoved(base, ours, theirs);
            return;
        }
        merge_.kept.oursTheirs.push_back({ours.record, theirs.record});
        const bool oursChanged = !SameElementRecord(*base.record, *ours.record);
        const bool theirsChanged = !SameElementRecord(*base.record, *theirs.record);
        if (!theirsChanged || SameElementRecord(*ours.record, *theirs.record)) {
            Add(ours.element->Clone(), base, ours, theirs);
        } else if (!oursChanged) {
            MergedElement& added = Add(theirs.element->Clone(), base, ours, theirs);
            added.movedByTheirs = ours.element->pos != theirs.element->pos;
        } else if (ours.record->Value("kind") != theirs.record->Value("kind")) {
            Conflict(base, "kind", ours, theirs);
            Add(ours.element->Clone(), base, ours, theirs);
        } else {
            MergeFields(base, ours, theirs);
        }
    }

    // Not in the base: added on one side, or the same element on both.
    void MergeAdded(const Matched& ours, const Matched& theirs)
    {
        if (ours.element)
            Add(ours.element->Clone(), {}, ours,
                theirs.element && SameElementRecord(*ours.record, *theirs.record) ? theirs
                                                                                  : Matched{});
        if (theirs.element && (!ours.element || !SameElementRecord(*ours.record, *theirs.record)))
            Add(theirs.element->Clone(), {}, {}, theirs).addedByTheirs = true;
    }

    // Removed on one side at least: it goes, unless the other side changed it.
    void MergeRemoved(const Matched& base, const Matched& ours, const Matched& theirs)
    {
        if (ours.element && !SameElementRecord(*base.record, *ours.record)) {
            conflicts_.push_back(
                PresenceConflict(*base.record, ChangeWords(*base.record, *ours.record), "removed"));
            Add(ours.element->Clone(), base, ours, {});
        } else if (theirs.element && !SameElementRecord(*base.record, *theirs.record)) {
            conflicts_.push_back(PresenceConflict(*base.record, "removed",
                                                  ChangeWords(*base.record, *theirs.record)));
        }
    }

    // Both changed an element of one class: ours with each field that only
    // theirs changed.
    void MergeFields(const Matched& base, const Matched& ours, const Matched& theirs)
    {
        MergedElement& merged = Add(ours.element->Clone(), base, ours, theirs);
        for (const DumpField& field : ours.record->fields) {
            if (field.name == "after" || field.name == "kind" || field.name == "list")
                continue;
            if (field.name == "inputs") {
                MergeInputs(base, ours, theirs, *merged.element);
                continue;
            }
            const std::string_view before = base.record->Value(field.name);
            const std::string_view after = theirs.record->Value(field.name);
            switch (PickOf<std::string_view>(before, field.value, after)) {
            case MergePick::Ours:
                break;
            case MergePick::Theirs:
                TakeField(field.name, *theirs.element, *merged.element);
                merged.movedByTheirs = merged.movedByTheirs || field.name == "cell";
                break;
            case MergePick::Conflict:
                Conflict(base, field.name, ours, theirs);
                break;
            }
        }
    }

    // Input by input, so that two people may wire different pins of a gate.
    void MergeInputs(const Matched& base, const Matched& ours, const Matched& theirs,
                     LogElement& merged)
    {
        bool conflict = false;
        for (int slot = 0; slot < std::min(merged.InputCount(), kMaxInputs); ++slot) {
            const std::int32_t after = InputOf(theirs.element, slot);
            switch (PickOf(InputOf(base.element, slot), InputOf(ours.element, slot), after)) {
            case MergePick::Ours:
                break;
            case MergePick::Theirs:
                merged.inputs[std::size_t(slot)] = after;
                break;
            case MergePick::Conflict:
                conflict = true;
                break;
            }
        }
        if (conflict)
            Conflict(base, "inputs", ours, theirs);
    }

    void Conflict(const Matched& base, const std::string& field, const Matched& ours,
                  const Matched& theirs)
    {
        conflicts_.push_back(FieldConflict(*base.record, field, base.record->Value(field),
                                           ours.record->Value(field), theirs.record->Value(field)));
    }

    MergedElement& Add(std::unique_ptr<LogElement> element, const Matched& base,
                       const Matched& ours, const Matched& theirs)
    {
        MergedElement& merged = merge_.elements.emplace_back();
        merged.element = std::move(element);
        merged.base = base.element;
        merged.ours = ours.element;
        merged.theirs = theirs.element;
        return merged;
    }

    const MergeSides& sides_;
    MergeConflicts& conflicts_;
    const PresentLists base_;
    const PresentLists ours_;
    const PresentLists theirs_;
    ElementMerge merge_;
};

} // namespace

bool SameElementRecord(const DumpRecord& a, const DumpRecord& b)
{
    if (a.fields.size() != b.fields.size())
        return false;
    for (std::size_t i = 0; i < a.fields.size(); ++i)
        if (a.fields[i].name != "after" && a.fields[i] != b.fields[i])
            return false;
    return true;
}

ElementMerge MergeElements(const MergeSides& sides, MergeConflicts& conflicts)
{
    return ElementMerger(sides, conflicts).Merge();
}

} // namespace vantrel
