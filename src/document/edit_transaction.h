#pragma once

#include "document/undo_record.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace vantrel {

class CVantrelDoc;
class LogElement;

// One edit of the design as the user makes it: begun with the kind of undo
// record it leaves, told about every element it touches, committed when
// done. Changed and deleted elements are remembered before the change, added
// elements are inserted through the transaction. Commit pushes the undo
// record (when it holds anything), marks the design modified and leaves the
// derived state (the loop set) to be rebuilt once, on its first use. An edit
// that is never committed leaves no undo record, so a caller commits every
// edit that changed the design.
class EditTransaction
{
public:
    EditTransaction(CVantrelDoc& document, UndoRecord::Kind kind);
    EditTransaction(const EditTransaction&) = delete;
    EditTransaction& operator=(const EditTransaction&) = delete;

    // Keeps a clone of the element as it is now, with its place in its list.
    void Remember(const LogElement& element);
    // Keeps a clone of an element about to enter its list at `position`.
    void RememberEntering(const LogElement& element, std::size_t position);
    // Keeps a copy of the design's parts named by `aspects` (DesignState::Aspect
    // flags) as they are now; call before changing them.
    void RememberState(unsigned aspects);
    // Inserts the element into its list unless its cell or id is taken, and
    // remembers it; false (and nothing remembered) when the document refused it.
    bool Insert(std::unique_ptr<LogElement> element);
    void Commit();

private:
    void Keep(const LogElement& element, std::int32_t position);

    CVantrelDoc& document_;
    UndoRecord record_;
    bool committed_ = false;
};

} // namespace vantrel
