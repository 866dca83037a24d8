#include "compare/design_diff.h"

#include "compare/element_order.h"
#include "compare/sequence_alignment.h"

#include <algorithm>
#include <tuple>

namespace vantrel {

namespace {

using Records = std::vector<const DumpRecord*>;

// Fields that change as a consequence of other changes.
bool IsBookkeeping(const std::string& section, const std::string& field)
{
    return (section == "design" && field == "nextId") || (section == "element" && field == "after");
}

std::vector<FieldChange> ChangedFields(const DumpRecord& before, const DumpRecord& after)
{
    std::vector<FieldChange> changes;
    for (const DumpField& field : before.fields) {
        if (IsBookkeeping(before.section, field.name))
            continue;
        const std::string_view now = after.Value(field.name);
        if (now != field.value)
            changes.push_back({field.name, field.value, std::string(now)});
    }
    for (const DumpField& field : after.fields)
        if (before.Value(field.name).empty() && !IsBookkeeping(after.section, field.name))
            changes.push_back({field.name, {}, field.value});
    return changes;
}

DesignChange WholeRecord(DesignChange::Kind kind, const DumpRecord& record)
{
    DesignChange change{kind, record.section, record.key, std::string(record.Value("kind")), {}};
    for (const DumpField& field : record.fields) {
        if (IsBookkeeping(record.section, field.name))
            continue;
        if (kind == DesignChange::Kind::Added)
            change.fields.push_back({field.name, {}, field.value});
        else
            change.fields.push_back({field.name, field.value, {}});
    }
    return change;
}

void AddIfChanged(const DumpRecord& before, const DumpRecord& after, std::string key,
                  std::vector<DesignChange>& out)
{
    std::vector<FieldChange> fields = ChangedFields(before, after);
    if (fields.empty())
        return;
    std::string label(after.Value("kind"));
    out.push_back({DesignChange::Kind::Changed, after.section, std::move(key), std::move(label),
                   std::move(fields)});
}

// Elements by id: both dumps list them by id and occurrence.
void DiffElements(const Records& before, const Records& after, std::vector<DesignChange>& out)
{
    const auto identity = [](const DumpRecord* record) {
        return std::tie(record->number, record->occurrence);
    };
    std::vector<ElementPair> kept;
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < before.size() || j < after.size()) {
        if (j == after.size() || (i < before.size() && identity(before[i]) < identity(after[j]))) {
            out.push_back(WholeRecord(DesignChange::Kind::Removed, *before[i++]));
        } else if (i == before.size() || identity(after[j]) < identity(before[i])) {
            out.push_back(WholeRecord(DesignChange::Kind::Added, *after[j++]));
        } else {
            kept.push_back({before[i], after[j]});
            AddIfChanged(*before[i], *after[j], after[j]->key, out);
            ++i;
            ++j;
        }
    }
    for (DesignChange& reorder : ReorderedLists(kept))
        out.push_back(std::move(reorder));
}

// Any other section: its records aligned in list order.
void DiffSequence(const Records& before, const Records& after, std::vector<DesignChange>& out)
{
    const auto equal = [&](std::size_t i, std::size_t j) {
        return before[i]->fields == after[j]->fields;
    };
    // Records of the same kind (paint objects of one class) are one record
    // changed; any two records of a section without kinds are.
    const auto similar = [&](std::size_t i, std::size_t j) {
        return before[i]->Value("kind") == after[j]->Value("kind");
    };
    for (const AlignedPair& pair : AlignSequences(before.size(), after.size(), equal, similar)) {
        if (!pair.after) {
            out.push_back(WholeRecord(DesignChange::Kind::Removed, *before[*pair.before]));
        } else if (!pair.before) {
            out.push_back(WholeRecord(DesignChange::Kind::Added, *after[*pair.after]));
        } else {
            const DumpRecord& old = *before[*pair.before];
            const DumpRecord& now = *after[*pair.after];
            AddIfChanged(old, now, old.key == now.key ? now.key : old.key + "->" + now.key, out);
        }
    }
}

// The sections in the order of their first appearance in either dump.
std::vector<std::string> Sections(const std::vector<DumpRecord>& before,
                                  const std::vector<DumpRecord>& after)
{
    std::vector<std::string> sections;
    for (const auto* records : {&before, &after})
        for (const DumpRecord& record : *records)
            if (std::find(sections.begin(), sections.end(), record.section) == sections.end())
                sections.push_back(record.section);
    return sections;
}

Records InSection(const std::vector<DumpRecord>& records, const std::string& section)
{
    Records chosen;
    for (const DumpRecord& record : records)
        if (record.section == section)
            chosen.push_back(&record);
    return chosen;
}

} // namespace

std::vector<std::string> DesignChange::Aspects() const
{
    switch (kind) {
    case Kind::Added:
        return {"added"};
    case Kind::Removed:
        return {"removed"};
    case Kind::Reordered:
        return {"reordered"};
    case Kind::Changed:
        break;
    }
    const bool element = section == "element";
    bool moved = false;
    bool rewired = false;
    bool other = false;
    for (const FieldChange& field : fields) {
        moved = moved || (element && field.name == "cell");
        rewired = rewired || (element && field.name == "inputs");
        other = other || !element || (field.name != "cell" && field.name != "inputs");
    }
    std::vector<std::string> aspects;
    if (moved)
        aspects.push_back("moved");
    if (rewired)
        aspects.push_back("rewired");
    if (other)
        aspects.push_back("changed");
    return aspects;
}

std::vector<DesignChange> DiffDumps(const std::vector<DumpRecord>& before,
                                    const std::vector<DumpRecord>& after)
{
    std::vector<DesignChange> changes;
    for (const std::string& section : Sections(before, after)) {
        const Records old = InSection(before, section);
        const Records now = InSection(after, section);
        if (section == "element")
            DiffElements(old, now, changes);
        else
            DiffSequence(old, now, changes);
    }
    return changes;
}

} // namespace vantrel
