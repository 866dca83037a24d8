#pragma once

#include "elements/log_element.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// Takes the stored fields of an element one by one (the design's text form).
class ElementFieldSink
{
public:
    virtual ~ElementFieldSink() = default;
    virtual void Int(std::string_view name, std::int64_t value) = 0;
    virtual void Flag(std::string_view name, bool value) = 0;
    virtual void Text(std::string_view name, std::u16string_view text) = 0;
    virtual void Ids(std::string_view name, const std::vector<std::int32_t>& ids) = 0;
};

// One stored field a kind adds to the element base: its name and how its
// value is handed to a sink.
struct ElementField
{
    const char* name;
    void (*show)(const LogElement& element, std::string_view name, ElementFieldSink& sink);
};

namespace element_fields {

inline void Show(ElementFieldSink& sink, std::string_view name, std::int32_t value)
{
    sink.Int(name, value);
}
inline void Show(ElementFieldSink& sink, std::string_view name, bool value)
{
    sink.Flag(name, value);
}
inline void Show(ElementFieldSink& sink, std::string_view name, const std::u16string& value)
{
    sink.Text(name, value);
}
inline void Show(ElementFieldSink& sink, std::string_view name,
                 const std::vector<std::int32_t>& value)
{
    sink.Ids(name, value);
}

template <class Class, class Value> Class ClassOf(Value Class::*);

// The field `member` of an element of the member's class (or a class derived
// from it: the tables list a field only for the classes that have it).
template <auto member>
void ShowMember(const LogElement& element, std::string_view name, ElementFieldSink& sink)
{
    using Class = decltype(ClassOf(member));
    Show(sink, name, static_cast<const Class&>(element).*member);
}

} // namespace element_fields

// The field `member` under the name `name`.
template <auto member> constexpr ElementField Field(const char* name)
{
    return {name, &element_fields::ShowMember<member>};
}

} // namespace vantrel
