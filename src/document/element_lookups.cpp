// The document's lookups by id: the id index, the resolution of indirect
// elements and the operand indices of the program image.
#include "document/lookup_memo.h"
#include "document/vantrel_doc.h"

#include "elements/log_indirect.h"

#include <unordered_set>

namespace vantrel {

namespace {

constexpr int kRegisterLists[] = {kAccumulatorList, kNoOpList, kTimerList, kRegisterList};

} // namespace

CVantrelDoc::FrozenLookups::FrozenLookups(const CVantrelDoc& document, IndexUse idIndex)
    : document_(document)
{
    if (document_.frozenScopes_++ > 0)
        return;
    if (idIndex == IndexUse::Refill || document_.idIndexFilledAt_ != document_.CurrentListsStamp())
        document_.RefreshIdIndex();
    document_.memo_ = std::make_unique<LookupMemo>();
}

CVantrelDoc::FrozenLookups::~FrozenLookups()
{
    if (--document_.frozenScopes_ == 0)
        document_.memo_.reset();
}

CVantrelDoc::Location CVantrelDoc::LocateById(std::int32_t id) const
{
    // 0 is the id of "not connected", never of an element.
    if (id == 0)
        return {};
    // Frozen, the index was refilled from the design as it is: it holds
    // exactly the ids present, at their places.
    if (memo_) {
        const Location* indexed = idIndex_.Find(id);
        return indexed ? *indexed : Location{};
    }
    if (const Location* cached = idIndex_.Find(id)) {
        LogElement* element = ElementAt(*cached);
        if (element && element->id == id)
            return *cached;
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
    std::size_t count = 0;
    for (const ElementList& list : elements)
        count += list.size();
    // A place that still holds an element of the id stays its place, even
    // when an element of the same id comes earlier.
    auto holds = [this](std::int32_t id, Location at) {
        const LogElement* element = ElementAt(at);
        return element && element->id == id;
    };
    // Every id is below the next one handed out, unless the lists were
    // filled directly; an id beyond it still finds its place, only slower.
    idIndex_.BeginRefill(count, nextElementId);
    std::vector<IdIndex::Entry> beyond;
    for (int list = 0; list < kElementListCount; ++list) {
        for (std::size_t i = 0; i < elements[list].size(); ++i) {
            const Location here{list, int(i)};
            const std::int32_t id = elements[list][i]->id;
            Location* slot = idIndex_.DirectSlot(id);
            if (!slot) {
                beyond.push_back({id, here});
                continue;
            }
            if (slot->list >= 0)
                continue; // met earlier in this walk
            const Location* before = idIndex_.Previous(id);
            *slot = before && (*before == here || holds(id, *before)) ? *before : here;
        }
    }
    idIndex_.ReplaceSparse(std::move(beyond), holds);
    idIndexFilledAt_ = CurrentListsStamp();
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

// Follows indirect elements to the element they stand for. A chain that
// comes back to an element it passed is a cycle of markers, which stands
// for nothing. While frozen, every element passed learns the outcome, so a
// long chain is walked once however many inputs read it.
LogElement* CVantrelDoc::ResolveIndirect(LogElement* element, bool stopAtBreaker) const
{
    // Most sources stand for themselves: no walk to prepare for them.
    if (!AsIndirect(element))
        return element;
    std::vector<const LogElement*> passed;
    std::unordered_set<const LogElement*> seen;
    LogElement* source = element;
    while (auto* indirect = AsIndirect(source)) {
        if (memo_) {
            if (auto found = memo_->resolved[stopAtBreaker ? 1 : 0].Find(source)) {
                source = memo_->sources[*found];
                break;
            }
        }
        if ((stopAtBreaker && source->IsBreakingInput(0)) || !seen.insert(source).second) {
            source = nullptr;
            break;
        }
        passed.push_back(source);
        source = FindById(indirect->SourceId());
    }
    if (memo_ && !passed.empty()) {
        // Every element passed was not known yet, or the walk would have
        // stopped there, and `seen` passed each of them once.
        const auto number = std::uint32_t(memo_->sources.size());
        memo_->sources.push_back(source);
        for (const LogElement* step : passed)
            memo_->resolved[stopAtBreaker ? 1 : 0].Add(step, number);
    }
    return source;
}

int CVantrelDoc::RegisterNumber(Location location) const
{
    if (memo_ && !memo_->registersNumbered) {
        int number = 0;
        for (int list : kRegisterLists) {
            std::vector<int>& numbers = memo_->registerNumbers[std::size_t(list)];
            numbers.reserve(elements[list].size());
            for (const auto& candidate : elements[list]) {
                numbers.push_back(number);
                number += candidate->UsesRegister() ? 1 : 0;
            }
        }
        memo_->registersNumbered = true;
    }
    if (memo_)
        return memo_->registerNumbers[std::size_t(location.list)][std::size_t(location.position)];
    int number = 0;
    for (int list : kRegisterLists) {
        for (std::size_t i = 0; i < elements[list].size(); ++i) {
            if (list == location.list && int(i) == location.position)
                return number;
            number += elements[list][i]->UsesRegister() ? 1 : 0;
        }
    }
    return number;
}

// The operand of the element with the id as the id index places it: its
// position in the main list, its register number or its constant number.
// Anything else (an element left in the indirect list, a comment) is no
// operand.
std::optional<std::int32_t> CVantrelDoc::OperandOf(std::int32_t id) const
{
    const Location location = LocateById(id);
    switch (location.list) {
    case kMainList:
        return location.position;
    case kConstantList:
        return location.position | 0x100;
    case kAccumulatorList:
    case kNoOpList:
    case kTimerList:
    case kRegisterList:
        return RegisterNumber(location);
    default:
        return std::nullopt;
    }
}

std::optional<std::int32_t> CVantrelDoc::OperandIndex(std::int32_t id) const
{
    const LogElement* source = ResolveSource(id);
    return source ? OperandOf(source->id) : std::nullopt;
}

std::int32_t CVantrelDoc::EncodeIndex(std::int32_t id) const
{
    if (const std::optional<std::int32_t> operand = OperandIndex(id))
        return *operand;
    notifier_->Message(u"There is an unconnected input.", u"Warning!", MessageButtons::Ok);
    return -1;
}

int CVantrelDoc::MonitorIndex(std::int32_t id) const
{
    std::vector<LogElement*> monitor;
    if (memo_ && !memo_->monitorIndexed) {
        MonitorList(monitor);
        for (std::size_t i = 0; i < monitor.size(); ++i)
            memo_->monitorIndexes.try_emplace(monitor[i]->id, int(i));
        memo_->monitorIndexed = true;
    }
    if (memo_) {
        auto found = memo_->monitorIndexes.find(id);
        return found != memo_->monitorIndexes.end() ? found->second : 0;
    }
    MonitorList(monitor);
    for (std::size_t i = 0; i < monitor.size(); ++i)
        if (monitor[i]->id == id)
            return int(i);
    return 0;
}

} // namespace vantrel
