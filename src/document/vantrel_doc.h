#pragma once

#include "document/complex_command.h"
#include "document/element_id_hash.h"
#include "document/id_index.h"
#include "document/notifier.h"
#include "document/spatial_index.h"
#include "document/undo_record.h"
#include "elements/el_finder.h"
#include "elements/log_element.h"
#include "elements/number_kind.h"
#include "graphics/colour.h"
#include "graphics/encoded_image.h"
#include "graphics/image_codec.h"
#include "hardware/remote_io.h"
#include "hardware/sim_element.h"
#include "paint/paint_stuff.h"

#include <array>
#include <deque>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vantrel {

class CArchive;

using ElementList = std::vector<std::unique_ptr<LogElement>>;

class LogIO;

// What the number check finds wrong with one I/O element: a number outside
// its kind's range, or one that an element earlier in the list took
// (`holderId`).
enum class NumberFault
{
    OutOfRange,
    Taken,
};
struct NumberFinding
{
    const LogIO* element = nullptr;
    NumberFault fault = NumberFault::OutOfRange;
    std::int32_t holderId = 0;
};

// One logic design: every element, paint object, complex command, simulation
// element and hardware setting, plus the derived state that is never saved
// (id index, loop set, undo history). It answers the elements' lookups.
class CVantrelDoc : public ElFinder
{
public:
    static constexpr int kUserNumberCapacity = 2048;
    // The entries of a number table at the most: far above the numbers of
    // any real design, whatever limit a damaged file states.
    static constexpr int kNumberTableLimit = 1 << 16;
    static constexpr std::size_t kUndoLimit = 128;
    // The design file version written; every older one can be read.
    static constexpr std::int32_t kDesignVersion = 19;
    // Element ids run from 1 up to this one. An id is never handed out
    // twice, and the count never wraps.
    static constexpr std::int32_t kLargestElementId = std::numeric_limits<std::int32_t>::max();

    using Location = ElementLocation;

    // While one lives, the design must not change. Lookups then trust a
    // complete id index (an id missing from it is absent, without a scan of
    // the lists) and remember what indirect elements, register numbers and
    // monitor places come to, so that sorting, compiling and exporting take
    // linear time whatever the design holds. Scopes nest.
    class FrozenLookups
    {
    public:
        // How the outermost scope treats the id index: refilled from the
        // lists, or kept when the lists are as they were when it was last
        // filled (same change count and sizes), which a picture drawn again
        // and again relies on so as not to walk the whole design per frame.
        enum class IndexUse
        {
            Refill,
            KeepWhenUnchanged,
        };
        explicit FrozenLookups(const CVantrelDoc& document, IndexUse idIndex = IndexUse::Refill);
        ~FrozenLookups();
        FrozenLookups(const FrozenLookups&) = delete;
        FrozenLookups& operator=(const FrozenLookups&) = delete;

    private:
        const CVantrelDoc& document_;
    };

    explicit CVantrelDoc(Notifier* notifier = nullptr);
    ~CVantrelDoc() override;
    CVantrelDoc(const CVantrelDoc&) = delete;
    CVantrelDoc& operator=(const CVantrelDoc&) = delete;

    // Where the design's own messages go (number checks, load problems,
    // unconnected inputs). Not part of the design: a const document still
    // speaks through it.
    Notifier& GetNotifier() const { return *notifier_; }
    void SetNotifier(Notifier* notifier);

    // Stores or loads the whole design. Page images are stored in the given
    // format (PNG in design files, JPEG in the JSON export); loading decodes
    // whatever they hold, corrects the content of older versions and reports
    // inconsistencies through the notifier.
    void Serialize(CArchive& archive, const ImageCodec& codec, ImageFormat imageFormat);
    // Stores the design as Serialize does, but with `paint` and `commands`
    // in place of its paint objects and complex commands: the design as an
    // export corrected it, written without changing it.
    void StoreWith(CArchive& archive, const ImageCodec& codec, ImageFormat imageFormat,
                   const std::vector<std::unique_ptr<PaintStuff>>& paint,
                   const std::vector<std::unique_ptr<ComplexCommand>>& commands) const;

