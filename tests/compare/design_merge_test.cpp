// The three-way merge on designs written by hand as a design file stores
// them, each loaded as the program loads a file; the merged design is saved,
// reopened, sorted and compiled as a user would after a merge.
#include "compare/design_merge.h"

#include "compare/design_dump.h"
#include "compiler/autosort.h"
#include "compiler/flash_image.h"
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "support/corpus_files.h"
#include "support/fake_image_codec.h"
#include "support/recording_notifier.h"
#include "support/stored_design_loading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <sstream>

namespace vantrel {
namespace {

using test::StoredDesign;
using test::StoredElement;
using test::StoredElementWithId;

// Ids in the hand-written design (see the corpus): two inputs, a gate fed
// by them, the lamp fed through a switch, a marker pair.
constexpr std::int32_t kStart = 1;
constexpr std::int32_t kStop = 2;
constexpr std::int32_t kAnd = 5;
constexpr std::int32_t kLamp = 28;
constexpr std::int32_t kRunMarker = 40;
constexpr std::int32_t kNextId = 80;

StoredDesign Base()
{
    return test::CorpusDesign(CVantrelDoc::kDesignVersion);
}

// Adds a gate of the main list at the cell, wired to `inputs`, as the
// editor would: the next id moves past it.
void AddGate(StoredDesign& design, const char* kind, std::int32_t id, std::int32_t x,
             std::vector<std::int32_t> inputs)
{
    design.lists[0].push_back({kind, true, id, x, 30, std::move(inputs), {}});
    design.nextElementId = std::max(design.nextElementId, id + 1);
}

std::u16string& NameOf(StoredElement& element)
{
    return std::get<std::u16string>(element.payload[1]);
}

struct Merged
{
    std::unique_ptr<CVantrelDoc> document;
    MergeConflicts conflicts;
};

class DesignMerge : public ::testing::Test
{
protected:
    std::unique_ptr<CVantrelDoc> Load(const StoredDesign& design)
    {
        auto document = test::LoadStoredDesign(design, notifier);
        EXPECT_TRUE(document);
        EXPECT_TRUE(notifier.Messages().empty()) << notifier.Messages().front();
        return document;
    }

    // The merge, its result saved and reopened: it must load without a
    // message, as any design the merge writes must.
    Merged Merge(const StoredDesign& base, const StoredDesign& ours, const StoredDesign& theirs)
    {
        const auto baseDocument = Load(base);
        const auto oursDocument = Load(ours);
        const auto theirsDocument = Load(theirs);
        CVantrelDoc merged(&notifier);
        MergeConflicts conflicts =
            MergeDesigns(*baseDocument, *oursDocument, *theirsDocument, merged);
        auto reopened = std::make_unique<CVantrelDoc>(&notifier);
        EXPECT_TRUE(
            LoadDesign(*reopened, DesignBytes(merged, u"merged.lgc", codec), u"merged.lgc", codec));
        EXPECT_TRUE(notifier.Messages().empty()) << notifier.Messages().front();
        return {std::move(reopened), std::move(conflicts)};
    }

    static std::string DumpOf(const CVantrelDoc& document)
    {
        std::ostringstream text;
        WriteDump(DumpDesign(document), text);
        return text.str();
    }

    std::string DumpOf(const StoredDesign& design) { return DumpOf(*Load(design)); }

