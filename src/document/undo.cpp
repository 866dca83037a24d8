// The undo history: records of element clones taken before each change.
#include "document/vantrel_doc.h"

#include <algorithm>
#include <array>
#include <limits>
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

namespace {

// An element an undo or redo step brings back, and the place it had.
struct Returning
{
    std::int64_t position;
    std::unique_ptr<LogElement> element;
};

// Puts the elements back into the list at their places: the same as
// inserting them one by one in ascending order of place, each at its place
// (or at the end when the list has become shorter), in one pass.
void PutBack(ElementList& list, std::vector<Returning> returning)
{
    std::stable_sort(
        returning.begin(), returning.end(),
        [](const Returning& a, const Returning& b) { return a.position < b.position; });
    ElementList merged;
    merged.reserve(list.size() + returning.size());
    auto next = returning.begin();
    auto bringDue = [&] {
        for (; next != returning.end() && next->position <= std::int64_t(merged.size()); ++next)
            merged.push_back(std::move(next->element));
    };
    for (auto& element : list) {
        bringDue();
        merged.push_back(std::move(element));
    }
    for (; next != returning.end(); ++next)
        merged.push_back(std::move(next->element));
    list = std::move(merged);
}

} // namespace

// An undone deletion brings an element back only where its cell is still
// free of the elements outside the record; the record's own elements may
// share a cell, as they did when they were deleted (a paste or a move can
// put two on one cell). A redone addition needs only its ids: the cells were
// its own when it was first made, pasted groups on top of others included.
// Each element returns to the place in its list it had, so the evaluation
// order is the one before the step; one of unknown place goes to the end.
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
    std::array<std::vector<Returning>, kElementListCount> returning;
    for (std::size_t i = 0; i < record.elements.size(); ++i) {
        const auto& entry = record.elements[i];
        // An element whose cell or id has been taken since stays out silently.
        if (takenCells.contains(cellKey(entry->pos)) || takenIds.contains(entry->id))
            continue;
        std::unique_ptr<LogElement> copy = entry->Clone();
        takenIds.insert(copy->id);
        selection.push_back(copy.get());
        const std::int32_t position = i < record.positions.size() ? record.positions[i] : -1;
        returning[std::size_t(copy->ListKind())].push_back(
            {position < 0 ? std::numeric_limits<std::int64_t>::max() : position, std::move(copy)});
    }
    for (std::size_t list = 0; list < returning.size(); ++list)
        if (!returning[list].empty())
            PutBack(elements[list], std::move(returning[list]));
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
