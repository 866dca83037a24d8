#pragma once

#include "paint/fpoint.h"

#include <span>

namespace vantrel {

class PaintStuff;

// The centre of the box around a group of paint objects. The box starts as
// the page turned inside out (1 .. -1 on each axis), so a group that lies
// entirely on one side of the page keeps that page edge as one of its sides.
FPoint PaintGroupCentre(std::span<PaintStuff* const> objects);

} // namespace vantrel
