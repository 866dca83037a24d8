#pragma once

namespace vantrel {

// A named field of a record kept in a plain structure (a remote module, a
// complex command, the design's configuration), as the design's text form
// names it, and how a merge takes it from one record over to another.
template <class Record> struct FieldCopy
{
    const char* name;
    void (*copy)(const Record& from, Record& to);
};

namespace merge_fields {

template <class Record, class Value> Record OwnerOf(Value Record::*);

template <auto member> using Owner = decltype(OwnerOf(member));

template <auto member> void CopyMember(const Owner<member>& from, Owner<member>& to)
{
    to.*member = from.*member;
}

} // namespace merge_fields

// The field `member` under the name `name`.
template <auto member>
constexpr FieldCopy<merge_fields::Owner<member>> CopiedField(const char* name)
{
    return {name, &merge_fields::CopyMember<member>};
}

} // namespace vantrel
