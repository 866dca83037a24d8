#include "compiler/autosort.h"

#include "archive/file_bytes.h"
#include "archive/text_codec.h"
#include "document/edit_transaction.h"
#include "document/vantrel_doc.h"
#include "elements/element_kinds.h"

#include <algorithm>
#include <new>
#include <queue>
#include <set>
#include <string>

namespace vantrel {

namespace {

// What a sort needs to know about one list.
struct SortRules
{
    bool (*isSource)(const LogElement&);
    bool (*isOrderingInput)(const LogElement&, int input);
    // The element an input waits for while that element is unplaced; none
    // when the input never waits.
    LogElement* (*waitsFor)(CVantrelDoc&, std::int32_t id);
    bool weakCuts;
};

struct SortCounts
{
    int weak = 0;
    int strong = 0;
};

// The order the pass-by-pass sort gives, computed without repeating passes.
//
// The pass sort walks the remaining list again and again, placing every
// element whose inputs no longer wait, so an element reached later in the
// same pass already sees the earlier ones placed. The pass in which an
// element is placed therefore follows from its sources: the pass of its
// last-placed source, plus one when that source stands after it in the
// list. Elements are taken in (pass, position) order from a queue, each
// once, which places them exactly where the pass sort would. When nothing is
// ready (a stall), the pass sort cuts a loop by placing one element and
// starts its passes afresh; here the pass numbers simply continue past every
// pass used so far.
class PassOrder
{
public:
    PassOrder(CVantrelDoc& document, const ElementList& list, const SortRules& rules)
        : list_(list), rules_(rules), count_(int(list.size())), waiting_(count_), hard_(count_),
          candidate_(count_), placed_(count_)
    {
        std::vector<std::pair<int, Edge>> edges;
        for (int i = 0; i < count_; ++i) {
            const LogElement& element = *list[i];
            for (int input = 0; input < std::min(element.InputCount(), kMaxInputs); ++input) {
                if (!rules.isOrderingInput(element, input))
                    continue;
                LogElement* source = rules.waitsFor(document, element.inputs[input]);
                if (!source)
                    continue;
                const bool delayed = rules.weakCuts && element.IsDelayedInput(input);
                ++waiting_[i];
                hard_[i] += delayed ? 0 : 1;
                // A source outside the list is never placed: the input waits for good.
                // Sources are found through the id index, so it knows their place.
                const int at = document.LocateById(source->id).position;
                if (at >= 0 && at < count_ && list[std::size_t(at)].get() == source)
                    edges.emplace_back(at, Edge{i, delayed});
            }
        }
        BuildReaders(edges);
    }

    // The list positions in placement order.
    std::vector<int> Run(SortCounts& counts)
    {
        order_.reserve(std::size_t(count_));
        for (int i = 0; i < count_; ++i) {
            if (rules_.weakCuts && waiting_[i] > 0 && hard_[i] == 0)
                weakCandidates_.insert(i);
        }
        std::vector<bool> sources(list_.size());
        for (int i = 0; i < count_; ++i)
            sources[std::size_t(i)] = rules_.isSource(*list_[std::size_t(i)]);
        for (int i = 0; i < count_; ++i)
            if (waiting_[i] == 0 && !sources[std::size_t(i)])
                ready_.push({base_, i});
        for (int i = 0; i < count_; ++i)
            if (sources[std::size_t(i)])
                Place(i, 0);
        while (int(order_.size()) < count_) {
            if (!ready_.empty()) {
                const auto [pass, i] = ready_.top();
                ready_.pop();
                Place(i, pass);
                continue;
            }
            base_ = lastPass_ + 2;
            Place(Cut(counts), base_ - 1);
        }
        return std::move(order_);
    }

private:
    struct Edge
    {
        int reader;
        bool delayed;
    };

