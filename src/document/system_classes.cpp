#include "document/system_classes.h"

#include "document/complex_command.h"
#include "elements/element_kinds.h"
#include "hardware/sim_element.h"
#include "paint/paint_kinds.h"

namespace vantrel {

namespace {

ClassRegistry BuildSystemClasses()
{
    ClassRegistry registry;
    RegisterElementClasses(registry);
    registry.Register<ComplexCommand>();
    registry.Register<SimElement>();
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
