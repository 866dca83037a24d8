#include "compare/design_comparison.h"

#include "compare/design_dump.h"

#include <charconv>
#include <string_view>
#include <unordered_map>

namespace vantrel {

namespace {

using RecordsByKey = std::unordered_map<std::string_view, const DumpRecord*>;

RecordsByKey ElementRecords(const std::vector<DumpRecord>& records)
{
    RecordsByKey byKey;
    for (const DumpRecord* record : RecordsIn(records, "element"))
        byKey.emplace(record->key, record);
    return byKey;
}

std::optional<std::int32_t> LeadingNumber(std::string_view text)
{
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data())
        return std::nullopt;
    return value;
}

// The cell of an element record, "x,y" as the dump writes it.
std::optional<Point> CellOf(const RecordsByKey& records, const std::string& key)
{
    const auto found = records.find(key);
    if (found == records.end())
        return std::nullopt;
    const std::string_view cell = found->second->Value("cell");
    const std::size_t comma = cell.find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    const auto x = LeadingNumber(cell.substr(0, comma));
    const auto y = LeadingNumber(cell.substr(comma + 1));
    if (!x || !y)
        return std::nullopt;
    return Point{*x, *y};
}

ElementDifference ElementDifferenceOf(const DesignChange& change, std::int32_t id,
                                      const RecordsByKey& before, const RecordsByKey& after)
{
    ElementDifference difference{change.kind, id, CellOf(before, change.key),
                                 CellOf(after, change.key)};
    if (change.kind != DesignChange::Kind::Changed)
        return difference;
    for (const std::string& aspect : change.Aspects()) {
        difference.moved = difference.moved || aspect == "moved";
        difference.rewired = difference.rewired || aspect == "rewired";
        difference.changed = difference.changed || aspect == "changed";
    }
    return difference;
}

// The paint objects the diff reports, paired as it pairs them: each record
// holds its position in the list from 1.
std::vector<PaintDifference> PaintDifferences(const std::vector<DumpRecord>& before,
                                              const std::vector<DumpRecord>& after)
{
    const std::vector<const DumpRecord*> old = RecordsIn(before, "paint");
    const std::vector<const DumpRecord*> now = RecordsIn(after, "paint");
    std::vector<PaintDifference> differences;
    for (const AlignedPair& pair : AlignRecords(old, now)) {
        PaintDifference difference;
        if (pair.before)
            difference.before = std::size_t(old[*pair.before]->number - 1);
        if (pair.after)
            difference.after = std::size_t(now[*pair.after]->number - 1);
        if (!pair.after)
            difference.kind = DesignChange::Kind::Removed;
        else if (!pair.before)
            difference.kind = DesignChange::Kind::Added;
        else if (old[*pair.before]->fields == now[*pair.after]->fields)
            continue;
        differences.push_back(difference);
    }
    return differences;
}

} // namespace

std::optional<std::int32_t> ChangedElementId(const DesignChange& change)
{
    if (change.section != "element")
        return std::nullopt;
    return LeadingNumber(change.key);
}

DesignComparison CompareDesigns(const CVantrelDoc& before, const CVantrelDoc& after)
{
    const std::vector<DumpRecord> old = DumpDesign(before);
    const std::vector<DumpRecord> now = DumpDesign(after);
    DesignComparison comparison{DiffDumps(old, now), {}, PaintDifferences(old, now)};
    const RecordsByKey oldElements = ElementRecords(old);
    const RecordsByKey newElements = ElementRecords(now);
    for (const DesignChange& change : comparison.changes) {
        const std::optional<std::int32_t> id = ChangedElementId(change);
        if (id && change.kind != DesignChange::Kind::Reordered)
            comparison.elements.push_back(
                ElementDifferenceOf(change, *id, oldElements, newElements));
    }
    return comparison;
}

} // namespace vantrel