    test::RecordingNotifier notifier;
    test::FakeImageCodec codec;
};

// A change of one kind, made on one side.
struct OneSidedChange
{
    const char* what;
    std::function<void(StoredDesign&)> change;
};

const OneSidedChange kOneSidedChanges[] = {
    {"element name", [](StoredDesign& d) { NameOf(StoredElementWithId(d, kStart)) = u"Go"; }},
    {"element cell", [](StoredDesign& d) { StoredElementWithId(d, kAnd).y = 40; }},
    {"element input",
     [](StoredDesign& d) {
         StoredElementWithId(d, kAnd).inputs = {kStop, kStart};
     }},
    {"element removed",
     [](StoredDesign& d) {
         auto& main = d.lists[0];
         std::erase_if(main, [](const StoredElement& e) { return e.id == kLamp; });
     }},
    {"element added",
     [](StoredDesign& d) {
         AddGate(d, "LogOr", kNextId, 30, {kStart, kStop});
     }},
    {"evaluation order", [](StoredDesign& d) { std::swap(d.lists[0][4], d.lists[0][5]); }},
    {"configuration", [](StoredDesign& d) { d.speed = 32; }},
    {"complex command", [](StoredDesign& d) { d.commands.front().name = u"Renamed"; }},
    {"paint object", [](StoredDesign& d) { d.paint.front().normalColor = 0x123456; }},
    {"paint object removed", [](StoredDesign& d) { d.paint.pop_back(); }},
};

TEST_F(DesignMerge, AChangeOnOneSideIsTakenWhicheverSideMadeIt)
{
    const StoredDesign base = Base();
    for (const OneSidedChange& change : kOneSidedChanges) {
        SCOPED_TRACE(change.what);
        StoredDesign changed = base;
        change.change(changed);
        const std::string expected = DumpOf(changed);
        const Merged theirs = Merge(base, base, changed);
        EXPECT_TRUE(theirs.conflicts.empty());
        EXPECT_EQ(DumpOf(*theirs.document), expected);
        const Merged ours = Merge(base, changed, base);
        EXPECT_TRUE(ours.conflicts.empty());
        EXPECT_EQ(DumpOf(*ours.document), expected);
    }
}

TEST_F(DesignMerge, ADesignChangedOnOneSideSavesToThatSidesBytes)
{
    const StoredDesign base = Base();
    StoredDesign changed = base;
    NameOf(StoredElementWithId(changed, kStart)) = u"Go";
    StoredElementWithId(changed, kAnd).x = 30;
    changed.paint.front().width = 7;
    const Merged merged = Merge(base, base, changed);
    ASSERT_TRUE(merged.conflicts.empty());
    merged.document->designStamp = changed.designStamp;
    EXPECT_EQ(DesignBytes(*merged.document, u"merged.lgc", codec), test::SavedFormOf(changed));
}

TEST_F(DesignMerge, TheSameChangeOnBothSidesIsTakenOnce)
{
    const StoredDesign base = Base();
    StoredDesign changed = base;
    NameOf(StoredElementWithId(changed, kStart)) = u"Go";
    AddGate(changed, "LogOr", kNextId, 30, {kStart, kStop});
    const Merged merged = Merge(base, changed, changed);
    EXPECT_TRUE(merged.conflicts.empty());
    EXPECT_EQ(DumpOf(*merged.document), DumpOf(changed));
}

TEST_F(DesignMerge, ChangesOfDifferentElementsOnEachSideAreBothTaken)
{
    const StoredDesign base = Base();
    StoredDesign ours = base;
    NameOf(StoredElementWithId(ours, kStart)) = u"Go";
    StoredDesign theirs = base;
    StoredElementWithId(theirs, kAnd).y = 40;
    StoredDesign both = ours;
    StoredElementWithId(both, kAnd).y = 40;
    const Merged merged = Merge(base, ours, theirs);
    EXPECT_TRUE(merged.conflicts.empty());
    EXPECT_EQ(DumpOf(*merged.document), DumpOf(both));
}

TEST_F(DesignMerge, DifferentChangesOfOneItemConflictAndKeepOurs)
{
    struct Case
    {
        const char* what;
        std::function<void(StoredDesign&, bool)> change;
        const char* section;
        const char* field;
    };
    const Case cases[] = {
        {"one field of an element",
         [](StoredDesign& d, bool ours) {
             NameOf(StoredElementWithId(d, kStart)) = ours ? u"Ours" : u"Theirs";
         },
         "element", "name"},
        {"changed on one side, removed on the other",
         [](StoredDesign& d, bool ours) {
             if (ours)
                 NameOf(StoredElementWithId(d, kLamp)) = u"Ours";
             else
                 std::erase_if(d.lists[0], [](const StoredElement& e) { return e.id == kLamp; });
         },
         "element", "presence"},
        {"configuration", [](StoredDesign& d, bool ours) { d.speed = ours ? 16 : 8; },
         "configuration", "speed"},
        {"evaluation order of the main list",
         [](StoredDesign& d, bool ours) {
             auto& main = d.lists[0];
             std::swap(main[ours ? 4 : 6], main[ours ? 5 : 7]);
         },
         "list", "evaluation order"},
    };
    const StoredDesign base = Base();
    for (const Case& conflict : cases) {
        SCOPED_TRACE(conflict.what);
        StoredDesign ours = base;
        conflict.change(ours, true);
        StoredDesign theirs = base;
        conflict.change(theirs, false);
        const Merged merged = Merge(base, ours, theirs);
        ASSERT_EQ(merged.conflicts.size(), 1u);
        EXPECT_EQ(merged.conflicts.front().section, conflict.section);
        EXPECT_EQ(merged.conflicts.front().field, conflict.field);
        EXPECT_EQ(DumpOf(*merged.document), DumpOf(ours));
    }
}

TEST_F(DesignMerge, ElementsAddedUnderOneIdOnBothSidesAreBothKeptWithTheirWiring)
{
    const StoredDesign base = Base();
    StoredDesign ours = base;
    AddGate(ours, "LogOr", kNextId, 30, {kStart, kStop});
    // Theirs adds two elements, the second wired to the first, on the cell
    // ours took, and points a marker's end at its new element.
    StoredDesign theirs = base;
    AddGate(theirs, "LogAnd", kNextId, 30, {kStart, kStop});
    AddGate(theirs, "LogNot", kNextId + 1, 32, {kNextId});
    const Merged merged = Merge(base, ours, theirs);
    EXPECT_TRUE(merged.conflicts.empty());
    const CVantrelDoc& document = *merged.document;

    std::set<std::int32_t> ids;
    std::set<std::pair<int, int>> cells;
    const LogElement* oursOr = nullptr;
    const LogElement* theirsAnd = nullptr;
    const LogElement* theirsNot = nullptr;
    for (const ElementList& list : document.elements)
        for (const auto& element : list) {
            EXPECT_TRUE(ids.insert(element->id).second) << "id " << element->id << " twice";
            EXPECT_TRUE(cells.insert({element->pos.x, element->pos.y}).second)
                << "cell " << element->pos.x << ',' << element->pos.y << " twice";
            const std::string kind = element->ClassName();
            if (kind == "LogOr" && element->id == kNextId)
                oursOr = element.get();
            else if (kind == "LogAnd" && element->id > kNextId)
                theirsAnd = element.get();
            else if (kind == "LogNot" && element->pos.x == 32)
                theirsNot = element.get();
        }
    ASSERT_TRUE(oursOr && theirsAnd && theirsNot);
    EXPECT_EQ(oursOr->pos, (Point{30, 30}));
    EXPECT_NE(theirsAnd->pos, (Point{30, 30}));
    EXPECT_EQ(theirsNot->inputs[0], theirsAnd->id);
    EXPECT_EQ(theirsAnd->inputs[0], kStart);
    EXPECT_GT(document.nextElementId, *ids.rbegin());
}

TEST_F(DesignMerge, AMergedDesignSortsAndCompiles)
{
    const StoredDesign base = Base();
    StoredDesign ours = base;
    NameOf(StoredElementWithId(ours, kStart)) = u"Go";
    AddGate(ours, "LogOr", kNextId, 30, {kStart, kRunMarker});
    StoredDesign theirs = base;
    AddGate(theirs, "LogAnd", kNextId, 30, {kStart, kStop});
    std::erase_if(theirs.lists[0], [](const StoredElement& e) { return e.id == kStop; });
    const Merged merged = Merge(base, ours, theirs);
    AutoSort(*merged.document);
    EXPECT_FALSE(Compile(*merged.document, 0).empty());
    // Nothing is wired to the removed input any more.
    for (const ElementList& list : merged.document->elements)
        for (const auto& element : list)
            for (int i = 0; i < element->InputCount(); ++i)
                EXPECT_NE(element->inputs[i], kStop) << element->id;
}

} // namespace
} // namespace vantrel
