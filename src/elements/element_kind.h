#pragma once

#include "elements/log_element.h"

#include <algorithm>
#include <array>
#include <memory>
#include <span>
#include <tuple>
#include <type_traits>

namespace vantrel {

// A class of the element family, identified by an address that is the same
// in every part of the program.
template <class Kind> inline constexpr char kKindTagOf = 0;
template <class Kind> constexpr KindTag TagOf()
{
    return &kKindTagOf<Kind>;
}

// The tags of a class and of every class it derives from, its own first.
template <class Kind> constexpr auto LineageOf()
{
    if constexpr (std::is_void_v<typename Kind::Parent>) {
        return std::array<KindTag, 1>{TagOf<Kind>()};
    } else {
        const auto parents = LineageOf<typename Kind::Parent>();
        std::array<KindTag, std::tuple_size_v<decltype(parents)> + 1> lineage{TagOf<Kind>()};
        std::copy(parents.begin(), parents.end(), lineage.begin() + 1);
        return lineage;
    }
}
template <class Kind> inline constexpr auto kLineageOf = LineageOf<Kind>();

// The row of the table of kinds that names the class; none for a class the
// table does not know (the stand-ins of the tests).
const ElementKindRow* FindElementClass(const char* className);

// The parts every concrete element kind has in common: its class name (as
// entered in the class registry, from Derived::kClassName), its place in the
// family and its row of the table of kinds, and a Clone that copies the whole
// object. Base is the kind's parent in the element family.
template <class Derived, class Base = LogElement> class ElementKind : public Base
{
public:
    using Parent = Base;
    using Base::Base;

    const char* ClassName() const override { return Derived::kClassName; }
    std::span<const KindTag> Lineage() const override { return kLineageOf<Derived>; }
    const ElementKindRow* KindRow() const override
    {
        // Looked up once per class: the lookups of hot paths cost a call.
        static const ElementKindRow* const row = FindElementClass(Derived::kClassName);
        return row;
    }
    std::unique_ptr<LogElement> Clone() const override
    {
        return std::make_unique<Derived>(static_cast<const Derived&>(*this));
    }
};

// Whether the element is of class Kind or of a class derived from it.
template <class Kind> bool IsKind(const LogElement* element)
{
    if (!element)
        return false;
    const std::span<const KindTag> lineage = element->Lineage();
    return std::find(lineage.begin(), lineage.end(), TagOf<Kind>()) != lineage.end();
}

// The element as a Kind, or none when it is of another class: what a
// dynamic_cast answers, without searching the run-time type information.
template <class Kind> const Kind* KindAs(const LogElement* element)
{
    return IsKind<Kind>(element) ? static_cast<const Kind*>(element) : nullptr;
}
template <class Kind> Kind* KindAs(LogElement* element)
{
    return IsKind<Kind>(element) ? static_cast<Kind*>(element) : nullptr;
}

} // namespace vantrel
