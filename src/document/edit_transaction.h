#pragma once

#include "document/undo_record.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace vantrel {

class CVantrelDoc;
class LogElement;

// One edit of the design as the user makes it: begun with the kind of undo
// record it leaves, told about every element it touches, committed when
// done. Changed and deleted elements are remembered before the change, added
// elements are inserted through the transaction (or remembered as they
// enter); one edit may add, delete and change elements together. Commit
// pushes the undo record (when it holds anything), marks the design
// modified and leaves the derived state (the loop set) to be rebuilt once,
// on its first use. An edit that is not committed, because it threw half
// way or its caller returned early, is rolled back when the transaction
// goes: the elements, their places in their lists and the remembered parts
// of the design are as they were when it began, and so is the modified mark.
class EditTransaction
{
public:
    EditTransaction(CVantrelDoc& document, UndoRecord::Kind kind);
    ~EditTransaction();
    EditTransaction(const EditTransaction&) = delete;
    EditTransaction& operator=(const EditTransaction&) = delete;

    // Keeps a clone of the element as it is now, with its place in its list,
    // as the kind of the transaction says: deleted in a deleting edit,
    // changed in any other.
    void Remember(const LogElement& element);
    // The same for an element this edit is about to change or to delete.
    void RememberChanging(const LogElement& element);
    void RememberRemoving(const LogElement& element);
    // Keeps a clone of an element about to enter its list at `position`.
    void RememberEntering(const LogElement& element, std::size_t position);
    // Keeps a copy of the design's parts named by `aspects` (DesignState::Aspect
    // flags) as they are now; call before changing them.
    void RememberState(unsigned aspects);
    // Notes that element list `list` has just been put in a new order, its
    // element i taken from place takenFrom[i].
    void RememberReordering(int list, const std::vector<std::size_t>& takenFrom);
    // Inserts the element into its list unless its cell or id is taken, and
    // remembers it; false (and nothing remembered) when the document refused it.
    bool Insert(std::unique_ptr<LogElement> element);
    void Commit();

private:
    void Keep(const LogElement& element, std::int32_t position, UndoRecord::Kind kind);
    DesignState& State();

    CVantrelDoc& document_;
    UndoRecord record_;
    bool wasModified_;
    // Until the commit the edit is open: its changes are in its record, so
    // the clean place of the undo history stays where it is.
    bool committed_ = false;
};

} // namespace vantrel
