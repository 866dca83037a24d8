#include "archive/json_writer.h"
#include "archive/text_codec.h"
#include "compare/design_diff.h"

#include <ostream>

namespace vantrel {

namespace {

std::string OrNone(const std::string& value)
{
    return value.empty() ? "(none)" : value;
}

std::string Joined(const std::vector<std::string>& words, const char* separator)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : separator) + word;
    return text;
}

std::string FieldsText(const DesignChange& change)
{
    std::vector<std::string> parts;
    for (const FieldChange& field : change.fields) {
        if (change.kind == DesignChange::Kind::Changed)
            parts.push_back(field.name + ' ' + OrNone(field.before) + " -> " + OrNone(field.after));
        else
            parts.push_back(field.name + '=' + (field.after.empty() ? field.before : field.after));
    }
    return Joined(parts, change.kind == DesignChange::Kind::Changed ? "; " : " ");
}

void WriteTextMember(JsonWriter& json, const char* name, const std::string& value)
{
    json.WriteString(name, FromUtf8(value));
}

} // namespace

void WriteDiffText(const std::vector<DesignChange>& changes, std::ostream& out)
{
    for (const DesignChange& change : changes) {
        out << Joined(change.Aspects(), ",") << ' ' << change.section;
        if (!change.key.empty())
            out << ' ' << change.key;
        if (!change.label.empty())
            out << " (" << change.label << ')';
        out << ": " << FieldsText(change) << '\n';
    }
}

void WriteDiffJson(const std::vector<DesignChange>& changes, JsonWriter& json)
{
    json.WriteBool("equal", changes.empty());
    json.BeginArray("changes");
    for (const DesignChange& change : changes) {
        json.BeginObject(JsonWriter::kArrayElement);
        json.BeginArray("change");
        for (const std::string& aspect : change.Aspects())
            json.WriteString(JsonWriter::kArrayElement, Ascii(aspect));
        json.End();
        WriteTextMember(json, "section", change.section);
        WriteTextMember(json, "key", change.key);
        if (!change.label.empty())
            WriteTextMember(json, "kind", change.label);
        json.BeginArray("fields");
        for (const FieldChange& field : change.fields) {
            json.BeginObject(JsonWriter::kArrayElement);
            WriteTextMember(json, "name", field.name);
            if (change.kind != DesignChange::Kind::Added &&
                change.kind != DesignChange::Kind::Reordered)
                WriteTextMember(json, "before", field.before);
            if (change.kind != DesignChange::Kind::Removed)
                WriteTextMember(json, "after", field.after);
            json.End();
        }
        json.End();
        json.End();
    }
    json.End();
}

} // namespace vantrel
