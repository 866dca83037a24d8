// The undo history: records of element clones taken before each change.
#include "document/vantrel_doc.h"

namespace vantrel {

void CVantrelDoc::PushUndo(UndoRecord record)
{
    if (record.elements.empty())
        return;
    // Repeating an action on the same elements (an arrow key held down, two
    // inputs of one element connected in a row) keeps only the state before
    // the first of them.
    auto sameElements = [&](const UndoRecord& top) {
        if (top.kind != record.kind || top.elements.size() != record.elements.size())
            return false;
        for (std::size_t i = 0; i < top.elements.size(); ++i)
            if (top.elements[i]->id != record.elements[i]->id)
                return false;
        return true;
    };
    if (undoStack_.empty() || !sameElements(undoStack_.back())) {
        undoStack_.push_back(std::move(record));
        if (undoStack_.size() > kUndoLimit)
            undoStack_.pop_front();
    }
    redoStack_.clear();
    SetModified(true);
}

void CVantrelDoc::RestoreClone(const LogElement& clone, std::vector<LogElement*>& selection)
{
    std::unique_ptr<LogElement> copy = clone.Clone();
    // An element whose cell or id has been taken since stays out silently.
    if (FindAt(copy->pos) || FindById(copy->id, true, false, false))
        return;
    LogElement* restored = copy.get();
    elements[copy->ListKind()].push_back(std::move(copy));
    SetModified(true);
    selection.push_back(restored);
}

void CVantrelDoc::ApplyUndoRecord(UndoRecord& record, bool undoing,
                                  std::vector<LogElement*>& selection)
{
    for (auto& entry : record.elements) {
        const bool restore = (record.kind == UndoRecord::kDeleted) == undoing;
        if (record.kind == UndoRecord::kChanged) {
            std::unique_ptr<LogElement> copy = entry->Clone();
            LogElement* swapped = copy.get();
            if (std::unique_ptr<LogElement> old = ReplaceElement(std::move(copy))) {
                entry = std::move(old);
                selection.push_back(swapped);
            }
        } else if (restore) {
            RestoreClone(*entry, selection);
        } else {
            DeleteById(entry->id);
        }
    }
}

void CVantrelDoc::Undo(std::vector<LogElement*>& selection)
{
    UndoRecord record = std::move(undoStack_.back());
    undoStack_.pop_back();
    ApplyUndoRecord(record, true, selection);
    redoStack_.push_back(std::move(record));
    SetModified(true);
}

void CVantrelDoc::Redo(std::vector<LogElement*>& selection)
{
    UndoRecord record = std::move(redoStack_.back());
    redoStack_.pop_back();
    ApplyUndoRecord(record, false, selection);
    undoStack_.push_back(std::move(record));
    SetModified(true);
}

} // namespace vantrel
