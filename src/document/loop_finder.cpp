#include "document/loop_finder.h"

#include "document/vantrel_doc.h"
#include "elements/log_indirect.h"

#include <algorithm>
#include <array>
#include <vector>

namespace vantrel {

namespace {

// Every element is known by its place: its position counted through all
// element lists in order. The search first reads the sources of every
// element in list order into one flat table, resolving each indirect
// element once; then it walks that table alone. Following inputs from
// element to element jumps all over the design's memory, while the table is
// small and the lists are read front to back.
class LoopSearch
{
public:
    explicit LoopSearch(const CVantrelDoc& document) : document_(document)
    {
        int count = 0;
        for (int list = 0; list < kElementListCount; ++list) {
            first_[std::size_t(list)] = count;
            count += int(document_.elements[std::size_t(list)].size());
        }
        resolved_.assign(std::size_t(count), kUnresolved);
        firstSource_.reserve(std::size_t(count) + 1);
        sources_.reserve(std::size_t(count));
        number_.assign(std::size_t(count), kUnmet);
        lowLink_.resize(std::size_t(count));
        nextSource_.resize(std::size_t(count));
        onStack_.assign(std::size_t(count), 0);
    }

    ElementIdSet Run()
    {
        ReadSources();
        for (int root = 0; root < int(document_.elements[kMainList].size()); ++root)
            if (number_[std::size_t(root)] == kUnmet)
                Visit(root);
        return std::move(loops_);
    }

private:
    // Markers in the tables: an element not met yet; an element whose
    // source is not known yet, is being walked to, or is none; no element.
    static constexpr int kUnmet = -1;
    static constexpr int kUnresolved = -2;
    static constexpr int kBeingResolved = -3;
    static constexpr int kNoSource = -4;
    static constexpr int kNone = -1;

    int PlaceOf(ElementLocation location) const
    {
        return first_[std::size_t(location.list)] + location.position;
    }

    // The place of the element with the id, as the document's lookups find
    // it (frozen, they place an id exactly where its element is), or kNone.
    int PlaceOfId(std::int32_t id) const
    {
        const ElementLocation location = document_.LocateById(id);
        return location.list < 0 ? kNone : PlaceOf(location);
    }

    // The element at a place.
    LogElement* ElementOf(int place) const
    {
        int list = kElementListCount - 1;
        while (first_[std::size_t(list)] > place)
            --list;
        return document_.elements[std::size_t(list)][std::size_t(place - first_[std::size_t(list)])]
            .get();
    }

    // The place of the element that the one at `place` stands for, following
    // indirect elements and stopping at a cycle breaker; none for a chain
    // that ends nowhere or comes back on itself. Each element's outcome is
    // learnt once, however many inputs read it or chains pass it.
    int Resolve(int place)
    {
        walk_.clear();
        int outcome = kNone;
        for (int at = place; at != kNone;) {
            const int known = resolved_[std::size_t(at)];
            if (known >= 0) {
                outcome = known;
                break;
            }
            if (known != kUnresolved)
                break; // no source, or a cycle of indirect elements
            // Only indirect elements are left unresolved.
            const LogIndirect* indirect = AsIndirect(ElementOf(at));
            resolved_[std::size_t(at)] = kBeingResolved;
            walk_.push_back(at);
            if (indirect->IsBreakingInput(0))
                break;
            at = PlaceOfId(indirect->SourceId());
        }
        for (int step : walk_)
            resolved_[std::size_t(step)] = outcome >= 0 ? outcome : kNoSource;
        return outcome;
    }

