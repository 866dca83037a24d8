#include "editing/clipboard_payload.h"

#include "archive/archive.h"
#include "document/edit_transaction.h"
#include "document/system_classes.h"
#include "document/vantrel_doc.h"
#include "editing/element_ids.h"
#include "editing/paint_group.h"
#include "editing/view_state.h"
#include "elements/element_kind.h"
#include "elements/element_kinds.h"
#include "elements/io_elements.h"
#include "paint/paint_kinds.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <limits>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace vantrel {

namespace {

using PastedLists = std::array<ElementList, kElementListCount>;
using PaintList = std::vector<std::unique_ptr<PaintStuff>>;

// Where the search for the pasted group's top-left cell starts: right of and
// below every cell the grid can show.
constexpr std::int64_t kFirstCorner = 2400;

void Report(CVantrelDoc& document, const std::u16string& text)
{
    document.GetNotifier().Message(text, kApplicationTitle, MessageButtons::Ok);
}

template <class T> void WriteList(CArchive& ar, const std::vector<T*>& objects)
{
    ar.WriteCountPrefix(objects.size());
    for (const T* object : objects)
        ar.WriteObjectRef(object);
}

bool IsIoElement(const std::unique_ptr<LogElement>& element)
{
    return IsKind<LogIO>(element.get());
}

// Ellipses and rectangles, filled or not, go beneath everything on the page;
// lines, curves and texts on top.
bool GoesBeneath(const PaintStuff& object)
{
    return object.KindRow().pastedBeneath;
}

// Reads the eight lists and checks that each holds only elements of its own
// list kind. Inputs, outputs and user I/O are dropped: they are never pasted.
PastedLists ReadLogicPayload(std::span<const std::uint8_t> payload)
{
    PastedLists lists;
    CArchive ar(LoadFrom, payload, SystemClasses());
    for (int kind = 0; kind < kElementListCount; ++kind) {
        ElementList& list = lists[std::size_t(kind)];
        ar.SerializeObjectList(list);
        std::erase(list, nullptr);
        for (const auto& element : list)
            if (element->ListKind() != kind)
                ar.Fail(ArchiveCause::BadClass);
        std::erase_if(list, IsIoElement);
    }
    return lists;
}

// The cell a coordinate moves to, or a failure when it leaves the grid's
// number range (only a damaged payload gets there).
std::int32_t Shifted(std::int32_t coordinate, std::int64_t shift)
{
    const std::int64_t moved = coordinate + shift;
    if (moved < std::numeric_limits<std::int32_t>::min() ||
        moved > std::numeric_limits<std::int32_t>::max())
        throw CArchiveException(ArchiveCause::BadIndex, {});
    return std::int32_t(moved);
}

// What a paste does with the ids the elements name other than their inputs.
enum class NamedIds
{
    Kept,   // the clipboard: as they were copied
    Follow, // a block: those of pasted elements follow them, the rest are kept
};

// New consecutive ids from the document's next id (the caller made sure
// there are enough), inputs wired only among the pasted elements, and the
// group's top-left cell one cell right of and below the view's top-left
// cell. Changes only the pasted elements.
std::int64_t Renumber(PastedLists& lists, std::int64_t nextId, Point origin, NamedIds named)
{
    std::unordered_map<std::int32_t, std::int32_t> newIds;
    std::int64_t next = nextId;
    std::int64_t left = kFirstCorner;
    std::int64_t top = kFirstCorner;
    for (ElementList& list : lists)
        for (auto& element : list) {
            newIds.insert_or_assign(element->id, std::int32_t(next));
            element->id = std::int32_t(next++);
            left = std::min<std::int64_t>(left, element->pos.x);
            top = std::min<std::int64_t>(top, element->pos.y);
        }
    for (ElementList& list : lists)
        for (auto& element : list) {
            for (int i = 0; i < element->InputCount(); ++i) {
                std::int32_t& input = element->inputs[std::size_t(i)];
                const auto found = input == 0 ? newIds.end() : newIds.find(input);
                input = found == newIds.end() ? 0 : found->second;
            }
            if (named == NamedIds::Follow)
                VisitElementIds(*element, [&](std::string_view field, std::int32_t& id) {
                    const auto found = field == "inputs" ? newIds.end() : newIds.find(id);
                    if (found != newIds.end())
                        id = found->second;
                });
            element->pos = {Shifted(element->pos.x, origin.x + 1 - left),
                            Shifted(element->pos.y, origin.y + 1 - top)};
        }
    return next;
}

bool PasteLogic(CVantrelDoc& document, ViewState& state, std::span<const std::uint8_t> payload,
                NamedIds named)
{
    PastedLists lists = ReadLogicPayload(payload);
    std::int64_t count = 0;
    for (const ElementList& list : lists)
        count += std::int64_t(list.size());
    if (!ElementIdsLeftFor(document, count))
        return false;
    const std::int64_t nextId = Renumber(lists, document.nextElementId, state.origin, named);
    state.logicSelection.clear();
    if (nextId == document.nextElementId)
        return false;
    // Everything that can fail (the clones, the room in the lists) is done
    // before the first pasted element enters the document.
    EditTransaction edit(document, UndoRecord::kAdded);
    for (std::size_t kind = 0; kind < lists.size(); ++kind) {
        ElementList& list = document.elements[kind];
        list.reserve(list.size() + lists[kind].size());
        for (std::size_t i = 0; i < lists[kind].size(); ++i)
            edit.RememberEntering(*lists[kind][i], list.size() + i);
    }
    // No test for occupied cells: a paste may cover elements already there.
    for (std::size_t kind = 0; kind < lists.size(); ++kind)
        for (auto& element : lists[kind]) {
            state.logicSelection.push_back(element.get());
            document.elements[kind].push_back(std::move(element));
        }
    document.nextElementId = nextId;
    edit.Commit();
    return true;
}

PaintList ReadPaintPayload(std::span<const std::uint8_t> payload)
{
    PaintList objects;
    CArchive ar(LoadFrom, payload, SystemClasses());
    ar.SerializeObjectList(objects);
    std::erase(objects, nullptr);
    return objects;
}

bool PastePaint(CVantrelDoc& document, ViewState& state, std::span<const std::uint8_t> payload)
{
    PaintList objects = ReadPaintPayload(payload);
    if (objects.empty())
        return false;
    std::vector<PaintStuff*> pasted;
    for (const auto& object : objects)
        pasted.push_back(object.get());
    // The group's centre lands on the centre of the page.
    const FPoint centre = PaintGroupCentre(pasted);
    PaintList beneath;
    PaintList above;
    for (auto& object : objects) {
        object->MoveBy(-centre.x, -centre.y);
        object->pageIndex = state.currentPage;
        (GoesBeneath(*object) ? beneath : above).push_back(std::move(object));
    }
    // Each figure in turn goes to the very front, so the last one ends first.
    std::reverse(beneath.begin(), beneath.end());
    beneath.reserve(beneath.size() + document.paintObjects.size() + above.size());
    EditTransaction edit(document, UndoRecord::kState);
    edit.RememberState(DesignState::kPaint);
    std::move(document.paintObjects.begin(), document.paintObjects.end(),
              std::back_inserter(beneath));
    std::move(above.begin(), above.end(), std::back_inserter(beneath));
    document.paintObjects = std::move(beneath);
    state.paintSelection = std::move(pasted);
    edit.Commit();
    return true;
}

// Runs a paste; a payload that cannot be read is told, and nothing is pasted.
template <class Paste> bool ReportedPaste(CVantrelDoc& document, const Paste& paste)
{
    try {
        return paste();
    } catch (const CArchiveException& failure) {
        Report(document, failure.Message());
    } catch (const std::exception&) {
        Report(document, u"The clipboard data could not be pasted.");
    }
    return false;
}

} // namespace

