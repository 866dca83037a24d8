#pragma once

#include "archive/serializable.h"

namespace vantrel {

// Base of the decorative objects on the preview pages.
class PaintStuff : public Serializable
{};

} // namespace vantrel
