#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// One named value of the design's text form, already written as text.
struct DumpField
{
    std::string name;
    std::string value;
    friend bool operator==(const DumpField&, const DumpField&) = default;
};

// One line of the design's text form: a section ("element", "paint", ...),
// the key that identifies the record within it (an element's id, a paint
// object's position) and its fields in a fixed order.
struct DumpRecord
{
    std::string section;
    std::string key;
    // Elements: the id, and which of the records with that id this is (a
    // damaged design may hold an id twice). Other sections: the position.
    std::int64_t number = 0;
    int occurrence = 1;
    // Elements: the position in their list, which the text gives only as
    // the predecessor's id.
    std::int64_t listPosition = 0;
    std::vector<DumpField> fields;

    // The value of a field, empty when the record has none of that name.
    std::string_view Value(std::string_view name) const;
    // "section key name=value ...", without the line end.
    std::string Line() const;
};

// Collects the fields of a record, turning values into their text form: the
// same on every machine and in every locale.
class DumpFields
{
public:
    explicit DumpFields(std::vector<DumpField>& fields) : fields_(fields) {}

    void Int(std::string_view name, std::int64_t value);
    void Flag(std::string_view name, bool value);
    // Shortest text that reads back as the same float.
    void Real(std::string_view name, float value);
    void Text(std::string_view name, std::u16string_view text);
    void ColourValue(std::string_view name, std::uint32_t colour);
    void Ids(std::string_view name, const std::vector<std::int32_t>& ids);
    void Raw(std::string_view name, std::string value);

private:
    std::vector<DumpField>& fields_;
};

// A text in double quotes, UTF-8, with quotes, backslashes and control
// characters escaped, so that every value stays on its line.
std::string QuotedText(std::u16string_view text);
// Shortest decimal text that reads back as the same float.
std::string RealText(float value);
// "#rrggbb"; a colour whose unused top byte is set (a damaged or foreign
// file) gets it after a slash, "#rrggbb/xx", since the exports pass it on.
std::string ColourText(std::uint32_t colour);

} // namespace vantrel