    // Back to a new design; the speed setting and background colour stay.
    void ResetDocument();
    // Exchanges the whole design with `other`'s: everything saved, the
    // derived state, the undo history and the modified mark. Each document
    // keeps its notifier. Neither may have its lookups frozen.
    void SwapDesign(CVantrelDoc& other);

    // Marks the design saved (false), which makes the current place in the
    // undo history the clean one, or modified (true). A modification also
    // leaves the derived state to be rebuilt on its next use; one made
    // outside an edit transaction or an undo step is in no undo record, so
    // no step of the history leads back to the saved design any more.
    void SetModified(bool modified);
    // False exactly when the design is as it was last saved (or opened):
    // undoing or redoing back to that place clears the mark again.
    bool IsModified() const { return modified_; }
    // Grows with every SetModified call, so that a watcher learns cheaply
    // whether the design may have changed since it last looked.
    std::uint64_t ChangeCount() const { return changeCount_; }

    // Appends the element to its list unless its cell or id is taken. The
    // user's edits go through an EditTransaction, which records the undo step.
    bool InsertElement(std::unique_ptr<LogElement> element);
    bool DeleteById(std::int32_t id);
    // DeleteById for each id in one pass over the lists: as many elements
    // with an id go as the id occurs. Returns how many went.
    std::size_t DeleteByIds(const std::vector<std::int32_t>& ids);
    // Puts the element in place of the one with its id in its list and hands
    // the replaced element back; none (and nothing changes) when absent.
    std::unique_ptr<LogElement> ReplaceElement(std::unique_ptr<LogElement> element);
    Location LocateById(std::int32_t id) const;
    LogElement* ElementAt(Location location) const;
    // The place of that very element in its list; -1 when it is not in the
    // document.
    std::int32_t PositionOf(const LogElement& element) const;

    // The controller version the design needs; the elements' part is
    // remembered until the design changes, since every frame shows it.
    int RequiredDesignVersion() const;
    // The elements on feedback loops, rebuilt first when the design changed
    // since the last time. RebuildLoopSet rebuilds it at once, for a caller
    // that changed the lists directly.
    const ElementIdSet& LoopSet();
    void RebuildLoopSet();
    // How many times the loop set was rebuilt: a full pass over the design,
    // so callers are checked not to force it more often than needed.
    std::size_t LoopSetRebuildCount() const { return loopSetRebuilds_; }

    // Checks the numbers of one kind of I/O element against `limit`, filling
    // `table` (number -> id of its element, -1 free) and reporting each
    // element out of range or with a number already taken; returns the limit
    // minus the number of elements checked.
    int CheckNumbers(NumberKind kind, std::vector<std::int32_t>& table, int limit);
    // The same into the shared number table, with the kind's own limit.
    int CheckNumbers(NumberKind kind);
    int NumberLimit(NumberKind kind) const;
    // number -> id of the last check into the shared table, for the dialogs.
    const std::vector<std::int32_t>& NumberTable() const { return numberTable_; }
    // The number check of one kind without its message boxes and without
    // touching the shared table: what it finds, in list order.
    std::vector<NumberFinding> NumberFindings(NumberKind kind) const;
    // The lowest user input or user output number not yet taken, -1 when all are.
    int FirstFreeNumber(NumberKind kind);

    // Records an action before it changes the design (see undo.cpp); edits
    // push their records through EditTransaction.
    void PushUndo(UndoRecord record);
    // Revert the top undo record / re-apply the top redo record; `selection`
    // receives the elements the step put back into the design. Neither may
    // be called on an empty stack.
    void Undo(std::vector<LogElement*>& selection);
    void Redo(std::vector<LogElement*>& selection);
    const std::deque<UndoRecord>& UndoStack() const { return undoStack_; }
    const std::deque<UndoRecord>& RedoStack() const { return redoStack_; }

