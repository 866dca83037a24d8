#pragma once

#include "elements/log_element.h"

#include <memory>

namespace vantrel {

// The parts every concrete element kind has in common: its class name (as
// entered in the class registry, from Derived::kClassName) and a Clone that
// copies the whole object. Base is the kind's parent in the element family.
template <class Derived, class Base = LogElement> class ElementKind : public Base
{
public:
    using Base::Base;

    const char* ClassName() const override { return Derived::kClassName; }
    std::unique_ptr<LogElement> Clone() const override
    {
        return std::make_unique<Derived>(static_cast<const Derived&>(*this));
    }
};

} // namespace vantrel
