#include "export/io_name_sheet.h"

#include "archive/text_codec.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <map>
#include <string_view>

namespace vantrel {

namespace {

constexpr std::array<char16_t, 3> kSeparators = {u',', u'\t', u';'};

bool IsValidUtf8(std::span<const std::uint8_t> bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::uint8_t lead = bytes[i];
        std::size_t length = 1;
        if (lead >= 0xF0 && lead <= 0xF4)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC2 && lead < 0xE0)
            length = 2;
        else if (lead >= 0x80)
            return false;
        if (length > bytes.size() - i)
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((bytes[i + k] & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

std::u16string FromUtf16LittleEndian(std::span<const std::uint8_t> bytes)
{
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text.push_back(char16_t(bytes[i] | (bytes[i + 1] << 8)));
    return text;
}

// The sheet's text in whichever encoding it came in.
std::u16string DecodeSheet(std::span<const std::uint8_t> bytes)
{
    constexpr std::array<std::uint8_t, 3> kUtf8Mark = {0xEF, 0xBB, 0xBF};
    constexpr std::array<std::uint8_t, 2> kUtf16Mark = {0xFF, 0xFE};
    if (bytes.size() >= 2 && std::equal(kUtf16Mark.begin(), kUtf16Mark.end(), bytes.begin()))
        return FromUtf16LittleEndian(bytes.subspan(2));
    if (bytes.size() >= 3 && std::equal(kUtf8Mark.begin(), kUtf8Mark.end(), bytes.begin()))
        bytes = bytes.subspan(3);
    if (IsValidUtf8(bytes))
        return FromUtf8(
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    return FromCodePage(bytes);
}

std::u16string_view Trimmed(std::u16string_view text)
{
    const auto blank = [](char16_t c) { return c == u' ' || c == u'\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A field a spreadsheet quoted ("Valve ""A"", left") without its quotes;
// any other field as it stands, quotes inside it included, as the export
// writes names.
std::u16string Unquoted(std::u16string_view field)
{
    field = Trimmed(field);
    if (field.size() < 2 || field.front() != u'"' || field.back() != u'"')
        return std::u16string(field);
    std::u16string text;
    for (std::size_t i = 1; i + 1 < field.size(); ++i) {
        if (field[i] == u'"') {
            if (field[i + 1] != u'"' || i + 2 == field.size())
                return std::u16string(field); // a lone quote: not a quoted field
            ++i;
        }
        text.push_back(field[i]);
    }
    return text;
}

// The line cut into at most `count` fields at the separator; the last field
// keeps the rest of the line, separators included, as the export writes a
// name that holds one. A separator inside a quoted field does not cut it.
std::vector<std::u16string_view> Fields(std::u16string_view line, char16_t separator,
                                        std::size_t count)
{
    std::vector<std::u16string_view> fields;
    std::size_t start = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size() && fields.size() + 1 < count; ++i) {
        if (line[i] == u'"')
            quoted = !quoted;
        else if (line[i] == separator && !quoted) {
            fields.push_back(line.substr(start, i - start));
            start = i + 1;
        }
    }
    fields.push_back(line.substr(start));
    return fields;
}

bool SameWord(std::u16string_view field, std::u16string_view word)
{
    field = Trimmed(field);
    return std::equal(field.begin(), field.end(), word.begin(), word.end(),
                      [](char16_t a, char16_t b) {
                          return (a >= u'A' && a <= u'Z' ? a + (u'a' - u'A') : a) == b;
                      });
}

// The separator of the I/O list's header line "Number,Board,Pin,Name", or
// none when the line is no such header.
std::optional<char16_t> IoListHeaderSeparator(std::u16string_view line)
{
    for (const char16_t separator : kSeparators) {
        const std::vector<std::u16string_view> fields = Fields(line, separator, 5);
        if (fields.size() == 4 && SameWord(fields[0], u"number") && SameWord(fields[1], u"board") &&
            SameWord(fields[2], u"pin") && SameWord(fields[3], u"name"))
            return separator;
    }
    return std::nullopt;
}

std::optional<std::int32_t> WholeNumber(std::u16string_view field)
{
    const std::string digits = ToUtf8(Trimmed(field));
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || value < 1)
        return std::nullopt;
    return value;
}

bool HasDigit(std::u16string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

// How the lines of one sheet are cut: the number's field, the name's field
// and how many fields a line has.
struct SheetForm
{
    bool ioList;
    char16_t separator;
    std::size_t fieldCount;
    std::size_t nameField;
};

SheetForm FormOf(std::u16string_view firstLine)
{
    if (const std::optional<char16_t> separator = IoListHeaderSeparator(firstLine))
        return {true, *separator, 4, 3};
    const auto found = std::find_first_of(firstLine.begin(), firstLine.end(), kSeparators.begin(),
                                          kSeparators.end());
    return {false, found == firstLine.end() ? u',' : *found, 2, 1};
}

// A plain sheet's first line is a header when it names its columns in words.
bool IsPlainHeader(std::u16string_view line, const SheetForm& form)
{
    const std::u16string_view first = Fields(line, form.separator, form.fieldCount)[0];
    return !Trimmed(first).empty() && !HasDigit(first);
}

std::u16string MalformedText(const SheetForm& form)
{
    return form.ioList ? u"expected the number, board, pin and name of an I/O, separated as "
                         u"in the header line"
                       : u"expected an I/O number and a name";
}

class SheetReader
{
public:
    explicit SheetReader(IoNameSheet& sheet) : sheet_(sheet) {}

    void Read(std::u16string_view text)
    {
        int line = 0;
        std::optional<SheetForm> form;
        while (!text.empty()) {
            const std::size_t end = std::min(text.find(u'\n'), text.size());
            std::u16string_view content = text.substr(0, end);
            text.remove_prefix(std::min(end + 1, text.size()));
            ++line;
            if (!content.empty() && content.back() == u'\r')
                content.remove_suffix(1);
            if (Trimmed(content).empty())
                continue;
            if (!form) {
                form = FormOf(content);
                sheet_.ioListForm = form->ioList;
                if (form->ioList || IsPlainHeader(content, *form))
                    continue;
            }
            ReadRow(line, content, *form);
        }
    }

private:
    void ReadRow(int line, std::u16string_view content, const SheetForm& form)
    {
        const std::vector<std::u16string_view> fields =
            Fields(content, form.separator, form.fieldCount);
        if (fields.size() < form.fieldCount) {
            Problem(line, MalformedText(form));
            return;
        }
        const std::optional<std::int32_t> number = WholeNumber(fields[0]);
        if (!number) {
            Problem(line, u"\"" + std::u16string(Trimmed(fields[0])) +
                              u"\" is not an I/O number (a whole number from 1 up)");
            return;
        }
        std::u16string name = Unquoted(fields[form.nameField]);
        if (name.empty() || (form.ioList && name == u"empty"))
            return;
        const auto [earlier, first] = lines_.emplace(*number, line);
        if (!first) {
            Problem(line, u"number " + Decimal(*number) + u" was given a name already on line " +
                              Decimal(earlier->second));
            return;
        }
        sheet_.rows.push_back({line, *number, std::move(name)});
    }

    void Problem(int line, std::u16string text)
    {
        sheet_.problems.push_back({line, std::move(text)});
    }

    IoNameSheet& sheet_;
    std::map<std::int32_t, int> lines_; // number -> the line that named it
};

} // namespace

IoNameSheet ReadIoNameSheet(std::span<const std::uint8_t> bytes)
{
    IoNameSheet sheet;
    if (bytes.size() > kMaxIoNameSheetBytes) {
        sheet.unreadable = u"The file is larger than 16 MiB: it is no list of I/O names.";
        return sheet;
    }
    const std::u16string text = DecodeSheet(bytes);
    SheetReader(sheet).Read(text);
    return sheet;
}

std::optional<IoListType> IoListTypeOfFile(const std::filesystem::path& path)
{
    std::string stem = path.stem().string();
    std::transform(stem.begin(), stem.end(), stem.begin(), [](unsigned char c) {
        return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : char(c);
    });
    // The name runs up to the first character that is no letter.
    const auto letters =
        std::find_if(stem.begin(), stem.end(), [](unsigned char c) { return c < 'a' || c > 'z'; });
    return IoListTypeNamed(std::string_view(stem.data(), std::size_t(letters - stem.begin())));
}

} // namespace vantrel
