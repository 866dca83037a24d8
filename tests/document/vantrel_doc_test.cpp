#include "document/vantrel_doc.h"

#include "document/edit_transaction.h"

#include "elements/gates.h"
#include "support/recording_notifier.h"
#include "support/test_elements.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::TestIndirect;
using test::TestListed;

std::unique_ptr<LogElement> And(Point at, std::int32_t id, std::int32_t first = 0,
                                std::int32_t second = 0)
{
    auto gate = std::make_unique<LogAnd>(at, id);
    gate->inputs = {first, second, 0, 0};
    return gate;
}

class Document : public ::testing::Test
{
protected:
    void SetUp() override { document.SetNotifier(&notifier); }

    void Add(std::unique_ptr<LogElement> element)
    {
        ASSERT_TRUE(document.InsertElement(std::move(element)));
    }

    std::vector<std::int32_t> Loops()
    {
        document.RebuildLoopSet();
        std::vector<std::int32_t> ids(document.LoopSet().begin(), document.LoopSet().end());
        std::sort(ids.begin(), ids.end());
        return ids;
    }

    test::RecordingNotifier notifier;
    CVantrelDoc document;
};

TEST_F(Document, NewDocumentHasTheDefaults)
{
    EXPECT_EQ(document.pageBackgrounds.size(), 1u);
    EXPECT_TRUE(document.pageBackgrounds[0].IsEmpty());
    EXPECT_EQ(document.backgroundColour, 0x00FFFFFFu);
    EXPECT_EQ(document.numInputs, 32);
    EXPECT_EQ(document.numOutputs, 32);
    EXPECT_EQ(document.nextElementId, 1);
    EXPECT_EQ(document.speed, 64);
    for (const ElementList& list : document.elements)
        EXPECT_TRUE(list.empty());
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(document.RequiredDesignVersion(), 2);
}

TEST_F(Document, ResetKeepsSpeedAndBackgroundColourButClearsTheRest)
{
    Add(And({1, 1}, 1));
    document.speed = 10;
    document.backgroundColour = 0x123456;
    document.numInputs = 8;
    document.nextElementId = 40;
    document.pageBackgrounds.resize(3);
    document.remoteIo.customModules.resize(1);
    document.ResetDocument();
    EXPECT_EQ(document.speed, 10);
    EXPECT_EQ(document.backgroundColour, 0x123456u);
    EXPECT_EQ(document.numInputs, 32);
    EXPECT_EQ(document.nextElementId, 1);
    EXPECT_EQ(document.pageBackgrounds.size(), 1u);
    EXPECT_TRUE(document.elements[kMainList].empty());
    EXPECT_TRUE(document.remoteIo.customModules.empty());
    EXPECT_TRUE(document.UndoStack().empty());
    EXPECT_EQ(document.FindById(1), nullptr);
}

TEST_F(Document, InsertRefusesAnOccupiedCellOrAUsedIdWithoutTouchingTheDocument)
{
    Add(And({1, 1}, 1));
    Add(std::make_unique<TestListed>(Point{2, 2}, 2, kRegisterList));
    document.SetModified(false);
    {
        EditTransaction refused(document, UndoRecord::kAdded);
        EXPECT_FALSE(refused.Insert(And({1, 1}, 3)));
        EXPECT_FALSE(refused.Insert(And({5, 5}, 2))); // id used in another list
        EXPECT_FALSE(refused.Insert(nullptr));
    }
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(document.UndoStack().empty());
    EXPECT_EQ(document.elements[kMainList].size(), 1u);

    EditTransaction edit(document, UndoRecord::kAdded);
    EXPECT_TRUE(edit.Insert(And({5, 5}, 3)));
    edit.Commit();
    EXPECT_TRUE(document.IsModified());
    ASSERT_EQ(document.UndoStack().size(), 1u);
    EXPECT_EQ(document.UndoStack().back().kind, UndoRecord::kAdded);
    EXPECT_NE(document.UndoStack().back().elements[0].get(), document.MainAt(1));
}

TEST_F(Document, ElementsGoToTheListOfTheirKind)
{
    Add(std::make_unique<TestListed>(Point{0, 1}, 1, kTimerList));
    Add(std::make_unique<TestIndirect>(Point{0, 2}, 2, 1));
    EXPECT_EQ(document.elements[kTimerList].size(), 1u);
    EXPECT_EQ(document.IndirectCount(), 1);
    EXPECT_EQ(document.FindAt({0, 2}), document.IndirectAt(0));
    EXPECT_EQ(document.FindAt({9, 9}), nullptr);
}