    // EncodeIndex without its warning: none where the id does not resolve.
    std::optional<std::int32_t> OperandIndex(std::int32_t id) const;

    // The places of the elements whose cell lies in `cells`, in list order;
    // with their connections: also those one of whose connection lines may
    // run through the cells (its ends' cells span a box that meets them).
    // Both come from the spatial index, which the first use after a change
    // refills once.
    std::vector<Location> ElementsInCells(const CellBox& cells) const;
    std::vector<Location> ElementsWithConnectionsIn(const CellBox& cells) const;

    // ElFinder
    // The first element in list order at the cell: through the spatial index
    // when it is current, otherwise by a scan, so that a run of insertions,
    // each checking its cell, does not refill the index each time.
    LogElement* FindAt(Point cell) const override;
    LogElement* FindById(std::int32_t id) const override;
    LogElement* FindDirectById(std::int32_t id) const override;
    LogElement* ResolveSource(std::int32_t id) const override;
    LogElement* ResolveSourceUpToBreaker(std::int32_t id) const override;
    std::int32_t EncodeIndex(std::int32_t id) const override;
    LogElement* MainAt(int index) const override;
    int MainCount() const override;
    int IndirectCount() const override;
    LogElement* IndirectAt(int index) const override;
    int MonitorIndex(std::int32_t id) const override;
    void MonitorList(std::vector<LogElement*>& list) const override;
    std::u16string IoLabel(int number, bool isInput) const override;

    // The design.
    std::array<ElementList, kElementListCount> elements;
    std::vector<std::unique_ptr<ComplexCommand>> complexCommands;
    std::vector<std::unique_ptr<PaintStuff>> paintObjects;
    std::vector<std::unique_ptr<SimElement>> simulationElements;
    std::int32_t numInputs = 32;
    std::int32_t numOutputs = 32;
    std::int32_t userInputCapacity = kUserNumberCapacity;
    std::int32_t userOutputCapacity = kUserNumberCapacity;
    // The id the next new element receives: one past kLargestElementId once
    // the last id has been handed out, when no id is left.
    std::int64_t nextElementId = 1;
    // The next id as the design file stores it, which cannot be past the
    // largest id. (A design that has used up its ids stores the largest; an
    // element holds it unless it was deleted.)
    std::int32_t StoredNextElementId() const;
    // How many new element ids are left.
    std::int64_t ElementIdsLeft() const;
    // Hands out the next element id; none when no id is left.
    std::optional<std::int32_t> TakeElementId();
    // Raises the next id above every element's id (a design file may store
    // one that is not).
    void RaiseNextIdAboveIds();
    std::int32_t speed = 64;
    Colour backgroundColour = 0x00FFFFFF;
    // The pages' background images, held as the files they came as.
    std::vector<EncodedImage> pageBackgrounds{EncodedImage{}};
    RemoteIoConfiguration remoteIo;
    std::int32_t designStamp = 0;
    // The version of the design file last read into the document (the
    // current version for a new design); never saved.
    std::int32_t fileVersion = kDesignVersion;

private:
    void Load(CArchive& archive, const ImageCodec& codec);
    void SkipLegacyBackground(CArchive& archive);
    void StorePageBlock(CArchive& archive, const ImageCodec& codec, ImageFormat imageFormat) const;
    void ReadPageImages(CArchive& archive, const ImageCodec& codec, std::int32_t version);
    void DropNullEntries();
    void CorrectOldContent(std::int32_t version);
    void RehomeMisplacedElements();
    void CheckConsistency();
    // One of the load check's message boxes.
    void ReportLoadProblem(const char16_t* problem);
    // Rebuilds the loop set with the id index refilled or kept as given.
    void FindLoops(FrozenLookups::IndexUse idIndex);
    LogElement* ResolveIndirect(LogElement* element, bool stopAtBreaker) const;
    std::optional<std::int32_t> OperandOf(std::int32_t id) const;
    // The register of the element at `location`, one of the register lists.
    int RegisterNumber(Location location) const;
    // The number check itself: fills `table` as CheckNumbers describes and
    // hands each finding to `report`.
    int ScanNumbers(NumberKind kind, std::vector<std::int32_t>& table, int limit,
                    const std::function<void(const NumberFinding&)>& report) const;
    // Edit transactions open and close an edit, and roll back what they did.
    friend class EditTransaction;
    // Keeps an edit or undo step open while it lives: its changes are
    // recorded, so they leave the clean place of the history alone.
    class OpenEdit
    {
    public:
        explicit OpenEdit(CVantrelDoc& document) : document_(document) { ++document_.openEdits_; }
        ~OpenEdit() { --document_.openEdits_; }
        OpenEdit(const OpenEdit&) = delete;
        OpenEdit& operator=(const OpenEdit&) = delete;

