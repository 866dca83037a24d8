#include "compare/element_order.h"

#include <algorithm>
#include <map>

namespace vantrel {

namespace {

// Positions of the items on one longest strictly increasing run (n log n).
std::vector<bool> OnLongestIncreasingRun(const std::vector<std::int64_t>& values)
{
    std::vector<std::size_t> tails; // index of the smallest tail per length
    std::vector<std::size_t> previous(values.size(), values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto place =
            std::lower_bound(tails.begin(), tails.end(), values[i],
                             [&](std::size_t k, std::int64_t v) { return values[k] < v; });
        if (place != tails.begin())
            previous[i] = *(place - 1);
        if (place == tails.end())
            tails.push_back(i);
        else
            *place = i;
    }
    std::vector<bool> kept(values.size(), false);
    for (std::size_t k = tails.empty() ? values.size() : tails.back(); k < values.size();
         k = previous[k])
        kept[k] = true;
    return kept;
}

} // namespace

std::vector<DesignChange> ReorderedLists(const std::vector<ElementPair>& kept)
{
    // List name -> the pairs that stayed in it, by position before.
    std::map<std::string, std::vector<ElementPair>> lists;
    for (const ElementPair& pair : kept)
        if (pair.before->Value("list") == pair.after->Value("list"))
            lists[std::string(pair.before->Value("list"))].push_back(pair);
    std::vector<DesignChange> changes;
    for (auto& [list, pairs] : lists) {
        std::sort(pairs.begin(), pairs.end(), [](const ElementPair& a, const ElementPair& b) {
            return a.before->listPosition < b.before->listPosition;
        });
        std::vector<std::int64_t> positionsAfter;
        for (const ElementPair& pair : pairs)
            positionsAfter.push_back(pair.after->listPosition);
        const std::vector<bool> inOrder = OnLongestIncreasingRun(positionsAfter);
        std::vector<std::pair<std::int64_t, std::string>> moved;
        for (std::size_t i = 0; i < pairs.size(); ++i)
            if (!inOrder[i])
                moved.emplace_back(pairs[i].after->number, pairs[i].after->key);
        if (moved.empty())
            continue;
        std::sort(moved.begin(), moved.end());
        std::string ids;
        for (const auto& [number, key] : moved)
            ids += (ids.empty() ? "" : ",") + key;
        changes.push_back(
            {DesignChange::Kind::Reordered, "list", list, {}, {{"elements", {}, ids}}});
    }
    return changes;
}

} // namespace vantrel
