#pragma once

#include "document/design_state.h"
#include "elements/log_element.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vantrel {

// One step of the undo history: independent clones of the elements an action
// touched, taken before the change, and the other parts of the design it
// changed (paint, background, configuration, list order), also as they were
// before. One step may add, delete and change elements together: each clone
// carries what happened to it.
struct UndoRecord
{
    enum Kind : std::int32_t
    {
        kAdded = 0,
        kDeleted = 1,
        kChanged = 2,
        // Only `state`: an edit outside the element lists.
        kState = 3,
    };

    // The action as a whole; repeating it on the same elements merges steps.
    Kind kind = kAdded;
    std::vector<std::shared_ptr<LogElement>> elements;
    std::shared_ptr<DesignState> state;
    // Where each of `elements` stood in its list: the place a deleted
    // element had, the place an added one took; -1, or no entry, where it is
    // not known. An element brought back returns there, as the order of the
    // main and register lists is the order the controller evaluates them in.
    std::vector<std::int32_t> positions = {};
    // What happened to each of `elements` (added, deleted or changed); where
    // there is no entry, `kind` tells.
    std::vector<Kind> entryKinds = {};

    Kind EntryKind(std::size_t i) const { return i < entryKinds.size() ? entryKinds[i] : kind; }

    bool IsEmpty() const { return elements.empty() && (!state || state->aspects == 0); }
};

} // namespace vantrel