    private:
        CVantrelDoc& document_;
    };
    // A change of the design: modified mark, derived state to rebuild, and
    // the clean place lost when no edit is open.
    void NoteChange();
    // The number of steps applied since the history began, counting those
    // dropped off its bottom: the place the clean index refers to.
    std::int64_t HistoryPlace() const { return droppedSteps_ + std::int64_t(undoStack_.size()); }
    // After an undo or redo step: modified unless the step led to the clean place.
    void MarkHistoryPlace();
    void UndoRecordOnto(UndoRecord& record, std::vector<LogElement*>& selection);
    void RedoRecordOnto(UndoRecord& record, std::vector<LogElement*>& selection);
    // Takes back an edit that was never committed: its record is undone and
    // the modified mark returns to `wasModified`.
    void RollBack(UndoRecord& record, bool wasModified);
    void RemoveEntries(const UndoRecord& record, UndoRecord::Kind kind);
    void RestoreClones(const UndoRecord& record, UndoRecord::Kind kind, bool keepCellsFree,
                       std::vector<LogElement*>& selection);
    void SwapEntries(UndoRecord& record, bool undoing, std::vector<LogElement*>& selection);
    // Points every index entry that is missing or stale at the first element
    // with its id.
    void RefreshIdIndex() const;
    ListsStamp CurrentListsStamp() const;
    bool SpatialIndexCurrent() const;
    // The spatial index, refilled first when the design changed since.
    const SpatialIndex& CurrentSpatialIndex() const;

    Notifier* notifier_;
    bool modified_ = false;
    std::uint64_t changeCount_ = 0;
    // A cache of where each id was last seen, refreshed by the lookups.
    mutable vantrel::IdIndex idIndex_;
    // The lists as they were when the id index was last filled.
    mutable std::optional<ListsStamp> idIndexFilledAt_;
    struct LookupMemo;
    // Present while lookups are frozen.
    mutable std::unique_ptr<LookupMemo> memo_;
    mutable int frozenScopes_ = 0;
    mutable SpatialIndex spatialIndex_;
    // The highest version the elements require, as of the stamp.
    mutable std::optional<std::pair<ListsStamp, int>> elementsVersion_;
    ElementIdSet loopSet_;
    bool loopSetStale_ = false;
    std::size_t loopSetRebuilds_ = 0;
    std::deque<UndoRecord> undoStack_;
    std::deque<UndoRecord> redoStack_;
    // Steps dropped off the bottom of the undo stack by its limit.
    std::int64_t droppedSteps_ = 0;
    // The HistoryPlace of the saved design; none once no step leads back to it.
    std::optional<std::int64_t> cleanPlace_ = 0;
    int openEdits_ = 0;
    std::vector<std::int32_t> numberTable_;
};

} // namespace vantrel