    // For each place, the places its inputs read, in input order: breaking
    // inputs and inputs that resolve to nothing left out. A first pass
    // settles every direct element, so that an input reading one never
    // touches the element itself.
    void ReadSources()
    {
        int place = 0;
        for (const ElementList& list : document_.elements) {
            for (const auto& element : list) {
                resolved_[std::size_t(place)] = AsIndirect(element.get()) ? kUnresolved : place;
                ++place;
            }
        }
        for (const ElementList& list : document_.elements) {
            for (const auto& element : list) {
                firstSource_.push_back(int(sources_.size()));
                const int inputs = std::min(element->InputCount(), kMaxInputs);
                for (int input = 0; input < inputs; ++input) {
                    if (element->IsBreakingInput(input))
                        continue;
                    const int read = PlaceOfId(element->inputs[std::size_t(input)]);
                    if (read == kNone)
                        continue;
                    const int known = resolved_[std::size_t(read)];
                    if (const int source = known >= 0 ? known : Resolve(read); source >= 0)
                        sources_.push_back(source);
                }
            }
        }
        firstSource_.push_back(int(sources_.size()));
    }

    bool ReadsItself(int place) const
    {
        const auto first = sources_.begin() + firstSource_[std::size_t(place)];
        const auto last = sources_.begin() + firstSource_[std::size_t(place) + 1];
        return std::find(first, last, place) != last;
    }

    void Open(int place)
    {
        number_[std::size_t(place)] = lowLink_[std::size_t(place)] = met_++;
        nextSource_[std::size_t(place)] = firstSource_[std::size_t(place)];
        onStack_[std::size_t(place)] = 1;
        stack_.push_back(place);
        path_.push_back(place);
    }

    // Tarjan's strongly connected components, iterative so that long chains
    // do not exhaust the stack. An element is on a loop when its component
    // has more than one element or it reads itself.
    void Visit(int root)
    {
        Open(root);
        while (!path_.empty()) {
            const int place = path_.back();
            int& next = nextSource_[std::size_t(place)];
            if (next < firstSource_[std::size_t(place) + 1]) {
                const int source = sources_[std::size_t(next++)];
                if (number_[std::size_t(source)] == kUnmet)
                    Open(source);
                else if (onStack_[std::size_t(source)])
                    lowLink_[std::size_t(place)] =
                        std::min(lowLink_[std::size_t(place)], number_[std::size_t(source)]);
                continue;
            }
            Close(place);
        }
    }

    void Close(int place)
    {
        path_.pop_back();
        if (!path_.empty()) {
            int& parent = lowLink_[std::size_t(path_.back())];
            parent = std::min(parent, lowLink_[std::size_t(place)]);
        }
        if (lowLink_[std::size_t(place)] != number_[std::size_t(place)])
            return;
        const auto first = std::find(stack_.rbegin(), stack_.rend(), place).base() - 1;
        const bool isLoop = stack_.end() - first > 1 || ReadsItself(place);
        for (auto member = first; member != stack_.end(); ++member) {
            onStack_[std::size_t(*member)] = 0;
            if (isLoop)
                loops_.insert(ElementOf(*member)->id);
        }
        stack_.erase(first, stack_.end());
    }

    const CVantrelDoc& document_;
    // The place of each list's first element.
    std::array<int, kElementListCount> first_{};
    // By place: the place of the element it stands for (its own for a direct
    // element), kNoSource, or kUnresolved / kBeingResolved.
    std::vector<int> resolved_;
    std::vector<int> walk_; // the indirect elements of the chain being resolved
    // The sources of the element at place p are sources_[firstSource_[p] ..
    // firstSource_[p + 1]).
    std::vector<int> firstSource_;
    std::vector<int> sources_;
    // By place: the order in which the element was met (kUnmet before), the
    // lowest order it reaches, its next source to follow, whether it is on
    // the component stack.
    std::vector<int> number_;
    std::vector<int> lowLink_;
    std::vector<int> nextSource_;
    std::vector<char> onStack_;
    int met_ = 0;
    std::vector<int> stack_; // Tarjan's component stack
    std::vector<int> path_;  // the depth-first path being expanded
    ElementIdSet loops_;
};

} // namespace

ElementIdSet FindLoopElements(const CVantrelDoc& document)
{
    return LoopSearch(document).Run();
}

} // namespace vantrel
