#pragma once

#include "elements/log_element.h"

#include <memory>
#include <vector>

namespace vantrel {

// One step of the undo history: independent clones of the elements an action
// touched, taken before the change.
struct UndoRecord
{
    enum Kind : std::int32_t
    {
        kAdded = 0,
        kDeleted = 1,
        kChanged = 2,
    };

    Kind kind = kAdded;
    std::vector<std::shared_ptr<LogElement>> elements;
};

} // namespace vantrel
