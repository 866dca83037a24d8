#include "support/hostile_designs.h"

#include "support/versioned_design_writer.h"

#include <limits>

namespace vantrel::test {

namespace {

constexpr std::int32_t kMinInt = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();

// One element per grid cell, on rows of 100.
StoredElement At(std::string className, std::int32_t id, std::vector<std::int32_t> inputs,
                 std::vector<StoredValue> payload = {})
{
    return {std::move(className), true, id, id % 100, id / 100, std::move(inputs),
            std::move(payload)};
}

std::vector<std::uint8_t> Current(StoredDesign design)
{
    return WriteDesignFile(design, 19);
}

std::vector<StoredElement>& Main(StoredDesign& design)
{
    return design.lists[0];
}

} // namespace

std::vector<std::uint8_t> GateInIndirectList()
{
    StoredDesign design;
    Main(design).push_back(At("LogAnd", 1, {2, 2}));
    design.lists[1].push_back(At("LogNot", 2, {0}));
    design.nextElementId = 3;
    return Current(design);
}

std::vector<std::uint8_t> HugeInputNumber()
{
    StoredDesign design;
    design.numInputs = kMaxInt;
    Main(design).push_back(At("LogIn", 1, {}, {kMaxInt - 1, u"Far"}));
    Main(design).push_back(At("LogIn", 2, {}, {kMaxInt - 1, u"Far too"}));
    design.nextElementId = 3;
    return Current(design);
}

std::vector<std::uint8_t> OverflowingCounts()
{
    StoredDesign design;
    design.numInputs = kMinInt;
    Main(design).push_back(At("LogIn", 1, {}, {0, u"A"}));
    Main(design).push_back(At("LogIn", 2, {}, {1, u"B"}));
    StoredElement big = At("LogBigAnd", 3, {}, {kMinInt, kMinInt, 0, 0, InputSlots{}});
    big.basePart = false;
    Main(design).push_back(big);
    design.remoteModules.assign(2, StoredRemoteModule{kMaxInt, kMaxInt, 0, 57600, false});
    design.nextElementId = 4;
    return Current(design);
}

std::vector<std::uint8_t> MarkerChain(int pairs, int readers)
{
    StoredDesign design;
    std::int32_t id = 1;
    Main(design).push_back(At("LogIn", id++, {}, {0, u"Source"}));
    std::int32_t feed = 1;
    for (int pair = 0; pair < pairs; ++pair) {
        const std::int32_t start = id++;
        design.lists[1].push_back(At("LogStartMarker", start, {feed}, {u"M"}));
        feed = id++;
        design.lists[1].push_back(At("LogEndMarker", feed, {}, {start}));
    }
    for (int reader = 0; reader < readers; ++reader)
        Main(design).push_back(At("LogNot", id++, {feed}));
    design.nextElementId = id;
    return Current(design);
}

std::vector<std::uint8_t> MarkersInMainList(int count)
{
    StoredDesign design;
    for (std::int32_t id = 1; id <= count; ++id)
        Main(design).push_back(At("LogEndMarker", id, {}, {0}));
    design.nextElementId = count + 1;
    return Current(design);
}

std::vector<std::uint8_t> CommentsInMainList(int count)
{
    StoredDesign design;
    for (std::int32_t id = 1; id <= count; ++id) {
        Main(design).push_back(At("LogNot", 2 * id - 1, {0}));
        // The writer stores the comments of a version-17 file in its main list.
        design.lists[7].push_back(At("LogComment", 2 * id, {}, {u"Note"}));
    }
    design.nextElementId = 2 * count + 1;
    return WriteDesignFile(design, 17);
}

std::vector<std::uint8_t> DanglingInputs(int count)
{
    StoredDesign design;
    for (std::int32_t id = 1; id <= count; ++id)
        Main(design).push_back(At("LogAnd", id, {count + id, -id}));
    design.nextElementId = count + 1;
    return Current(design);
}

std::vector<std::uint8_t> SharedIds(int count)
{
    StoredDesign design;
    for (int i = 0; i < count; ++i) {
        StoredElement element = At("LogNot", 7, {0});
        element.x = i % 100;
        element.y = i / 100;
        Main(design).push_back(element);
    }
    design.nextElementId = 8;
    return Current(design);
}

std::vector<std::uint8_t> PagesHolding(const std::vector<std::uint8_t>& image, int pages)
{
    StoredDesign design;
    design.pages.assign(std::size_t(pages), image);
    return Current(design);
}

} // namespace vantrel::test
