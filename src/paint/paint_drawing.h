#pragma once

// What the paint classes share when they draw themselves: their pens, the
// progress display's fraction, the three-tick cycle of the "Moving" style and
// the restoring of the caller's pen.

#include "graphics/surface.h"
#include "paint/paint_stuff.h"

#include <algorithm>
#include <optional>

namespace vantrel {

// The solid pen of the object's width in colour c.
inline Pen PenOf(const PaintStuff& object, Colour colour)
{
    return Pen::Solid(object.width, colour);
}

// Whether the object shows a progress display. A maximum of 0 or below has
// no fraction to show, so such an object draws as if it had none.
inline bool ShowsProgress(const PaintStuff& object)
{
    return object.hasProgress == 1 && object.progressMax > 0;
}

// The shown part of the progress display: min(value, progressMax) /
// progressMax (only for objects that ShowsProgress).
inline float ProgressFraction(const PaintStuff& object, int value)
{
    return float(std::min(value, object.progressMax)) / float(object.progressMax);
}

// Where the "Moving" pattern stands at a tick: it repeats every three ticks.
inline int TickPhase(int tick)
{
    return (tick % 3 + 3) % 3;
}

// A selected object of a style this program does not know draws nothing.
inline bool IsHiddenStyle(const PaintStuff& object, int state)
{
    return state != 0 && (object.style < PaintStuff::kSolid || object.style > PaintStuff::kMoving);
}

// Selects pens for the rest of a scope and gives the caller's pen back when
// the scope ends.
class PenScope
{
public:
    explicit PenScope(Surface& surface) : surface_(surface) {}
    ~PenScope()
    {
        if (previous_)
            surface_.SetPen(*previous_);
    }
    PenScope(const PenScope&) = delete;
    PenScope& operator=(const PenScope&) = delete;

    void Select(const Pen& pen)
    {
        Pen replaced = surface_.SetPen(pen);
        if (!previous_)
            previous_ = std::move(replaced);
    }

private:
    Surface& surface_;
    std::optional<Pen> previous_;
};

} // namespace vantrel
