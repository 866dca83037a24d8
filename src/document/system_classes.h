#pragma once

#include "archive/class_registry.h"

namespace vantrel {

// The registry of every serializable class of the system, with factories for
// all classes built in. Design files, clipboard payloads and the JSON
// export's embedded design are read and written through it.
const ClassRegistry& SystemClasses();

} // namespace vantrel
