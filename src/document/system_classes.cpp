#include "document/system_classes.h"

#include "elements/big_gates.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "elements/log_element.h"
#include "paint/paint_classes.h"

namespace vantrel {

namespace {

ClassRegistry BuildSystemClasses()
{
    ClassRegistry registry = ClassRegistry::WithSystemClassNames();
    registry.Register<LogElement>("LogElement");
    RegisterGateClasses(registry);
    RegisterBigGateClasses(registry);
    RegisterIoClasses(registry);
    RegisterPaintClasses(registry);
    return registry;
}

} // namespace

const ClassRegistry& SystemClasses()
{
    static const ClassRegistry registry = BuildSystemClasses();
    return registry;
}

} // namespace vantrel
