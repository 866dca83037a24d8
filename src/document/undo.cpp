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
            if (top.elements[i]->id != record.elements[i]->id ||
                top.EntryKind(i) != record.EntryKind(i))
                return false;
        return true;
    };
    const std::int64_t place = HistoryPlace();
    const bool merges = !undoStack_.empty() && sameElements(undoStack_.back());
    // The saved design is out of reach once it lay in the redo history,
    // which goes now, or when it is the state a merged step now goes past.
    if (cleanPlace_ && (*cleanPlace_ > place || (merges && *cleanPlace_ == place)))
        cleanPlace_.reset();
    if (!merges) {
        undoStack_.push_back(std::move(record));
        if (undoStack_.size() > kUndoLimit) {
            undoStack_.pop_front();
            ++droppedSteps_;
        }
    }
    redoStack_.clear();
    if (cleanPlace_ && *cleanPlace_ < droppedSteps_)
        cleanPlace_.reset();
    const OpenEdit recorded(*this);
    NoteChange();
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
void CVantrelDoc::RestoreClones(const UndoRecord& record, UndoRecord::Kind kind, bool keepCellsFree,
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
        if (record.EntryKind(i) != kind || takenCells.contains(cellKey(entry->pos)) ||
            takenIds.contains(entry->id))
            continue;
        std::unique_ptr<LogElement> copy = entry->Clone();
        takenIds.insert(copy->id);
        selection.push_back(copy.get());
        const std::int32_t position = i < record.positions.size() ? record.positions[i] : -1;
        returning[std::size_t(copy->ListKind())].push_back(
            {position < 0 ? std::numeric_limits<std::int64_t>::max() : position, std::move(copy)});
    }
    bool returned = false;
    for (std::size_t list = 0; list < returning.size(); ++list)
        if (!returning[list].empty()) {
            PutBack(elements[list], std::move(returning[list]));
            returned = true;
        }
    if (returned)
        NoteChange();
}

void CVantrelDoc::RemoveEntries(const UndoRecord& record, UndoRecord::Kind kind)
{
    std::vector<std::int32_t> ids;
    for (std::size_t i = 0; i < record.elements.size(); ++i)
        if (record.EntryKind(i) == kind)
            ids.push_back(record.elements[i]->id);
    if (!ids.empty())
        DeleteByIds(ids);
}

// An element remembered twice in one step (changed, then changed again)
// must end as the first clone holds it when undone, and as the last state
// when redone: undo swaps from the last entry back, redo from the first.
// The selection gets the elements in record order either way.
void CVantrelDoc::SwapEntries(UndoRecord& record, bool undoing, std::vector<LogElement*>& selection)
{
    const std::size_t selected = selection.size();
    const std::size_t count = record.elements.size();
    for (std::size_t step = 0; step < count; ++step) {
        const std::size_t i = undoing ? count - 1 - step : step;
        if (record.EntryKind(i) != UndoRecord::kChanged)
            continue;
        auto& entry = record.elements[i];
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
        NoteChange();
    }
    if (undoing)
        std::reverse(selection.begin() + std::ptrdiff_t(selected), selection.end());
}

// Undoing takes the steps of an edit back in the reverse order: the parts
// outside the element lists (a sort's order among them) first, then the
// elements; an element moved off a cell is back before a deleted one
// returns to that cell. Redoing runs the other way round.
void CVantrelDoc::UndoRecordOnto(UndoRecord& record, std::vector<LogElement*>& selection)
{
    if (record.state)
        record.state->SwapWith(*this);
    RemoveEntries(record, UndoRecord::kAdded);
    SwapEntries(record, true, selection);
    RestoreClones(record, UndoRecord::kDeleted, true, selection);
    NoteChange();
}

void CVantrelDoc::RedoRecordOnto(UndoRecord& record, std::vector<LogElement*>& selection)
{
    RemoveEntries(record, UndoRecord::kDeleted);
    SwapEntries(record, false, selection);
    RestoreClones(record, UndoRecord::kAdded, false, selection);
    if (record.state)
        record.state->SwapWith(*this);
    NoteChange();
}

void CVantrelDoc::MarkHistoryPlace()
{
    modified_ = cleanPlace_ != HistoryPlace();
    ++changeCount_;
}

void CVantrelDoc::Undo(std::vector<LogElement*>& selection)
{
    UndoRecord record = std::move(undoStack_.back());
    undoStack_.pop_back();
    {
        const OpenEdit step(*this);
        UndoRecordOnto(record, selection);
    }
    redoStack_.push_back(std::move(record));
    MarkHistoryPlace();
}

void CVantrelDoc::Redo(std::vector<LogElement*>& selection)
{
    UndoRecord record = std::move(redoStack_.back());
    redoStack_.pop_back();
    {
        const OpenEdit step(*this);
        RedoRecordOnto(record, selection);
    }
    undoStack_.push_back(std::move(record));
    MarkHistoryPlace();
}

void CVantrelDoc::RollBack(UndoRecord& record, bool wasModified)
{
    std::vector<LogElement*> returned;
    UndoRecordOnto(record, returned);
    modified_ = wasModified || cleanPlace_ != HistoryPlace();
    ++changeCount_;
}

} // namespace vantrel