const char16_t* ClipboardFormat(const ViewState& state)
{
    return state.InDesign() ? kLogicDataFormat : kPaintDataFormat;
}

std::vector<std::uint8_t> LogicPayload(const CVantrelDoc& document,
                                       const std::vector<LogElement*>& selection)
{
    const std::unordered_set<const LogElement*> selected(selection.begin(), selection.end());
    std::vector<std::uint8_t> bytes;
    CArchive ar(StoreTo, bytes, SystemClasses());
    for (const ElementList& list : document.elements) {
        std::vector<const LogElement*> chosen;
        for (const auto& element : list)
            if (selected.contains(element.get()))
                chosen.push_back(element.get());
        WriteList(ar, chosen);
    }
    return bytes;
}

std::size_t PastedElementCount(std::span<const std::uint8_t> payload)
{
    std::size_t count = 0;
    for (const ElementList& list : ReadLogicPayload(payload))
        count += list.size();
    return count;
}

std::vector<std::uint8_t> PaintPayload(const std::vector<PaintStuff*>& selection)
{
    std::vector<std::uint8_t> bytes;
    CArchive ar(StoreTo, bytes, SystemClasses());
    WriteList(ar, selection);
    return bytes;
}

std::optional<std::vector<std::uint8_t>> CopySelection(CVantrelDoc& document,
                                                       const ViewState& state)
{
    try {
        if (state.InDesign())
            return state.logicSelection.empty()
                       ? std::nullopt
                       : std::optional(LogicPayload(document, state.logicSelection));
        return state.paintSelection.empty() ? std::nullopt
                                            : std::optional(PaintPayload(state.paintSelection));
    } catch (const CArchiveException& failure) {
        Report(document, failure.Message());
    } catch (const std::exception&) {
        Report(document, u"The selection could not be copied.");
    }
    return std::nullopt;
}

bool PastePayload(CVantrelDoc& document, ViewState& state, std::span<const std::uint8_t> payload)
{
    return ReportedPaste(document, [&] {
        return state.InDesign() ? PasteLogic(document, state, payload, NamedIds::Kept)
                                : PastePaint(document, state, payload);
    });
}

bool PasteBlockPayload(CVantrelDoc& document, ViewState& state,
                       std::span<const std::uint8_t> payload)
{
    return ReportedPaste(document,
                         [&] { return PasteLogic(document, state, payload, NamedIds::Follow); });
}

} // namespace vantrel
