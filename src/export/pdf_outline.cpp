#include "export/pdf_outline.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <string_view>

namespace vantrel {

namespace {

// How deep the few structures read here may nest before the file counts as
// one this does not read: far deeper than any writer nests them.
constexpr int kDepthLimit = 32;
// The cross-reference sections followed back through earlier updates.
constexpr std::size_t kSectionLimit = 64;

constexpr std::size_t kNone = std::string_view::npos;

bool IsWhite(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

bool IsDelimiter(char c)
{
    return std::string_view("()<>[]{}/%").find(c) != kNone;
}

// Past white space and comments.
std::size_t SkipWhite(std::string_view text, std::size_t at)
{
    while (at < text.size()) {
        if (text[at] == '%') {
            while (at < text.size() && text[at] != '\n' && text[at] != '\r')
                ++at;
        } else if (IsWhite(text[at])) {
            ++at;
        } else {
            break;
        }
    }
    return at;
}

// The end of a regular token (a number, a keyword) starting at `at`.
std::size_t TokenEnd(std::string_view text, std::size_t at)
{
    while (at < text.size() && !IsWhite(text[at]) && !IsDelimiter(text[at]))
        ++at;
    return at;
}

bool IsInteger(std::string_view token)
{
    return !token.empty() &&
           std::all_of(token.begin(), token.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<long long> ParseInteger(std::string_view token)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size())
        return std::nullopt;
    return value;
}

std::size_t SkipObject(std::string_view text, std::size_t at, int depth);

// Past the members of a dictionary ("<<" already read) or an array ("[").
std::size_t SkipMembers(std::string_view text, std::size_t at, std::string_view close, int depth)
{
    while (true) {
        at = SkipWhite(text, at);
        if (at >= text.size())
            return kNone;
        if (text.substr(at, close.size()) == close)
            return at + close.size();
        at = SkipObject(text, at, depth + 1);
        if (at == kNone)
            return kNone;
    }
}

std::size_t SkipLiteralString(std::string_view text, std::size_t at)
{
    int open = 0;
    for (; at < text.size(); ++at) {
        if (text[at] == '\\')
            ++at;
        else if (text[at] == '(')
            ++open;
        else if (text[at] == ')' && --open == 0)
            return at + 1;
    }
    return kNone;
}

// A number, or a reference "12 0 R" when two numbers and R follow.
std::size_t SkipNumberOrReference(std::string_view text, std::size_t at)
{
    const std::size_t end = TokenEnd(text, at);
    if (!IsInteger(text.substr(at, end - at)))
        return end;
    const std::size_t generation = SkipWhite(text, end);
    const std::size_t generationEnd = TokenEnd(text, generation);
    if (!IsInteger(text.substr(generation, generationEnd - generation)))
        return end;
    const std::size_t r = SkipWhite(text, generationEnd);
    return TokenEnd(text, r) == r + 1 && text[r] == 'R' ? r + 1 : end;
}

// The end of the object starting at `at`; none when it is malformed.
std::size_t SkipObject(std::string_view text, std::size_t at, int depth)
{
    if (at >= text.size() || depth > kDepthLimit)
        return kNone;
    const std::string_view rest = text.substr(at);
    if (rest.starts_with("<<"))
        return SkipMembers(text, at + 2, ">>", depth);
    switch (text[at]) {
    case '[':
        return SkipMembers(text, at + 1, "]", depth);
    case '(':
        return SkipLiteralString(text, at);
    case '<': {
        const std::size_t close = text.find('>', at);
        return close == kNone ? kNone : close + 1;
    }
    case '/':
        return TokenEnd(text, at + 1);
    case ')':
    case '>':
    case ']':
    case '{':
    case '}':
        return kNone;
    default:
        break;
    }
    const std::size_t end = SkipNumberOrReference(text, at);
    return end == at ? kNone : end;
}

// The text of the object starting at `at` (white space skipped first).
std::optional<std::string_view> ObjectText(std::string_view text, std::size_t at)
{
    at = SkipWhite(text, at);
    const std::size_t end = SkipObject(text, at, 0);
    if (end == kNone)
        return std::nullopt;
    return text.substr(at, end - at);
}

struct Entry
{
    std::string_view key;
    std::string_view value;
};

// The entries of a dictionary's text; none when it is no dictionary.
std::optional<std::vector<Entry>> Entries(std::string_view dictionary)
{
    if (!dictionary.starts_with("<<"))
        return std::nullopt;
    std::vector<Entry> entries;
    std::size_t at = 2;
    while (true) {
        at = SkipWhite(dictionary, at);
        if (dictionary.substr(at).starts_with(">>"))
            return entries;
        const std::size_t keyEnd = SkipObject(dictionary, at, 1);
        if (keyEnd == kNone || dictionary[at] != '/')
            return std::nullopt;
        const std::size_t value = SkipWhite(dictionary, keyEnd);
        const std::size_t valueEnd = SkipObject(dictionary, value, 1);
        if (valueEnd == kNone)
            return std::nullopt;
        entries.push_back(
            {dictionary.substr(at, keyEnd - at), dictionary.substr(value, valueEnd - value)});
        at = valueEnd;
    }
}

std::optional<std::string_view> Value(std::string_view dictionary, std::string_view key)
{
    const auto entries = Entries(dictionary);
    if (!entries)
        return std::nullopt;
    for (const Entry& entry : *entries)
        if (entry.key == key)
            return entry.value;
    return std::nullopt;
}

struct Reference
{
    long long number = 0;
    long long generation = 0;
};

std::optional<Reference> ParseReference(std::string_view text)
{
    const std::size_t numberEnd = TokenEnd(text, 0);
    const std::size_t generation = SkipWhite(text, numberEnd);
    const std::size_t generationEnd = TokenEnd(text, generation);
    const auto number = ParseInteger(text.substr(0, numberEnd));
    const auto generationValue = ParseInteger(text.substr(generation, generationEnd - generation));
    if (!number || !generationValue || SkipWhite(text, generationEnd) != text.size() - 1 ||
        text.back() != 'R')
        return std::nullopt;
    return Reference{*number, *generationValue};
}

// The objects of an array of references; none when it holds anything else.
std::optional<std::vector<Reference>> References(std::string_view array)
{
    if (!array.starts_with("["))
        return std::nullopt;
    std::vector<Reference> references;
    std::size_t at = 1;
    while (true) {
        at = SkipWhite(array, at);
        if (at < array.size() && array[at] == ']')
            return references;
        const std::size_t end = SkipObject(array, at, 1);
        if (end == kNone)
            return std::nullopt;
        const auto reference = ParseReference(array.substr(at, end - at));
        if (!reference)
            return std::nullopt;
        references.push_back(*reference);
        at = end;
    }
}

// The file's objects as its cross-reference tables place them, and its
// newest trailer.
class PdfFile
{
public:
    explicit PdfFile(std::string_view file) : file_(file) {}

    // Reads the tables from the last one back; false when they are not
    // classic tables this can follow.
    bool ReadTables()
    {
        const std::size_t startxref = file_.rfind("startxref");
        if (startxref == kNone)
            return false;
        const std::size_t number = SkipWhite(file_, startxref + 9);
        auto offset = ParseInteger(file_.substr(number, TokenEnd(file_, number) - number));
        std::set<long long> read;
        while (offset) {
            if (*offset < 0 || std::size_t(*offset) >= file_.size() ||
                !read.insert(*offset).second || read.size() > kSectionLimit)
                return false;
            const auto trailer = ReadSection(std::size_t(*offset));
            if (!trailer)
                return false;
            if (read.size() == 1) {
                trailer_ = *trailer;
                lastTable_ = *offset;
            }
            const auto previous = Value(*trailer, "/Prev");
            offset = previous ? ParseInteger(*previous) : std::nullopt;
            if (previous && !offset)
                return false;
        }
        return true;
    }

    std::string_view Trailer() const { return trailer_; }
    long long LastTable() const { return lastTable_; }

    // The dictionary of an object; none when the tables do not place it or
    // it is no dictionary.
    std::optional<std::string_view> Dictionary(const Reference& reference) const
    {
        const auto place = places_.find(reference.number);
        if (place == places_.end() || place->second.generation != reference.generation)
            return std::nullopt;
        std::size_t at = SkipWhite(file_, place->second.offset);
        for (const std::string_view expected :
             {std::to_string(reference.number), std::to_string(reference.generation),
              std::string("obj")}) {
            const std::size_t end = TokenEnd(file_, at);
            if (file_.substr(at, end - at) != expected)
                return std::nullopt;
            at = SkipWhite(file_, end);
        }
        const auto text = ObjectText(file_, at);
        if (!text || !text->starts_with("<<"))
            return std::nullopt;
        return text;
    }

    // The pages in order, from the page tree under the catalogue.
    std::optional<std::vector<Reference>> Pages(std::string_view catalog) const
    {
        const auto root = Value(catalog, "/Pages");
        const auto reference = root ? ParseReference(*root) : std::nullopt;
        std::vector<Reference> pages;
        std::set<long long> visited;
        if (!reference || !CollectPages(*reference, pages, visited, 0))
            return std::nullopt;
        return pages;
    }

private:
    struct Place
    {
        std::size_t offset;
        long long generation;
    };

    // The entries of one cross-reference section, then its trailer. Entries
    // read before, from a newer section, stay.
    std::optional<std::string_view> ReadSection(std::size_t at)
    {
        if (!file_.substr(at).starts_with("xref"))
            return std::nullopt;
        at += 4;
        while (true) {
            at = SkipWhite(file_, at);
            if (file_.substr(at).starts_with("trailer"))
                return ObjectText(file_, at + 7);
            const auto first = NextInteger(at);
            const auto count = NextInteger(at);
            if (!first || !count || *first < 0 || *count < 0 ||
                std::size_t(*count) > (file_.size() - at) / 18)
                return std::nullopt;
            for (long long i = 0; i < *count; ++i) {
                const auto offset = NextInteger(at);
                const auto generation = NextInteger(at);
                at = SkipWhite(file_, at);
                if (!offset || !generation || at >= file_.size() ||
                    (file_[at] != 'n' && file_[at] != 'f'))
                    return std::nullopt;
                if (file_[at] == 'n')
                    places_.try_emplace(*first + i, Place{std::size_t(*offset), *generation});
                ++at;
            }
        }
    }

    std::optional<long long> NextInteger(std::size_t& at) const
    {
        at = SkipWhite(file_, at);
        const std::size_t end = TokenEnd(file_, at);
        const std::string_view token = file_.substr(at, end - at);
        at = end;
        return IsInteger(token) ? ParseInteger(token) : std::nullopt;
    }

    bool CollectPages(const Reference& node, std::vector<Reference>& pages,
                      std::set<long long>& visited, int depth) const
    {
        if (depth > kDepthLimit || !visited.insert(node.number).second)
            return false;
        const auto dictionary = Dictionary(node);
        const auto type = dictionary ? Value(*dictionary, "/Type") : std::nullopt;
        if (!type)
            return false;
        if (*type == "/Page") {
            pages.push_back(node);
            return true;
        }
        const auto kids = *type == "/Pages" ? Value(*dictionary, "/Kids") : std::nullopt;
        const auto references = kids ? References(*kids) : std::nullopt;
        if (!references)
            return false;
        for (const Reference& kid : *references)
            if (!CollectPages(kid, pages, visited, depth + 1))
                return false;
        return true;
    }

    std::string_view file_;
    std::map<long long, Place> places_;
    std::string_view trailer_;
    long long lastTable_ = 0;
};

// A text string of any characters: UTF-16BE with its byte order mark, in hex.
std::string TextString(const std::u16string& text)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex = "<FEFF";
    for (const char16_t unit : text)
        for (const int shift : {12, 8, 4, 0})
            hex += kDigits[(unit >> shift) & 0xF];
    return hex + ">";
}

std::string Ref(long long number, long long generation = 0)
{
    return std::to_string(number) + " " + std::to_string(generation) + " R";
}

// The outline's objects, numbered in the order they are written: the
// outline dictionary, then the entries depth first.
class OutlineWriter
{
public:
    OutlineWriter(const std::vector<Reference>& pages, long long firstNumber)
        : pages_(pages), root_(firstNumber), next_(firstNumber + 1)
    {}

