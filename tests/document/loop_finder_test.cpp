#include "document/vantrel_doc.h"

#include "elements/log_element.h"
#include "support/random_designs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace vantrel {
namespace {

// The loop set by its definition, the slow way: an element met from the
// main list through its non-breaking inputs (resolved as the document
// resolves them) is on a loop when it can reach itself again.
std::set<std::int32_t> LoopsByReachability(CVantrelDoc& document)
{
    const CVantrelDoc::FrozenLookups frozen(document);
    std::map<const LogElement*, std::vector<LogElement*>> sources;
    std::vector<LogElement*> pending;
    for (const auto& element : document.elements[kMainList])
        pending.push_back(element.get());
    while (!pending.empty()) {
        LogElement* element = pending.back();
        pending.pop_back();
        if (sources.contains(element))
            continue;
        std::vector<LogElement*>& read = sources[element];
        for (int input = 0; input < std::min(element->InputCount(), kMaxInputs); ++input)
            if (!element->IsBreakingInput(input))
                if (LogElement* source =
                        document.ResolveSourceUpToBreaker(element->inputs[std::size_t(input)]))
                    read.push_back(source);
        pending.insert(pending.end(), read.begin(), read.end());
    }
    std::set<std::int32_t> loops;
    for (const auto& [start, read] : sources) {
        std::set<const LogElement*> reached;
        std::vector<LogElement*> walk = read;
        while (!walk.empty() && !reached.contains(start)) {
            LogElement* next = walk.back();
            walk.pop_back();
            if (reached.insert(next).second)
                walk.insert(walk.end(), sources[next].begin(), sources[next].end());
        }
        if (reached.contains(start))
            loops.insert(start->id);
    }
    return loops;
}

TEST(LoopFinder, AgreesWithReachabilityOnRandomDesigns)
{
    // Odd seeds wire inputs to any element, so loops run through markers,
    // replicators, cycle breakers, timers and registers, and marker chains
    // close on themselves; even seeds are mostly acyclic.
    int designsWithLoops = 0;
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        CVantrelDoc document;
        test::FillRandomDesign(document, seed, 40 + int(seed % 7) * 60);
        document.RebuildLoopSet();
        const std::set<std::int32_t> found(document.LoopSet().begin(), document.LoopSet().end());
        EXPECT_EQ(found, LoopsByReachability(document)) << "seed " << seed;
        designsWithLoops += found.empty() ? 0 : 1;
    }
    EXPECT_GT(designsWithLoops, 20) << "the designs must exercise the search";
}

} // namespace
} // namespace vantrel
