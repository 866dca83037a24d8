#include "paint/paint_classes.h"

#include "archive/class_registry.h"
#include "paint/curve.h"
#include "paint/shapes.h"
#include "paint/text_stuff.h"

namespace vantrel {

void RegisterPaintClasses(ClassRegistry& registry)
{
    registry.Register<FPoint>();
    registry.Register<Line>();
    registry.Register<Circle>();
    registry.Register<Curve>();
    registry.Register<FilledCircle>();
    registry.Register<Square>();
    registry.Register<FilledSquare>();
    registry.Register<TextStuff>();
    registry.Register<FilledText>();
}

} // namespace vantrel
