#include "document/loop_finder.h"

#include "archive/address_numbers.h"
#include "elements/el_finder.h"
#include "elements/log_element.h"

#include <algorithm>
#include <vector>

namespace vantrel {

namespace {

// Tarjan's strongly connected components, iterative so that long chains do
// not exhaust the stack. An element is on a loop when its component has more
// than one element or it reads itself.
class LoopSearch
{
public:
    explicit LoopSearch(const ElFinder& finder) : finder_(finder) {}

    ElementIdSet Run()
    {
        nodes_.reserve(std::size_t(finder_.MainCount()));
        number_.Reserve(std::size_t(finder_.MainCount()));
        for (int i = 0; i < finder_.MainCount(); ++i)
            if (LogElement* root = finder_.MainAt(i); !number_.Find(root))
                Visit(root);
        return std::move(loops_);
    }

private:
    struct Node
    {
        LogElement* element;
        int index;
        int lowLink;
        int nextInput = 0;
        bool readsItself = false;
    };

    LogElement* Source(LogElement* element, int input) const
    {
        if (element->IsBreakingInput(input))
            return nullptr;
        return finder_.ResolveSourceUpToBreaker(element->inputs[input]);
    }

    void Open(LogElement* element)
    {
        const int index = int(nodes_.size());
        number_.Add(element, std::uint32_t(index));
        nodes_.push_back({element, index, index});
        onStack_.push_back(true);
        stack_.push_back(index);
        path_.push_back(index);
    }

    void Visit(LogElement* root)
    {
        Open(root);
        while (!path_.empty()) {
            Node& node = nodes_[path_.back()];
            if (node.nextInput < std::min(node.element->InputCount(), kMaxInputs)) {
                LogElement* source = Source(node.element, node.nextInput++);
                if (!source)
                    continue;
                if (source == node.element)
                    node.readsItself = true;
                const std::optional<std::uint32_t> known = number_.Find(source);
                if (!known)
                    Open(source);
                else if (onStack_[*known])
                    node.lowLink = std::min(node.lowLink, int(*known));
                continue;
            }
            Close(path_.back());
        }
    }

    void Close(int index)
    {
        path_.pop_back();
        Node& node = nodes_[index];
        if (!path_.empty()) {
            Node& parent = nodes_[path_.back()];
            parent.lowLink = std::min(parent.lowLink, node.lowLink);
        }
        if (node.lowLink != node.index)
            return;
        const auto first = std::find(stack_.rbegin(), stack_.rend(), index).base() - 1;
        const bool isLoop = stack_.end() - first > 1 || node.readsItself;
        for (auto member = first; member != stack_.end(); ++member) {
            onStack_[*member] = false;
            if (isLoop)
                loops_.insert(nodes_[*member].element->id);
        }
        stack_.erase(first, stack_.end());
    }

    const ElFinder& finder_;
    // The order in which each element was met: a flat table, since every
    // element of the main list and most sources pass through it.
    AddressNumbers number_;
    std::vector<Node> nodes_;
    std::vector<bool> onStack_;
    std::vector<int> stack_; // Tarjan's component stack
    std::vector<int> path_;  // the depth-first path being expanded
    ElementIdSet loops_;
};

} // namespace

ElementIdSet FindLoopElements(const ElFinder& finder)
{
    return LoopSearch(finder).Run();
}

} // namespace vantrel