TEST_F(Document, DeleteAndReplaceReportAbsenceByTheirResults)
{
    Add(And({1, 1}, 1));
    Add(And({2, 2}, 2));
    document.SetModified(false);
    EXPECT_FALSE(document.DeleteById(9));
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(document.ReplaceElement(And({7, 7}, 9)), nullptr);
    EXPECT_FALSE(document.IsModified());

    auto old = document.ReplaceElement(And({7, 7}, 2, 1));
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->pos, (Point{2, 2}));
    EXPECT_EQ(document.MainAt(1)->pos, (Point{7, 7}));
    EXPECT_TRUE(document.IsModified());

    EXPECT_TRUE(document.DeleteById(1));
    EXPECT_EQ(document.MainCount(), 1);
}

TEST_F(Document, IdIndexSurvivesElementsMovingInTheirLists)
{
    for (int id = 1; id <= 5; ++id)
        Add(And({id, 0}, id));
    EXPECT_EQ(document.LocateById(5), (CVantrelDoc::Location{kMainList, 4}));
    document.DeleteById(2); // the cached place of id 5 is now stale
    EXPECT_EQ(document.LocateById(5), (CVantrelDoc::Location{kMainList, 3}));
    EXPECT_EQ(document.FindDirectById(5), document.MainAt(3));
    EXPECT_EQ(document.LocateById(2), CVantrelDoc::Location{});
}

TEST_F(Document, FindByIdFollowsIndirectElementsOnlyWhenAsked)
{
    Add(And({0, 0}, 1));
    Add(std::make_unique<TestIndirect>(Point{0, 1}, 2, 1));       // stands for 1
    Add(std::make_unique<TestIndirect>(Point{0, 2}, 3, 2));       // stands for 2
    Add(std::make_unique<TestIndirect>(Point{0, 3}, 4, 1, true)); // a breaker on 1
    LogElement* source = document.MainAt(0);
    EXPECT_EQ(document.FindDirectById(3), nullptr);
    EXPECT_EQ(document.FindById(3), document.IndirectAt(1));
    EXPECT_EQ(document.ResolveSource(3), source);
    EXPECT_EQ(document.ResolveSource(4), source);
    EXPECT_EQ(document.ResolveSourceUpToBreaker(4), nullptr);
    EXPECT_EQ(document.ResolveSource(99), nullptr);
}

TEST_F(Document, ACycleOfIndirectElementsResolvesToNothing)
{
    Add(std::make_unique<TestIndirect>(Point{0, 1}, 1, 2));
    Add(std::make_unique<TestIndirect>(Point{0, 2}, 2, 1));
    EXPECT_EQ(document.ResolveSource(1), nullptr);
    EXPECT_EQ(document.EncodeIndex(1), -1);
    EXPECT_EQ(notifier.Messages(),
              std::vector<std::string>{"Warning!: There is an unconnected input."});
}

TEST_F(Document, EncodeIndexGivesMainPositionsRegisterNumbersAndConstants)
{
    Add(And({0, 0}, 1));
    Add(And({0, 1}, 2));
    Add(std::make_unique<TestListed>(Point{1, 0}, 10, kAccumulatorList));
    Add(std::make_unique<TestListed>(Point{1, 1}, 11, kAccumulatorList));
    Add(std::make_unique<TestListed>(Point{1, 2}, 12, kNoOpList));
    Add(std::make_unique<TestListed>(Point{1, 3}, 13, kTimerList));
    Add(std::make_unique<TestListed>(Point{1, 4}, 14, kRegisterList, false)); // no register
    Add(std::make_unique<TestListed>(Point{1, 5}, 15, kRegisterList));
    Add(std::make_unique<TestListed>(Point{2, 0}, 20, kConstantList));
    Add(std::make_unique<TestListed>(Point{2, 1}, 21, kConstantList));
    Add(std::make_unique<TestIndirect>(Point{3, 0}, 30, 2));
    Add(std::make_unique<TestIndirect>(Point{3, 1}, 31, 15));
    Add(std::make_unique<TestListed>(Point{4, 0}, 40, kCommentList));
    struct Case
    {
        std::int32_t id;
        std::int32_t index;
    };
    for (Case c :
         {Case{1, 0}, Case{2, 1}, Case{10, 0}, Case{11, 1}, Case{12, 2}, Case{13, 3}, Case{14, 4},
          Case{15, 4}, Case{20, 0x100}, Case{21, 0x101}, Case{30, 1}, Case{31, 4}})
        EXPECT_EQ(document.EncodeIndex(c.id), c.index) << c.id;
    EXPECT_TRUE(notifier.Messages().empty());
    EXPECT_EQ(document.EncodeIndex(40), -1);
    EXPECT_EQ(document.EncodeIndex(0), -1);
    EXPECT_EQ(notifier.Messages().size(), 2u);
}

