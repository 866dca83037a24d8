#pragma once

#include "archive/serializable.h"

namespace vantrel {

// A named sequence of actions the controller runs on request.
class ComplexCommand : public Serializable
{};

} // namespace vantrel
