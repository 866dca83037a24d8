#include "document/loop_finder.h"

#include "document/vantrel_doc.h"
#include "elements/log_indirect.h"

#include <algorithm>
#include <array>
#include <vector>

namespace vantrel {

namespace {

// Tarjan's strongly connected components, iterative so that long chains do
// not exhaust the stack. An element is on a loop when its component has more
// than one element or it reads itself.
//
// Every element is known by its place: its position counted through all
// element lists in order. What the search learns about an element sits in
// flat tables indexed by place, sized once from the lists, so a design of
// any size costs no hashing and no growth while it is searched.
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
        number_.assign(std::size_t(count), kUnmet);
        resolved_.assign(std::size_t(count), kUnresolved);
        // Each element is met at most once.
        nodes_.reserve(std::size_t(count));
        onStack_.reserve(std::size_t(count));
        stack_.reserve(std::size_t(count));
        path_.reserve(std::size_t(count));
    }

    ElementIdSet Run()
    {
        const ElementList& main = document_.elements[kMainList];
        for (std::size_t i = 0; i < main.size(); ++i) {
            const Met root{PlaceOf({kMainList, int(i)}), main[i].get()};
            if (number_[std::size_t(root.place)] == kUnmet)
                Visit(root);
        }
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

    struct Met
    {
        int place;
        LogElement* element;
    };

    struct Node
    {
        Met met;
        int index;
        int lowLink;
        int inputCount;
        int nextInput = 0;
        bool readsItself = false;
    };

    int PlaceOf(ElementLocation location) const
    {
        return first_[std::size_t(location.list)] + location.position;
    }

    // The element with the id, as the document's lookups find it.
    Met Find(std::int32_t id) const
    {
        const ElementLocation location = document_.LocateById(id);
        if (location.list < 0)
            return {kNone, nullptr};
        // Frozen lookups place an id exactly where its element is.
        return {
            PlaceOf(location),
            document_.elements[std::size_t(location.list)][std::size_t(location.position)].get()};
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

    // The element that `met` stands for, following indirect elements and
    // stopping at a cycle breaker; none for a chain that ends nowhere or
    // comes back on itself. Each element's outcome is learnt once, however
    // many inputs read it or chains pass it.
    Met Resolve(Met met)
    {
        walk_.clear();
        Met outcome{kNone, nullptr};
        for (Met at = met; at.element;) {
            const int known = resolved_[std::size_t(at.place)];
            if (known == at.place) {
                outcome = at;
                break;
            }
            if (known >= 0) {
                outcome = {known, ElementOf(known)};
                break;
            }
            if (known != kUnresolved)
                break; // no source, or a cycle of indirect elements
            const LogIndirect* indirect = AsIndirect(at.element);
            if (!indirect) {
                resolved_[std::size_t(at.place)] = at.place;
                outcome = at;
                break;
            }
            resolved_[std::size_t(at.place)] = kBeingResolved;
            walk_.push_back(at.place);
            if (indirect->IsBreakingInput(0))
                break;
            at = Find(indirect->SourceId());
        }
        for (int place : walk_)
            resolved_[std::size_t(place)] = outcome.element ? outcome.place : kNoSource;
        return outcome;
    }

    Met Source(const LogElement& element, int input)
    {
        if (element.IsBreakingInput(input))
            return {kNone, nullptr};
        return Resolve(Find(element.inputs[std::size_t(input)]));
    }

    void Open(Met met)
    {
        const int index = int(nodes_.size());
        number_[std::size_t(met.place)] = index;
        nodes_.push_back({met, index, index, std::min(met.element->InputCount(), kMaxInputs)});
        onStack_.push_back(1);
        stack_.push_back(index);
        path_.push_back(index);
    }

    void Visit(Met root)
    {
        Open(root);
        while (!path_.empty()) {
            Node& node = nodes_[std::size_t(path_.back())];
            if (node.nextInput < node.inputCount) {
                const Met source = Source(*node.met.element, node.nextInput++);
                if (!source.element)
                    continue;
                if (source.place == node.met.place)
                    node.readsItself = true;
                const int known = number_[std::size_t(source.place)];
                if (known == kUnmet)
                    Open(source);
                else if (onStack_[std::size_t(known)])
                    node.lowLink = std::min(node.lowLink, known);
                continue;
            }
            Close(path_.back());
        }
    }

    void Close(int index)
    {
        path_.pop_back();
        Node& node = nodes_[std::size_t(index)];
        if (!path_.empty()) {
            Node& parent = nodes_[std::size_t(path_.back())];
            parent.lowLink = std::min(parent.lowLink, node.lowLink);
        }
        if (node.lowLink != node.index)
            return;
        const auto first = std::find(stack_.rbegin(), stack_.rend(), index).base() - 1;
        const bool isLoop = stack_.end() - first > 1 || node.readsItself;
        for (auto member = first; member != stack_.end(); ++member) {
            onStack_[std::size_t(*member)] = 0;
            if (isLoop)
                loops_.insert(nodes_[std::size_t(*member)].met.element->id);
        }
        stack_.erase(first, stack_.end());
    }

    const CVantrelDoc& document_;
    // The place of each list's first element.
    std::array<int, kElementListCount> first_{};
    // By place: the order in which the element was met, or kUnmet.
    std::vector<int> number_;
    // By place: the place of the element it stands for (its own for a direct
    // element), kNoSource, or kUnresolved / kBeingResolved.
    std::vector<int> resolved_;
    std::vector<Node> nodes_;
    std::vector<char> onStack_;
    std::vector<int> stack_; // Tarjan's component stack
    std::vector<int> path_;  // the depth-first path being expanded
    std::vector<int> walk_;  // the indirect elements of the chain being resolved
    ElementIdSet loops_;
};

} // namespace

ElementIdSet FindLoopElements(const CVantrelDoc& document)
{
    return LoopSearch(document).Run();
}

} // namespace vantrel