    long long Root() const { return root_; }
    long long End() const { return next_; }

    // The objects' texts by number; false when an entry names a page the file lacks.
    bool Write(const std::vector<PdfOutlineItem>& items, std::map<long long, std::string>& objects)
    {
        const auto [first, last] = WriteLevel(items, root_, objects);
        if (failed_)
            return false;
        std::string root = "<<\n/Type /Outlines\n";
        if (first)
            root += "/First " + Ref(first) + "\n/Last " + Ref(last) + "\n/Count " +
                    std::to_string(items.size()) + "\n";
        objects[root_] = root + ">>";
        return true;
    }

private:
    // Writes the entries of one level below `parent`; their first and last numbers.
    std::pair<long long, long long> WriteLevel(const std::vector<PdfOutlineItem>& items,
                                               long long parent,
                                               std::map<long long, std::string>& objects)
    {
        std::vector<long long> numbers;
        for (const PdfOutlineItem& item : items) {
            numbers.push_back(next_++);
            if (item.page < 0 || std::size_t(item.page) >= pages_.size()) {
                failed_ = true;
                return {};
            }
            std::string text = "<<\n/Title " + TextString(item.title) + "\n/Parent " + Ref(parent) +
                               "\n/Dest [" +
                               Ref(pages_[std::size_t(item.page)].number,
                                   pages_[std::size_t(item.page)].generation) +
                               " /XYZ 0 " + std::to_string(item.top) + " 0]\n";
            const auto [first, last] = WriteLevel(item.children, numbers.back(), objects);
            if (first)
                // Closed: the count of its children, negative.
                text += "/First " + Ref(first) + "\n/Last " + Ref(last) + "\n/Count -" +
                        std::to_string(item.children.size()) + "\n";
            objects[numbers.back()] = std::move(text);
        }
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            std::string& text = objects[numbers[i]];
            if (i > 0)
                text += "/Prev " + Ref(numbers[i - 1]) + "\n";
            if (i + 1 < numbers.size())
                text += "/Next " + Ref(numbers[i + 1]) + "\n";
            text += ">>";
        }
        if (numbers.empty())
            return {0, 0};
        return {numbers.front(), numbers.back()};
    }

