#include "compare/merge_conflict.h"

#include "archive/json_writer.h"
#include "archive/text_codec.h"

#include <ostream>

namespace vantrel {

namespace {

// The place in a record's list an element keeps only as bookkeeping.
bool IsBookkeeping(const DumpField& field)
{
    return field.name == "after";
}

std::string OrNone(const std::string& value)
{
    return value.empty() ? "(none)" : value;
}

void WriteTextMember(JsonWriter& json, const char* name, const std::string& value)
{
    json.WriteString(name, FromUtf8(value));
}

} // namespace

MergeConflict FieldConflict(const DumpRecord& base, std::string field, std::string_view baseValue,
                            std::string_view ours, std::string_view theirs)
{
    return {base.section,
            base.key,
            std::string(base.Value("kind")),
            std::move(field),
            std::string(baseValue),
            std::string(ours),
            std::string(theirs),
            {}};
}

MergeConflict PresenceConflict(const DumpRecord& base, std::string ours, std::string theirs)
{
    return {base.section,      base.key,  std::string(base.Value("kind")),
            "presence",        "present", std::move(ours),
            std::move(theirs), {}};
}

std::string ChangeWords(const DumpRecord& before, const DumpRecord& after)
{
    std::string names;
    for (const DumpField& field : after.fields)
        if (!IsBookkeeping(field) && before.Value(field.name) != field.value)
            names += (names.empty() ? "" : ",") + field.name;
    return "changed " + names;
}

void WriteConflictsText(const MergeConflicts& conflicts, std::ostream& out)
{
    for (const MergeConflict& conflict : conflicts) {
        out << "conflict " << conflict.section;
        if (!conflict.key.empty())
            out << ' ' << conflict.key;
        if (!conflict.label.empty())
            out << " (" << conflict.label << ')';
        out << ' ' << conflict.field << ": base " << OrNone(conflict.base) << ", ours "
            << OrNone(conflict.ours) << ", theirs " << OrNone(conflict.theirs);
        if (!conflict.hint.empty())
            out << "; " << conflict.hint;
        out << '\n';
    }
}

void WriteConflictsJson(const MergeConflicts& conflicts, JsonWriter& json)
{
    json.WriteBool("clean", conflicts.empty());
    json.BeginArray("conflicts");
    for (const MergeConflict& conflict : conflicts) {
        json.BeginObject(JsonWriter::kArrayElement);
        WriteTextMember(json, "section", conflict.section);
        WriteTextMember(json, "key", conflict.key);
        if (!conflict.label.empty())
            WriteTextMember(json, "kind", conflict.label);
        WriteTextMember(json, "field", conflict.field);
        WriteTextMember(json, "base", conflict.base);
        WriteTextMember(json, "ours", conflict.ours);
        WriteTextMember(json, "theirs", conflict.theirs);
        if (!conflict.hint.empty())
            WriteTextMember(json, "hint", conflict.hint);
        json.End();
    }
    json.End();
}

} // namespace vantrel
