#include "document/vantrel_doc.h"

#include "archive/text_codec.h"
#include "document/loop_finder.h"
#include "elements/log_indirect.h"

#include <algorithm>
#include <ctime>

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
    idIndex_.clear();
    pageBackgrounds.assign(1, Image{});
    undoStack_.clear();
    redoStack_.clear();
    loopSet_.clear();
    loopSetStale_ = false;
    remoteIo.Clear();
}

void CVantrelDoc::SetModified(bool modified)
{
    modified_ = modified;
    if (modified)
        loopSetStale_ = true;
}

bool CVantrelDoc::InsertElement(std::unique_ptr<LogElement> element)
{
    if (!element || FindAt(element->pos) || FindById(element->id))
        return false;
    const int list = element->ListKind();
    elements[list].push_back(std::move(element));
    SetModified(true);
    return true;
}

bool CVantrelDoc::DeleteById(std::int32_t id)
{
    for (ElementList& list : elements) {
        auto found = std::find_if(list.begin(), list.end(),
                                  [id](const auto& element) { return element->id == id; });
        if (found != list.end()) {
            list.erase(found);
            SetModified(true);
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
        SetModified(true);
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
    SetModified(true);
    return element;
}

LogElement* CVantrelDoc::ElementAt(Location location) const
{
    if (location.list < 0 || location.list >= kElementListCount || location.position < 0 ||
        std::size_t(location.position) >= elements[location.list].size())
        return nullptr;
    return elements[location.list][location.position].get();
}

CVantrelDoc::Location CVantrelDoc::LocateById(std::int32_t id) const
{
    // 0 is the id of "not connected", never of an element.
    if (id == 0)
        return {};
    if (auto cached = idIndex_.find(id); cached != idIndex_.end()) {
        LogElement* element = ElementAt(cached->second);
        if (element && element->id == id)
            return cached->second;
    }
    for (int list = 0; list < kElementListCount; ++list) {
        for (std::size_t i = 0; i < elements[list].size(); ++i) {
            if (elements[list][i]->id == id) {
                // Places have shifted since the index was filled: refresh all
                // of it at once rather than one miss at a time.
                RefreshIdIndex();
                return {list, int(i)};
            }
        }
    }
    return {};
}

void CVantrelDoc::RefreshIdIndex() const
{
    for (int list = 0; list < kElementListCount; ++list) {
        for (std::size_t i = 0; i < elements[list].size(); ++i) {
            const std::int32_t id = elements[list][i]->id;
            auto [entry, added] = idIndex_.try_emplace(id, Location{list, int(i)});
            LogElement* indexed = added ? nullptr : ElementAt(entry->second);
            if (!added && (!indexed || indexed->id != id))
                entry->second = {list, int(i)};
        }
    }
}

int CVantrelDoc::RequiredDesignVersion() const
{
    int version = std::max(2, remoteIo.RequiredRemoteVersion());
    for (const ElementList& list : elements)
        for (const auto& element : list)
            version = std::max(version, element->RequiredVersion());
    return version;
}

LogElement* CVantrelDoc::FindAt(Point cell) const
{
    for (const ElementList& list : elements)
        for (const auto& element : list)
            if (element->pos == cell)
                return element.get();
    return nullptr;
}

LogElement* CVantrelDoc::FindById(std::int32_t id) const
{
    return ElementAt(LocateById(id));
}

LogElement* CVantrelDoc::FindDirectById(std::int32_t id) const
{
    LogElement* element = FindById(id);
    return element && element->ListKind() != kIndirectList ? element : nullptr;
}

LogElement* CVantrelDoc::ResolveSource(std::int32_t id) const
{
    return ResolveIndirect(FindById(id), false);
}

LogElement* CVantrelDoc::ResolveSourceUpToBreaker(std::int32_t id) const
{
    return ResolveIndirect(FindById(id), true);
}

// Follows indirect elements to the element they stand for. A chain longer
// than the indirect list can only be a cycle of markers, which stands for
// nothing.
LogElement* CVantrelDoc::ResolveIndirect(LogElement* element, bool stopAtBreaker) const
{
    int depth = 0;
    while (element && element->ListKind() == kIndirectList) {
        if (depth++ > IndirectCount())
            return nullptr;
        if (stopAtBreaker && element->IsBreakingInput(0))
            return nullptr;
        auto* indirect = dynamic_cast<LogIndirect*>(element);
        if (!indirect)
            return nullptr;
        element = ElementAt(LocateById(indirect->SourceId()));
    }
    return element;
}

std::int32_t CVantrelDoc::EncodeIndex(std::int32_t id) const
{
    const Location location = LocateById(id);
    LogElement* element = ElementAt(location);
    if (element && location.list == kMainList)
        return location.position;
    if (element && location.list != kConstantList && location.list != kIndirectList) {
        int registerNumber = 0;
        for (int list : {kAccumulatorList, kNoOpList, kTimerList, kRegisterList}) {
            for (const auto& candidate : elements[list]) {
                if (candidate.get() == element)
                    return registerNumber;
                if (candidate->UsesRegister())
                    ++registerNumber;
            }
        }
    }
    if (element && location.list == kConstantList)
        return location.position | 0x100;
    if (element && location.list == kIndirectList) {
        LogElement* source = ResolveIndirect(element, false);
        if (source)
            return EncodeIndex(source->id);
    }
    notifier_->Message(u"There is an unconnected input.", u"Warning!", MessageButtons::Ok);
    return -1;
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

int CVantrelDoc::MonitorIndex(std::int32_t id) const
{
    std::vector<LogElement*> monitor;
    MonitorList(monitor);
    for (std::size_t i = 0; i < monitor.size(); ++i)
        if (monitor[i]->id == id)
            return int(i);
    return 0;
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
    if (loopSetStale_)
        RebuildLoopSet();
    return loopSet_;
}

void CVantrelDoc::RebuildLoopSet()
{
    loopSet_ = FindLoopElements(*this);
    loopSetStale_ = false;
}

} // namespace vantrel