    void BuildReaders(std::vector<std::pair<int, Edge>>& edges)
    {
        std::stable_sort(edges.begin(), edges.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        firstReader_.assign(std::size_t(count_) + 1, 0);
        for (const auto& [source, edge] : edges)
            ++firstReader_[std::size_t(source) + 1];
        for (int i = 0; i < count_; ++i)
            firstReader_[std::size_t(i) + 1] += firstReader_[std::size_t(i)];
        readers_.reserve(edges.size());
        for (const auto& [source, edge] : edges)
            readers_.push_back(edge);
    }

    int Cut(SortCounts& counts)
    {
        if (!weakCandidates_.empty()) {
            ++counts.weak;
            return *weakCandidates_.begin();
        }
        ++counts.strong;
        while (placed_[firstUnplaced_])
            ++firstUnplaced_;
        return firstUnplaced_;
    }

    void Place(int i, int pass)
    {
        placed_[i] = true;
        order_.push_back(i);
        lastPass_ = std::max(lastPass_, pass);
        weakCandidates_.erase(i);
        for (int k = firstReader_[i]; k < firstReader_[i + 1]; ++k) {
            const Edge& edge = readers_[std::size_t(k)];
            const int reader = edge.reader;
            if (placed_[reader])
                continue;
            candidate_[reader] = std::max(candidate_[reader], pass + (i > reader ? 1 : 0));
            --waiting_[reader];
            if (!edge.delayed)
                --hard_[reader];
            if (waiting_[reader] == 0) {
                weakCandidates_.erase(reader);
                ready_.push({std::max(base_, candidate_[reader]), reader});
            } else if (rules_.weakCuts && hard_[reader] == 0) {
                weakCandidates_.insert(reader);
            }
        }
    }

    const ElementList& list_;
    const SortRules& rules_;
    int count_;
    std::vector<int> waiting_;   // inputs still waiting
    std::vector<int> hard_;      // of those, the ones not delayed
    std::vector<int> candidate_; // the earliest pass the element's placed sources allow
    std::vector<bool> placed_;
    std::vector<int> firstReader_;
    std::vector<Edge> readers_;
    std::vector<int> order_;
    std::set<int> weakCandidates_; // waiting only at delayed inputs
    std::priority_queue<std::pair<int, int>, std::vector<std::pair<int, int>>, std::greater<>>
        ready_;
    int base_ = 1;
    int lastPass_ = 0;
    int firstUnplaced_ = 0;
};

// Reorders the list within the edit, which remembers the old order.
SortCounts SortList(CVantrelDoc& document, int listKind, const SortRules& rules,
                    EditTransaction& edit)
{
    ElementList& list = document.elements[listKind];
    SortCounts counts;
    std::vector<std::size_t> takenFrom;
    {
        const CVantrelDoc::FrozenLookups frozen(document);
        const std::vector<int> positions = PassOrder(document, list, rules).Run(counts);
        takenFrom.assign(positions.begin(), positions.end());
    }
    ElementList sorted;
    sorted.reserve(list.size());
    // Everything that allocates is done before the first element moves, so
    // the edit's record and the list agree whatever runs out.
    edit.RememberReordering(listKind, takenFrom);
    for (std::size_t from : takenFrom)
        sorted.push_back(std::move(list[from]));
    list = std::move(sorted);
    return counts;
}

bool Sorts(const LogElement& element, SortRole role)
{
    const ElementKindRow* row = element.KindRow();
    return row && row->sortRole == role;
}

const SortRules kMainRules = {
    [](const LogElement& e) { return Sorts(e, SortRole::BitSource); },
    [](const LogElement& e, int input) {
        return !e.IsNumericPin(true, input) && !e.IsBreakingInput(input);
    },
    [](CVantrelDoc& document, std::int32_t id) { return document.ResolveSourceUpToBreaker(id); },
    true,
};

const SortRules kRegisterRules = {
    [](const LogElement& e) { return Sorts(e, SortRole::NumberSource); },
    [](const LogElement& e, int input) { return e.IsNumericPin(true, input); },
    [](CVantrelDoc& document, std::int32_t id) -> LogElement* {
        LogElement* source = document.ResolveSource(id);
        // Accumulators, NoOp registers and constants hold their values already.
        return source && !Sorts(*source, SortRole::HeldValue) ? source : nullptr;
    },
    false,
};

int SortMainIn(CVantrelDoc& document, EditTransaction& edit)
{
    const SortCounts counts = SortList(document, kMainList, kMainRules, edit);
    if (counts.weak != 0)
        document.GetNotifier().Message(u"Found " + Decimal(counts.weak) + u" weak and " +
                                           Decimal(counts.strong) + u" strong loops",
                                       u"Autosort complete", MessageButtons::Ok);
    return counts.strong;
}

bool SortRegistersIn(CVantrelDoc& document, EditTransaction& edit)
{
    return SortList(document, kRegisterList, kRegisterRules, edit).strong == 0;
}

} // namespace

int SortMain(CVantrelDoc& document)
{
    if (document.elements[kMainList].empty())
        return 0;
    EditTransaction edit(document, UndoRecord::kState);
    const int strong = SortMainIn(document, edit);
    edit.Commit();
    return strong;
}

bool SortRegisters(CVantrelDoc& document)
{
    if (document.elements[kRegisterList].empty())
        return true;
    EditTransaction edit(document, UndoRecord::kState);
    const bool complete = SortRegistersIn(document, edit);
    edit.Commit();
    return complete;
}

bool AutoSort(CVantrelDoc& document)
{
    try {
        const bool hasMain = !document.elements[kMainList].empty();
        const bool hasRegisters = !document.elements[kRegisterList].empty();
        if (!hasMain && !hasRegisters)
            return true;
        // Both lists in one step, which undo takes back as a whole.
        EditTransaction edit(document, UndoRecord::kState);
        const int strong = hasMain ? SortMainIn(document, edit) : 0;
        if (strong != 0)
            document.GetNotifier().Message(u"Autosort incomplete due to loops: " + Decimal(strong),
                                           u"Warning", MessageButtons::Ok);
        if (hasRegisters && !SortRegistersIn(document, edit))
            document.GetNotifier().Message(u"NL Autosort incomplete due to loops.", u"Warning",
                                           MessageButtons::Ok);
        edit.Commit();
        return true;
    } catch (const std::bad_alloc&) {
        // The edit is rolled back: both lists keep their order.
        document.GetNotifier().Message(kOutOfMemoryText, kApplicationTitle, MessageButtons::Ok);
        return false;
    }
}

} // namespace vantrel
