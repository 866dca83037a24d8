#include "editing/paint_group.h"

#include "paint/paint_stuff.h"

#include <algorithm>

namespace vantrel {

FPoint PaintGroupCentre(std::span<PaintStuff* const> objects)
{
    float minX = 1.0f, maxX = -1.0f, minY = 1.0f, maxY = -1.0f;
    for (const PaintStuff* object : objects) {
        const FPoint low = object->TopLeft();
        const FPoint high = object->BottomRight();
        minX = std::min(minX, low.x);
        minY = std::min(minY, low.y);
        maxX = std::max(maxX, high.x);
        maxY = std::max(maxY, high.y);
    }
    return {(minX + maxX) * 0.5f, (minY + maxY) * 0.5f};
}

} // namespace vantrel