TEST_F(Document, MonitorListHoldsRegistersInMonitorOrder)
{
    Add(std::make_unique<TestListed>(Point{1, 0}, 5, kRegisterList));
    Add(std::make_unique<TestListed>(Point{1, 1}, 6, kRegisterList, false));
    Add(std::make_unique<TestListed>(Point{1, 2}, 7, kTimerList));
    Add(std::make_unique<TestListed>(Point{1, 3}, 8, kAccumulatorList));
    Add(std::make_unique<TestListed>(Point{1, 4}, 9, kNoOpList));
    std::vector<LogElement*> monitor{nullptr};
    document.MonitorList(monitor);
    std::vector<std::int32_t> ids;
    ids.reserve(monitor.size());
    for (LogElement* element : monitor)
        ids.push_back(element->id);
    EXPECT_EQ(ids, (std::vector<std::int32_t>{8, 9, 7, 5}));
    EXPECT_EQ(document.MonitorIndex(8), 0);
    EXPECT_EQ(document.MonitorIndex(5), 3);
    EXPECT_EQ(document.MonitorIndex(6), 0);
    EXPECT_EQ(document.MonitorIndex(77), 0);
}

TEST_F(Document, IoLabelIsTheNumberPlusOne)
{
    EXPECT_EQ(document.IoLabel(0, true), u"1");
    EXPECT_EQ(document.IoLabel(31, false), u"32");
}

TEST_F(Document, LoopSetHoldsElementsThatFeedEachOther)
{
    Add(And({0, 0}, 1, 2)); // 1 reads 2
    Add(And({0, 1}, 2, 1)); // 2 reads 1
    Add(And({0, 2}, 3, 1)); // 3 only reads the loop
    EXPECT_EQ(Loops(), (std::vector<std::int32_t>{1, 2}));
}

TEST_F(Document, CycleBreakerKeepsItsLoopOutOfTheSet)
{
    Add(And({0, 0}, 1, 10)); // 1 reads the breaker on 2
    Add(And({0, 1}, 2, 1));
    Add(std::make_unique<TestIndirect>(Point{1, 0}, 10, 2, true));
    EXPECT_TRUE(Loops().empty());
}

TEST_F(Document, MarkersInALoopAreTransparentAndNeverInTheSet)
{
    Add(And({0, 0}, 1, 11));                                  // 1 reads a marker chain to 2
    Add(And({0, 1}, 2, 1));                                   // 2 reads 1
    Add(std::make_unique<TestIndirect>(Point{1, 0}, 10, 2));  // "in marker" on 2
    Add(std::make_unique<TestIndirect>(Point{1, 1}, 11, 10)); // "out marker"
    EXPECT_EQ(Loops(), (std::vector<std::int32_t>{1, 2}));
}

TEST_F(Document, LoopSetFindsEveryMemberOfInterlockedLoops)
{
    // 1 reads 3 and 2; 2 reads 1 (loop 1-2); 3 reads 2 (loop 1-3-2). A
    // search that only looks back along its current path misses 3.
    Add(And({0, 0}, 1, 3, 2));
    Add(And({0, 1}, 2, 1));
    Add(And({0, 2}, 3, 2));
    EXPECT_EQ(Loops(), (std::vector<std::int32_t>{1, 2, 3}));
}

TEST_F(Document, ElementReadingItselfIsOnALoop)
{
    Add(And({0, 0}, 1, 1));
    Add(And({0, 1}, 2, 1, 404)); // a dangling id is ignored
    EXPECT_EQ(Loops(), std::vector<std::int32_t>{1});
}

TEST_F(Document, SetModifiedRebuildsTheLoopSet)
{
    Add(And({0, 0}, 1, 2));
    Add(And({0, 1}, 2, 1));
    EXPECT_EQ(document.LoopSet().size(), 2u);
    document.DeleteById(2);
    EXPECT_TRUE(document.LoopSet().empty());
}

TEST_F(Document, PushUndoMergesRepeatsAndKeepsAtMost128Records)
{
    auto record = [](UndoRecord::Kind kind, std::int32_t id) {
        return UndoRecord{kind, {std::shared_ptr<LogElement>(And({0, 0}, id))}, {}};
    };
    document.PushUndo(UndoRecord{UndoRecord::kChanged, {}, {}});
    EXPECT_TRUE(document.UndoStack().empty());
    document.PushUndo(record(UndoRecord::kChanged, 1));
    document.PushUndo(record(UndoRecord::kChanged, 1)); // merged into the first
    EXPECT_EQ(document.UndoStack().size(), 1u);
    document.PushUndo(record(UndoRecord::kDeleted, 1));
    EXPECT_EQ(document.UndoStack().size(), 2u);
    for (int id = 2; id < 300; ++id)
        document.PushUndo(record(UndoRecord::kChanged, id));
    EXPECT_EQ(document.UndoStack().size(), 128u);
    EXPECT_EQ(document.UndoStack().front().elements[0]->id, 172);
}

TEST(ElementIdHash, IsFnv1aOverTheLowByteFirst)
{
    // FNV-1a of the bytes 01 00 00 00.
    std::uint32_t expected = 0x811C9DC5u;
    for (std::uint8_t byte : {1, 0, 0, 0}) {
        expected ^= byte;
        expected *= 16777619u;
    }
    EXPECT_EQ(ElementIdHash{}(1), expected);
}

} // namespace
} // namespace vantrel
