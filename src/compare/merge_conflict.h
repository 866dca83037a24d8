#pragma once

#include "compare/dump_record.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// One item that both sides of a merge changed in different ways; the merged
// design keeps what ours has for it.
struct MergeConflict
{
    // Where, as the diff names it: the section ("element", "paint",
    // "configuration", "list", ...), the key within it (an element's id, a
    // position in the base design's list, a list's name) and the element's
    // or paint object's class.
    std::string section;
    std::string key;
    std::string label;
    // The field both sides changed; "presence" when one side removed the
    // item and the other changed it, "evaluation order" for a list.
    std::string field;
    std::string base;
    std::string ours;
    std::string theirs;
    // What to do about it, when there is more to it than checking the item.
    std::string hint;
};

// Whose value a merged field takes.
enum class MergePick
{
    Ours,
    Theirs,
    Conflict,
};

// The three-way rule for one value: a change made on one side only is
// taken, the same change on both sides once; different changes conflict.
template <class Value> MergePick PickOf(const Value& base, const Value& ours, const Value& theirs)
{
    if (ours == theirs || theirs == base)
        return MergePick::Ours;
    if (ours == base)
        return MergePick::Theirs;
    return MergePick::Conflict;
}

using MergeConflicts = std::vector<MergeConflict>;

// The conflict of a field both sides changed, on the item of the base
// design's record.
MergeConflict FieldConflict(const DumpRecord& base, std::string field, std::string_view baseValue,
                            std::string_view ours, std::string_view theirs);
// The conflict of an item one side removed and the other changed; the
// sides' values say what each did ("removed", ChangeWords).
MergeConflict PresenceConflict(const DumpRecord& base, std::string ours, std::string theirs);
// What changed between two records of one item: "changed name,cell".
std::string ChangeWords(const DumpRecord& before, const DumpRecord& after);

class JsonWriter;

// One line per conflict: "conflict element 12 (LogAnd) name: base "A",
// ours "B", theirs "C"", and the hint after a semicolon.
void WriteConflictsText(const MergeConflicts& conflicts, std::ostream& out);
// The members "clean" and "conflicts" of the writer's open object.
void WriteConflictsJson(const MergeConflicts& conflicts, JsonWriter& json);

} // namespace vantrel