    const std::vector<Reference>& pages_;
    long long root_;
    long long next_;
    bool failed_ = false;
};

// The catalogue with the outline in it, whatever outline it named before.
std::optional<std::string> CatalogWithOutline(std::string_view catalog, long long outline)
{
    const auto entries = Entries(catalog);
    if (!entries)
        return std::nullopt;
    std::string text = "<<\n";
    for (const Entry& entry : *entries)
        if (entry.key != "/Outlines" && entry.key != "/PageMode")
            text.append(entry.key).append(" ").append(entry.value).append("\n");
    return text + "/Outlines " + Ref(outline) + "\n/PageMode /UseOutlines\n>>";
}

// A cross-reference entry: exactly 20 bytes.
std::string XrefEntry(std::size_t offset, long long generation)
{
    char entry[32];
    std::snprintf(entry, sizeof entry, "%010zu %05lld n \n", offset, generation);
    return entry;
}

} // namespace

bool AppendPdfOutline(std::vector<std::uint8_t>& pdf, const std::vector<PdfOutlineItem>& items)
{
    const std::string_view file(reinterpret_cast<const char*>(pdf.data()), pdf.size());
    PdfFile reader(file);
    if (!reader.ReadTables())
        return false;
    const auto size = Value(reader.Trailer(), "/Size");
    const long long firstNew = size ? ParseInteger(*size).value_or(0) : 0;
    const auto root = Value(reader.Trailer(), "/Root");
    const auto catalogReference = root ? ParseReference(*root) : std::nullopt;
    if (firstNew <= 0 || !catalogReference)
        return false;
    const auto catalog = reader.Dictionary(*catalogReference);
    const auto pages = catalog ? reader.Pages(*catalog) : std::nullopt;
    if (!pages)
        return false;

    std::map<long long, std::string> objects;
    OutlineWriter outline(*pages, firstNew);
    const auto newCatalog = CatalogWithOutline(*catalog, outline.Root());
    if (!newCatalog || !outline.Write(items, objects))
        return false;

    std::string update = file.ends_with("\n") ? "" : "\n";
    const std::size_t base = pdf.size();
    std::map<long long, std::size_t> offsets;
    const auto writeObject = [&](long long number, long long generation, const std::string& body) {
        offsets[number] = base + update.size();
        update += std::to_string(number) + " " + std::to_string(generation) + " obj\n" + body +
                  "\nendobj\n";
    };
    writeObject(catalogReference->number, catalogReference->generation, *newCatalog);
    for (const auto& [number, body] : objects)
        writeObject(number, 0, body);

    const std::size_t table = base + update.size();
    update += "xref\n" + std::to_string(catalogReference->number) + " 1\n" +
              XrefEntry(offsets[catalogReference->number], catalogReference->generation) +
              std::to_string(outline.Root()) + " " +
              std::to_string(outline.End() - outline.Root()) + "\n";
    for (long long number = outline.Root(); number < outline.End(); ++number)
        update += XrefEntry(offsets[number], 0);
    update += "trailer\n<<\n/Size " + std::to_string(outline.End()) + "\n/Root " +
              Ref(catalogReference->number, catalogReference->generation) + "\n";
    for (const std::string_view key : {"/Info", "/ID"})
        if (const auto value = Value(reader.Trailer(), key))
            update.append(key).append(" ").append(*value).append("\n");
    update += "/Prev " + std::to_string(reader.LastTable()) + "\n>>\nstartxref\n" +
              std::to_string(table) + "\n%%EOF\n";
    pdf.insert(pdf.end(), update.begin(), update.end());
    return true;
}

} // namespace vantrel
