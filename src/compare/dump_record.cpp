#include "compare/dump_record.h"

#include "archive/text_codec.h"
#include "graphics/colour.h"

#include <charconv>

namespace vantrel {

std::string_view DumpRecord::Value(std::string_view name) const
{
    for (const DumpField& field : fields)
        if (field.name == name)
            return field.value;
    return {};
}

std::string DumpRecord::Line() const
{
    std::string line = section;
    if (!key.empty())
        line += ' ' + key;
    for (const DumpField& field : fields)
        line += ' ' + field.name + '=' + field.value;
    return line;
}

void DumpFields::Raw(std::string_view name, std::string value)
{
    fields_.push_back({std::string(name), std::move(value)});
}

void DumpFields::Int(std::string_view name, std::int64_t value)
{
    Raw(name, std::to_string(value));
}

void DumpFields::Flag(std::string_view name, bool value)
{
    Raw(name, value ? "1" : "0");
}

void DumpFields::Real(std::string_view name, float value)
{
    Raw(name, RealText(value));
}

void DumpFields::Text(std::string_view name, std::u16string_view text)
{
    Raw(name, QuotedText(text));
}

void DumpFields::ColourValue(std::string_view name, std::uint32_t colour)
{
    Raw(name, ColourText(colour));
}

void DumpFields::Ids(std::string_view name, const std::vector<std::int32_t>& ids)
{
    std::string list;
    for (std::int32_t id : ids)
        list += (list.empty() ? "" : ",") + std::to_string(id);
    Raw(name, list.empty() ? "-" : list);
}

std::string RealText(float value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string ColourText(std::uint32_t colour)
{
    constexpr char kHex[] = "0123456789abcdef";
    std::string text = HexColour(colour);
    if (const std::uint32_t top = colour >> 24; top != 0) {
        text += '/';
        text += kHex[top >> 4];
        text += kHex[top & 0xF];
    }
    return text;
}

std::string QuotedText(std::u16string_view text)
{
    constexpr char kHex[] = "0123456789abcdef";
    std::string quoted = "\"";
    for (char character : ToUtf8(text)) {
        const auto byte = static_cast<unsigned char>(character);
        if (character == '"' || character == '\\') {
            quoted += '\\';
            quoted += character;
        } else if (character == '\n') {
            quoted += "\\n";
        } else if (byte < 0x20 || byte == 0x7F) {
            quoted += "\\x";
            quoted += kHex[byte >> 4];
            quoted += kHex[byte & 0xF];
        } else {
            quoted += character;
        }
    }
    return quoted + '"';
}

} // namespace vantrel
