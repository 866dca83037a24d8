#pragma once

#include "elements/log_element.h"

#include <cstdint>
#include <functional>
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

// Handed each element id a field names; may change it in place.
using IdVisitor = std::function<void(std::int32_t& id)>;

// One stored field a kind adds to the element base: its name, how its value
// is handed to a sink and how it is taken over from another element.
struct ElementField
{
    const char* name;
    void (*show)(const LogElement& element, std::string_view name, ElementFieldSink& sink);
    // Gives `to` the value the field has in `from`; both are of the field's class.
    void (*copy)(const LogElement& from, LogElement& to);
    // For a field that names other elements by id: hands each of those ids
    // to the visitor. None for every other field.
    void (*visitIds)(LogElement& element, const IdVisitor& visit);
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

template <auto member> void CopyMember(const LogElement& from, LogElement& to)
{
    using Class = decltype(ClassOf(member));
    static_cast<Class&>(to).*member = static_cast<const Class&>(from).*member;
}

inline void VisitIds(std::int32_t& id, const IdVisitor& visit)
{
    visit(id);
}
inline void VisitIds(std::vector<std::int32_t>& ids, const IdVisitor& visit)
{
    for (std::int32_t& id : ids)
        visit(id);
}

template <auto member> void VisitMemberIds(LogElement& element, const IdVisitor& visit)
{
    using Class = decltype(ClassOf(member));
    VisitIds(static_cast<Class&>(element).*member, visit);
}

} // namespace element_fields

// The field `member` under the name `name`.
template <auto member> constexpr ElementField Field(const char* name)
{
    return {name, &element_fields::ShowMember<member>, &element_fields::CopyMember<member>,
            nullptr};
}

// The same for a field that holds the ids of other elements (one id or a
// list of them): a renumbering of the design follows it.
template <auto member> constexpr ElementField IdField(const char* name)
{
    return {name, &element_fields::ShowMember<member>, &element_fields::CopyMember<member>,
            &element_fields::VisitMemberIds<member>};
}

} // namespace vantrel
