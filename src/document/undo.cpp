// The undo history: records of element clones taken before each change.
#include "document/vantrel_doc.h"

#include <algorithm>
#include <unordered_set>

namespace vantrel {

void CVantrelDoc::PushUndo(UndoRecord record)
{
    if (record.IsEmpty())
        return;
    // Repeating an action on the same elements (an arrow key held down, two
    // inputs of one element connected in a row) keeps only the state before
    // the first of them.
    auto sameElements = [&](const UndoRecord& top) {
        if (top.kind != record.kind || top.elements.size() != record.elements.size() || top.state ||
            record.state)
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

// Undo and redo apply whole records at once: one pass to learn which cells
// and ids are taken, one change per element, and one rebuild of the derived
// state when the record is done (Undo and Redo mark the design modified).

// An undone deletion brings an element back only where its cell is still
// free of the elements outside the record; the record's own elements may
// share a cell, as they did when they were deleted (a paste or a move can
// put two on one cell). A redone addition needs only its ids: the cells were
// its own when it was first made, pasted groups on top of others included.
void CVantrelDoc::RestoreClones(const UndoRecord& record, bool keepCellsFree,
                                std::vector<LogElement*>& selection)
{
    auto cellKey = [](Point cell) {
        return (std::uint64_t(std::uint32_t(cell.x)) << 32) | std::uint32_t(cell.y);
    };
    std::unordered_set<std::uint64_t> takenCells;
    ElementIdSet takenIds;
    for (const ElementList& list : elements)
        for (const auto& element : list) {
            if (keepCellsFree)
                takenCells.insert(cellKey(element->pos));
            takenIds.insert(element->id);
        }
    for (const auto& entry : record.elements) {
        // An element whose cell or id has been taken since stays out silently.
        if (takenCells.contains(cellKey(entry->pos)) || takenIds.contains(entry->id))
            continue;
        std::unique_ptr<LogElement> copy = entry->Clone();
        takenIds.insert(copy->id);
        selection.push_back(copy.get());
        elements[copy->ListKind()].push_back(std::move(copy));
    }
}

void CVantrelDoc::SwapEntries(UndoRecord& record, std::vector<LogElement*>& selection)
{
    for (auto& entry : record.elements) {
        ElementList& list = elements[entry->ListKind()];
        const Location located = LocateById(entry->id);
        auto found = located.list == entry->ListKind()
                         ? list.begin() + located.position
                         : std::find_if(list.begin(), list.end(), [&](const auto& element) {
                               return element->id == entry->id;
                           });
        // With no element of that id the entry stays as it is.
        if (found == list.end())
            continue;
        std::unique_ptr<LogElement> copy = entry->Clone();
        selection.push_back(copy.get());
        std::swap(*found, copy);
        entry = std::move(copy);
    }
}

void CVantrelDoc::ApplyUndoRecord(UndoRecord& record, bool undoing,
                                  std::vector<LogElement*>& selection)
{
    if (record.state)
        record.state->SwapWith(*this);
    if (record.kind == UndoRecord::kState)
        return;
    if (record.kind == UndoRecord::kChanged) {
        SwapEntries(record, selection);
    } else if ((record.kind == UndoRecord::kDeleted) == undoing) {
        RestoreClones(record, undoing, selection);
    } else {
        std::vector<std::int32_t> ids;
        for (const auto& entry : record.elements)
            ids.push_back(entry->id);
        DeleteByIds(ids);
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
