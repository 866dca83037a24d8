#include "document/vantrel_doc.h"

#include "archive/text_codec.h"
#include "document/lookup_memo.h"
#include "document/loop_finder.h"

#include <algorithm>
#include <ctime>
#include <utility>

namespace vantrel {

namespace {

SilentNotifier& DefaultNotifier()
{
    static SilentNotifier notifier;
    return notifier;
}

} // namespace

CVantrelDoc::CVantrelDoc(Notifier* notifier)
    : designStamp(std::int32_t(std::time(nullptr))),
      notifier_(notifier ? notifier : &DefaultNotifier())
{}

CVantrelDoc::~CVantrelDoc() = default;

void CVantrelDoc::SetNotifier(Notifier* notifier)
{
    notifier_ = notifier ? notifier : &DefaultNotifier();
}

void CVantrelDoc::ResetDocument()
{
    designStamp = std::int32_t(std::time(nullptr));
    fileVersion = kDesignVersion;
    nextElementId = 1;
    numOutputs = 32;
    numInputs = 32;
    for (ElementList& list : elements)
        list.clear();
    complexCommands.clear();
    paintObjects.clear();
    simulationElements.clear();
    idIndex_.Clear();
    idIndexFilledAt_.reset();
    pageBackgrounds.assign(1, EncodedImage{});
    undoStack_.clear();
    redoStack_.clear();
    droppedSteps_ = 0;
    // No history is left: the start of the new one is clean exactly when
    // the design is not marked modified.
    if (modified_)
        cleanPlace_.reset();
    else
        cleanPlace_ = 0;
    loopSet_.clear();
    loopSetStale_ = false;
    remoteIo.Clear();
}

void CVantrelDoc::SwapDesign(CVantrelDoc& other)
{
    using std::swap;
    swap(elements, other.elements);
    swap(complexCommands, other.complexCommands);
    swap(paintObjects, other.paintObjects);
    swap(simulationElements, other.simulationElements);
    swap(numInputs, other.numInputs);
    swap(numOutputs, other.numOutputs);
    swap(userInputCapacity, other.userInputCapacity);
    swap(userOutputCapacity, other.userOutputCapacity);
    swap(nextElementId, other.nextElementId);
    swap(speed, other.speed);
    swap(backgroundColour, other.backgroundColour);
    swap(pageBackgrounds, other.pageBackgrounds);
    swap(remoteIo, other.remoteIo);
    swap(designStamp, other.designStamp);
    swap(fileVersion, other.fileVersion);
    swap(modified_, other.modified_);
    swap(idIndex_, other.idIndex_);
    idIndexFilledAt_.reset();
    other.idIndexFilledAt_.reset();
    swap(loopSet_, other.loopSet_);
    swap(loopSetStale_, other.loopSetStale_);
    swap(undoStack_, other.undoStack_);
    swap(redoStack_, other.redoStack_);
    swap(droppedSteps_, other.droppedSteps_);
    swap(cleanPlace_, other.cleanPlace_);
    swap(numberTable_, other.numberTable_);
    // Both designs changed for whoever watches either.
    ++changeCount_;
    ++other.changeCount_;
}

void CVantrelDoc::SetModified(bool modified)
{
    if (modified) {
        NoteChange();
        return;
    }
    modified_ = false;
    cleanPlace_ = HistoryPlace();
    ++changeCount_;
}

void CVantrelDoc::NoteChange()
{
    modified_ = true;
    ++changeCount_;
    loopSetStale_ = true;
    if (openEdits_ == 0)
        cleanPlace_.reset();
}

bool CVantrelDoc::InsertElement(std::unique_ptr<LogElement> element)
{
    if (!element || FindAt(element->pos) || FindById(element->id))
        return false;
    const int list = element->ListKind();
    elements[list].push_back(std::move(element));
    NoteChange();
    return true;
}

bool CVantrelDoc::DeleteById(std::int32_t id)
{
    for (ElementList& list : elements) {
        auto found = std::find_if(list.begin(), list.end(),
                                  [id](const auto& element) { return element->id == id; });
        if (found != list.end()) {
            list.erase(found);
            NoteChange();
            return true;
        }
    }
    return false;
}

std::size_t CVantrelDoc::DeleteByIds(const std::vector<std::int32_t>& ids)
{
    std::unordered_map<std::int32_t, std::size_t, ElementIdHash> remaining;
    for (std::int32_t id : ids)
        ++remaining[id];
    std::size_t deleted = 0;
    for (ElementList& list : elements) {
        std::erase_if(list, [&](const auto& element) {
            auto found = remaining.find(element->id);
            if (found == remaining.end() || found->second == 0)
                return false;
            --found->second;
            ++deleted;
            return true;
        });
    }
    if (deleted > 0)
        NoteChange();
    return deleted;
}

std::unique_ptr<LogElement> CVantrelDoc::ReplaceElement(std::unique_ptr<LogElement> element)
{
    ElementList& list = elements[element->ListKind()];
    auto found = std::find_if(list.begin(), list.end(),
                              [&](const auto& old) { return old->id == element->id; });
    if (found == list.end())
        return nullptr;
    std::swap(*found, element);
    NoteChange();
    return element;
}

LogElement* CVantrelDoc::ElementAt(Location location) const
{
    if (location.list < 0 || location.list >= kElementListCount || location.position < 0 ||
        std::size_t(location.position) >= elements[location.list].size())
        return nullptr;
    return elements[location.list][location.position].get();
}

std::int32_t CVantrelDoc::PositionOf(const LogElement& element) const
{
    const Location located = LocateById(element.id);
    if (ElementAt(located) == &element)
        return located.position;
    // Another element of its id came first (only a damaged design has one).
    const ElementList& list = elements[element.ListKind()];
    const auto found = std::find_if(list.begin(), list.end(),
                                    [&](const auto& held) { return held.get() == &element; });
    return found == list.end() ? -1 : std::int32_t(found - list.begin());
}

int CVantrelDoc::RequiredDesignVersion() const
{
    const ListsStamp stamp = CurrentListsStamp();
    if (!elementsVersion_ || elementsVersion_->first != stamp) {
        int version = 0;
        for (const ElementList& list : elements)
            for (const auto& element : list)
                version = std::max(version, element->RequiredVersion());
        elementsVersion_.emplace(stamp, version);
    }
    return std::max({2, remoteIo.RequiredRemoteVersion(), elementsVersion_->second});
}

LogElement* CVantrelDoc::MainAt(int index) const
{
    return ElementAt({kMainList, index});
}

int CVantrelDoc::MainCount() const
{
    return int(elements[kMainList].size());
}

int CVantrelDoc::IndirectCount() const
{
    return int(elements[kIndirectList].size());
}

LogElement* CVantrelDoc::IndirectAt(int index) const
{
    return ElementAt({kIndirectList, index});
}

void CVantrelDoc::MonitorList(std::vector<LogElement*>& list) const
{
    list.clear();
    for (int kind : {kAccumulatorList, kNoOpList, kTimerList})
        for (const auto& element : elements[kind])
            list.push_back(element.get());
    for (const auto& element : elements[kRegisterList])
        if (element->ShowInMonitor())
            list.push_back(element.get());
}

std::u16string CVantrelDoc::IoLabel(int number, bool isInput) const
{
    return remoteIo.Label(number, isInput, isInput ? numInputs : numOutputs);
}

const ElementIdSet& CVantrelDoc::LoopSet()
{
    // Every change that leaves the loop set stale also moves the lists'
    // stamp on, so an id index filled since then is the design's.
    if (loopSetStale_)
        FindLoops(FrozenLookups::IndexUse::KeepWhenUnchanged);
    return loopSet_;
}

void CVantrelDoc::RebuildLoopSet()
{
    FindLoops(FrozenLookups::IndexUse::Refill);
}

void CVantrelDoc::FindLoops(FrozenLookups::IndexUse idIndex)
{
    const FrozenLookups frozen(*this, idIndex);
    loopSet_ = FindLoopElements(*this);
    loopSetStale_ = false;
    ++loopSetRebuilds_;
}

std::int32_t CVantrelDoc::StoredNextElementId() const
{
    return std::int32_t(std::min<std::int64_t>(nextElementId, kLargestElementId));
}

std::int64_t CVantrelDoc::ElementIdsLeft() const
{
    return std::max<std::int64_t>(0, std::int64_t(kLargestElementId) + 1 - nextElementId);
}

std::optional<std::int32_t> CVantrelDoc::TakeElementId()
{
    if (ElementIdsLeft() == 0)
        return std::nullopt;
    return std::int32_t(nextElementId++);
}

} // namespace vantrel
