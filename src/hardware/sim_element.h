#pragma once

#include "archive/serializable.h"

namespace vantrel {

// An input stimulus of the simulation description.
class SimElement : public Serializable
{};

} // namespace vantrel
