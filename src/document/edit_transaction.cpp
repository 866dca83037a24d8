#include "document/edit_transaction.h"

#include "document/vantrel_doc.h"

namespace vantrel {

EditTransaction::EditTransaction(CVantrelDoc& document, UndoRecord::Kind kind)
    : document_(document), record_{kind, {}, {}}, wasModified_(document.IsModified())
{
    ++document_.openEdits_;
}

EditTransaction::~EditTransaction()
{
    if (committed_)
        return;
    // Nothing may escape a destructor; a rollback that cannot finish (memory
    // ran out while restoring) leaves what it managed to restore.
    try {
        document_.RollBack(record_, wasModified_);
    } catch (...) {
        document_.NoteChange();
    }
    --document_.openEdits_;
}

void EditTransaction::Remember(const LogElement& element)
{
    Keep(element, document_.PositionOf(element),
         record_.kind == UndoRecord::kDeleted ? UndoRecord::kDeleted : UndoRecord::kChanged);
}

void EditTransaction::RememberChanging(const LogElement& element)
{
    Keep(element, document_.PositionOf(element), UndoRecord::kChanged);
}

void EditTransaction::RememberRemoving(const LogElement& element)
{
    Keep(element, document_.PositionOf(element), UndoRecord::kDeleted);
}

void EditTransaction::RememberEntering(const LogElement& element, std::size_t position)
{
    Keep(element, std::int32_t(position), UndoRecord::kAdded);
}

void EditTransaction::Keep(const LogElement& element, std::int32_t position, UndoRecord::Kind kind)
{
    record_.elements.push_back(element.Clone());
    record_.positions.push_back(position);
    record_.entryKinds.push_back(kind);
}

DesignState& EditTransaction::State()
{
    if (!record_.state)
        record_.state = std::make_shared<DesignState>();
    return *record_.state;
}

void EditTransaction::RememberState(unsigned aspects)
{
    State().Keep(document_, aspects);
}

void EditTransaction::RememberReordering(int list, const std::vector<std::size_t>& takenFrom)
{
    State().KeepReordering(list, takenFrom);
}

bool EditTransaction::Insert(std::unique_ptr<LogElement> element)
{
    if (!element)
        return false;
    // The document appends the element to its list. It is remembered first,
    // so that no element is in the design that a rollback would not take out.
    RememberEntering(*element, document_.elements[element->ListKind()].size());
    if (document_.InsertElement(std::move(element)))
        return true;
    record_.elements.pop_back();
    record_.positions.pop_back();
    record_.entryKinds.pop_back();
    return false;
}

void EditTransaction::Commit()
{
    if (committed_)
        return;
    const bool recorded = !record_.IsEmpty();
    // A copy (the clones are shared): should the push fail, the record is
    // still here for the rollback.
    document_.PushUndo(record_);
    committed_ = true;
    record_ = {};
    --document_.openEdits_;
    // An edit that left no record still marks the design modified, and no
    // step of the history leads back past it.
    if (!recorded)
        document_.SetModified(true);
}

} // namespace vantrel
