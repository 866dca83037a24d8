#include "document/system_classes.h"

#include "document/complex_command.h"
#include "elements/big_gates.h"
#include "elements/comment.h"
#include "elements/comparators.h"
#include "elements/gates.h"
#include "elements/indirect_elements.h"
#include "elements/io_elements.h"
#include "elements/log_element.h"
#include "elements/numeric_elements.h"
#include "elements/timing_elements.h"
#include "elements/triggers.h"
#include "hardware/sim_element.h"
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
    RegisterTimingClasses(registry);
    RegisterTriggerClasses(registry);
    RegisterComparatorClasses(registry);
    RegisterNumericClasses(registry);
    RegisterIndirectClasses(registry);
    RegisterCommentClass(registry);
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
