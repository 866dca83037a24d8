#pragma once

#include "compare/dump_record.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace vantrel {

class JsonWriter;

struct FieldChange
{
    std::string name;
    std::string before;
    std::string after;
};

// One difference between two designs. Elements are matched by id, every
// other section by aligning its list.
struct DesignChange
{
    enum class Kind
    {
        Added,
        Removed,
        Changed,
        // The order of an element list changed (section "list", keyed by
        // the list's name): `fields` holds one field "elements" with the ids
        // that changed places.
        Reordered,
    };

    Kind kind = Kind::Changed;
    std::string section;
    std::string key;
    // The element's or paint object's class, when the record has one.
    std::string label;
    // Added: every field in `after`; removed: every field in `before`;
    // changed: the fields that differ.
    std::vector<FieldChange> fields;

    // What happened, in words: "added", "removed", "reordered", or for a
    // change "moved" (cell), "rewired" (inputs) and "changed" (any other
    // field), as many as apply.
    std::vector<std::string> Aspects() const;
};

// The changes that turn the design dumped as `before` into `after`, in the
// order of the dump. Bookkeeping that follows from other changes (the next
// free id, an element's predecessor in its list) is not reported itself.
std::vector<DesignChange> DiffDumps(const std::vector<DumpRecord>& before,
                                    const std::vector<DumpRecord>& after);

// One line per change: "moved,rewired element 12 (LogAnd): cell 1,2 -> 3,2; ...".
void WriteDiffText(const std::vector<DesignChange>& changes, std::ostream& out);
// The members "equal" and "changes" of the writer's open object.
void WriteDiffJson(const std::vector<DesignChange>& changes, JsonWriter& json);

} // namespace vantrel
