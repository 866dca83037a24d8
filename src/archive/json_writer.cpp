#include "archive/json_writer.h"

#include "archive/text_codec.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <locale>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>

namespace vantrel {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kBase64Alphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Characters with a short escape. Every other control character is written
// as a six-character hexadecimal escape, so the text is always a valid JSON
// string.
constexpr std::pair<char16_t, std::u16string_view> kShortEscapes[] = {
    {u'\\', u"\\\\"}, {u'/', u"\\/"},  {u'"', u"\\\""}, {u'\n', u"\\n"},
    {u'\r', u"\\r"},  {u'\f', u"\\f"}, {u'\t', u"\\t"}, {u'\b', u"\\b"},
};

void AppendEscaped(std::u16string& out, char16_t unit)
{
    for (const auto& [character, escape] : kShortEscapes) {
        if (unit == character) {
            out += escape;
            return;
        }
    }
    if (unit >= 0x20) {
        out += unit;
        return;
    }
    constexpr char16_t kHex[] = u"0123456789ABCDEF";
    out += u"\\u00";
    out += kHex[unit >> 4];
    out += kHex[unit & 0xF];
}

std::u16string Escaped(std::u16string_view text)
{
    std::u16string escaped;
    escaped.reserve(text.size());
    for (char16_t unit : text)
        AppendEscaped(escaped, unit);
    return escaped;
}

} // namespace

JsonWriter::JsonWriter(std::ostream& out) : out_(out)
{
    Put(kByteOrderMark);
    Put("{");
    containers_.push_back(Container::Object);
}

JsonWriter::JsonWriter(std::ostream& out, PlainArray) : out_(out)
{
    Put("[");
    containers_.push_back(Container::Array);
}

void JsonWriter::WriteKey(Name name)
{
    if (!first_)
        Put(",");
    first_ = false;
    if (!name)
        return;
    Put("\"");
    Put(*name);
    Put("\":");
}

void JsonWriter::Begin(Name name, Container container, char opening)
{
    WriteKey(name);
    out_.put(opening);
    containers_.push_back(container);
    first_ = true;
}

void JsonWriter::BeginObject(Name name)
{
    Begin(name, Container::Object, '{');
}

void JsonWriter::BeginArray(Name name)
{
    Begin(name, Container::Array, '[');
}

void JsonWriter::End()
{
    if (containers_.empty())
        throw std::logic_error("JsonWriter::End without an open container");
    out_.put(containers_.back() == Container::Object ? '}' : ']');
    containers_.pop_back();
    first_ = false;
}

void JsonWriter::WriteString(Name name, std::u16string_view text)
{
    WriteKey(name);
    Put("\"");
    Put(ToUtf8(Escaped(text)));
    Put("\"");
}

void JsonWriter::WriteInt(Name name, std::int64_t value)
{
    WriteKey(name);
    Put(std::to_string(value));
}

void JsonWriter::WriteBool(Name name, bool value)
{
    WriteKey(name);
    Put(value ? "true" : "false");
}

void JsonWriter::WriteReal(Name name, double value)
{
    WriteKey(name);
    // JSON has no form for infinities and NaN.
    if (!std::isfinite(value)) {
        Put("null");
        return;
    }
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << value;
    Put(text.str());
}

void JsonWriter::WriteColor(Name name, Colour colour)
{
    WriteKey(name);
    Put("\"" + HexColour(colour) + "\"");
}

void JsonWriter::WriteBase64(Name name, std::span<const std::uint8_t> bytes)
{
    WriteKey(name);
    Put("\"");
    // Encoded a block at a time: images and designs run to megabytes, and a
    // stream call per character costs more than the encoding.
    constexpr std::size_t kGroupsPerBlock = 1024;
    std::array<char, 4 * kGroupsPerBlock> block{};
    std::size_t filled = 0;
    const auto emit = [&](std::uint32_t group, int digits) {
        for (int k = 0; k < 4; ++k)
            block[filled++] = k < digits ? kBase64Alphabet[(group >> (18 - 6 * k)) & 0x3F] : '=';
        if (filled == block.size()) {
            out_.write(block.data(), std::streamsize(filled));
            filled = 0;
        }
    };
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3)
        emit((std::uint32_t(bytes[i]) << 16) | (std::uint32_t(bytes[i + 1]) << 8) | bytes[i + 2],
             4);
    const std::size_t rest = bytes.size() - i;
    if (rest > 0) {
        std::uint32_t group = std::uint32_t(bytes[i]) << 16;
        if (rest == 2)
            group |= std::uint32_t(bytes[i + 1]) << 8;
        emit(group, int(rest) + 1);
    }
    out_.write(block.data(), std::streamsize(filled));
    Put("\"");
}

} // namespace vantrel
