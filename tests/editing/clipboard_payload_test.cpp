#include "editing/clipboard_payload.h"

#include "archive/archive.h"
#include "document/system_classes.h"
#include "document/vantrel_doc.h"
#include "editing/selection.h"
#include "editing/view_state.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "paint/shapes.h"
#include "support/archive_bytes.h"
#include "support/fake_image_codec.h"
#include "support/full_size_design.h"
#include "support/hex.h"
#include "support/recording_notifier.h"
#include "support/test_elements.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::ArchiveBytes;
using test::ToHex;
using Bytes = std::vector<std::uint8_t>;

// The payload of a paint object with every setting at its default, on the
// given page, from `from` to `to`.
ArchiveBytes& DefaultPaint(ArchiveBytes& bytes, std::int32_t page, FPoint from, FPoint to)
{
    return bytes
        .I32(8)        // version
        .I32(0)        // commandId
        .I32(0)        // activeId
        .I32(-1)       // commandNum
        .I32(-1)       // activeNum
        .I32(0x000000) // normalColor
        .I32(0x0000FF) // activeColor
        .I32(0)        // hasCommand
        .I32(0)        // hasActive
        .I32(1)        // width
        .I32(0)        // style
        .I32(0xFFFF00) // active2Color
        .I32(0)        // hasActive2
        .I32(-1)       // active2Num
        .I32(0)        // active2Id
        .I32(0)        // progressId
        .I32(0x0000FF) // progressColor
        .I32(1000)     // progressMax
        .I32(0)        // hasProgress
        .I32(0)        // activeNeg
        .I32(0)        // active2Neg
        .I32(page)     // pageIndex
        .Float(from.x)
        .Float(from.y)
        .Float(to.x)
        .Float(to.y);
}

template <class Shape> std::unique_ptr<PaintStuff> MakeShape(FPoint from, FPoint to)
{
    auto shape = std::make_unique<Shape>();
    shape->from = from;
    shape->to = to;
    return shape;
}

Bytes DesignBytes(CVantrelDoc& document)
{
    Bytes bytes;
    CArchive ar(StoreTo, bytes, SystemClasses());
    document.Serialize(ar, test::FakeImageCodec(), ImageFormat::Png);
    return bytes;
}

std::vector<std::int32_t> Ids(const std::vector<LogElement*>& elements)
{
    std::vector<std::int32_t> ids;
    for (const LogElement* element : elements)
        ids.push_back(element->id);
    return ids;
}

class Clipboard : public ::testing::Test
{
protected:
    void SetUp() override { document.SetNotifier(&notifier); }

    template <class Kind, class... Args> Kind& Add(Args&&... args)
    {
        auto element = std::make_unique<Kind>(std::forward<Args>(args)...);
        Kind& added = *element;
        EXPECT_TRUE(document.InsertElement(std::move(element)));
        return added;
    }

    PaintStuff& AddPaint(std::unique_ptr<PaintStuff> object)
    {
        document.paintObjects.push_back(std::move(object));
        return *document.paintObjects.back();
    }

    bool Paste(std::span<const std::uint8_t> payload)
    {
        return PastePayload(document, state, payload);
    }

    // Every element of the document, as the eight lists' payload.
    Bytes AllElements()
    {
        SelectAllLogic(document, state);
        return LogicPayload(document, state.logicSelection);
    }

    test::RecordingNotifier notifier;
    CVantrelDoc document;
    ViewState state;
};

TEST_F(Clipboard, LogicPayloadWritesTheSelectedElementsListByList)
{
    LogAnd& gate = Add<LogAnd>(Point{1, 2}, 5);
    gate.inputs = {9, 0, 0, 0};
    Add<LogOr>(Point{2, 2}, 7); // not selected
    Acc& accumulator = Add<Acc>(Point{3, 4}, 6, u"A", 1);

    // The selection's own order does not matter: each list keeps the document's.
    const Bytes payload = LogicPayload(document, {&accumulator, &gate});

    const Bytes expected = ArchiveBytes()
                               .Word(1) // list 0
                               .NewClass("LogAnd")
                               .Base(11, 1, 2, 5)
                               .I32(9)
                               .I32(0)
                               .EmptyList() // list 1
                               .EmptyList() // list 2
                               .Word(1)     // list 3
                               .NewClass("Acc")
                               .I32(3)
                               .I32(4)
                               .I32(6)
                               .Text(u"A")
                               .I32(1)
                               .EmptyList() // lists 4 to 7
                               .EmptyList()
                               .EmptyList()
                               .EmptyList()
                               .Bytes();
    EXPECT_EQ(ToHex(payload), ToHex(expected));
}

TEST_F(Clipboard, PaintPayloadWritesTheSelectionInSelectionOrder)
{
    PaintStuff& square = AddPaint(MakeShape<FilledSquare>({-0.5f, -0.25f}, {0.5f, 0.75f}));
    PaintStuff& line = AddPaint(MakeShape<Line>({0.25f, 0.5f}, {-1.0f, 1.0f}));
    line.pageIndex = 2;

    const Bytes payload = PaintPayload({&line, &square});

    ArchiveBytes expected;
    expected.Word(2).NewClass("Line");
    DefaultPaint(expected, 2, {0.25f, 0.5f}, {-1.0f, 1.0f}).NewClass("FilledSquare");
    DefaultPaint(expected, 0, {-0.5f, -0.25f}, {0.5f, 0.75f})
        .I32(0x646464) // fill colours by state
        .I32(0x000064)
        .I32(0x00FF00);
    EXPECT_EQ(ToHex(payload), ToHex(expected.Bytes()));
}

TEST_F(Clipboard, PastedElementsTakeNewIdsAndLoseWiresToWhatStayedBehind)
{
    Add<LogIn>(Point{0, 0}, 1, 4, u"In");
    LogAnd& gate = Add<LogAnd>(Point{1, 5}, 2);
    gate.inputs = {1, 1, 0, 0};
    Add<Acc>(Point{4, 3}, 3, u"A", 0);
    SelectAllLogic(document, state);
    const Bytes payload = LogicPayload(document, state.logicSelection);

    CVantrelDoc target;
    target.nextElementId = 57;
    ViewState view;
    view.origin = {10, 20};
    ASSERT_TRUE(PastePayload(target, view, payload));

    // The input is never pasted; the gate of list 0 takes the first id, and
    // its inputs, fed by the input left behind, are unconnected.
    EXPECT_EQ(Ids(view.logicSelection), (std::vector<std::int32_t>{57, 58}));
    EXPECT_EQ(target.MainCount(), 1);
    const LogElement* pastedGate = target.FindById(57);
    ASSERT_NE(pastedGate, nullptr);
    EXPECT_EQ(pastedGate->inputs[0], 0);
    EXPECT_EQ(pastedGate->inputs[1], 0);
    // The group's top-left corner (1, 3) lands one cell inside the view's corner.
    EXPECT_EQ(pastedGate->pos, (Point{11, 23}));
    EXPECT_EQ(target.FindById(58)->pos, (Point{14, 21}));
    EXPECT_EQ(target.elements[kAccumulatorList].size(), 1u);
    EXPECT_EQ(target.nextElementId, 59);
}

TEST_F(Clipboard, ABlockTakesTheIdsItsElementsNameOfEachOtherAlongTheClipboardKeepsThem)
{
    Add<Acc>(Point{0, 0}, 1, u"Count", 0);
    Add<AccOp>(Point{1, 0}, 2, 0, 1);
    Add<Acc>(Point{0, 2}, 3, u"Other", 0);
    Add<AccOp>(Point{1, 2}, 4, 0, 3);
    const Bytes both = LogicPayload(document, {document.FindById(1), document.FindById(2)});
    const Bytes alone = LogicPayload(document, {document.FindById(4)});
    // The register list comes before the accumulators: the operation takes
    // the first new id, its accumulator the second.
    const auto operationAt = [&](std::int32_t id) {
        EXPECT_STREQ(document.FindById(id)->ClassName(), "AccOp");
        return static_cast<const AccOp*>(document.FindById(id))->accId;
    };
    document.nextElementId = 10;
    ASSERT_TRUE(PasteBlockPayload(document, state, both));
    EXPECT_EQ(operationAt(10), 11);
    ASSERT_TRUE(PasteBlockPayload(document, state, alone));
    EXPECT_EQ(operationAt(12), 3);
    ASSERT_TRUE(Paste(both));
    EXPECT_EQ(operationAt(13), 1);
}

TEST_F(Clipboard, ConnectedGatesPasteWiredToEachOtherOnTheSameCellsEachTime)
{
    Add<LogAnd>(Point{5, 7}, 3);
    LogOr& consumer = Add<LogOr>(Point{6, 9}, 4);
    consumer.inputs = {3, 3, 0, 0};
    document.nextElementId = 10;
    state.logicSelection = {document.FindById(3), document.FindById(4)};
    const Bytes payload = LogicPayload(document, state.logicSelection);

    ASSERT_TRUE(Paste(payload));
    EXPECT_EQ(Ids(state.logicSelection), (std::vector<std::int32_t>{10, 11}));
    ASSERT_TRUE(Paste(payload));
    EXPECT_EQ(Ids(state.logicSelection), (std::vector<std::int32_t>{12, 13}));

    for (std::int32_t first : {10, 12}) {
        const LogElement* gate = document.FindById(first);
        const LogElement* pastedConsumer = document.FindById(first + 1);
        EXPECT_EQ(gate->pos, (Point{1, 1})) << first;
        EXPECT_EQ(pastedConsumer->pos, (Point{2, 3})) << first;
        EXPECT_EQ(pastedConsumer->inputs[0], first);
        EXPECT_EQ(pastedConsumer->inputs[1], first);
    }
    EXPECT_EQ(consumer.inputs[0], 3);
    // One "added" record per paste, holding every pasted element.
    ASSERT_EQ(document.UndoStack().size(), 2u);
    EXPECT_EQ(document.UndoStack().back().kind, UndoRecord::kAdded);
    EXPECT_EQ(document.UndoStack().back().elements.size(), 2u);
    EXPECT_TRUE(document.IsModified());
}

TEST_F(Clipboard, UndoAndRedoOfLogicPastesRestoreTheElementsExactly)
{
    LogAnd& gate = Add<LogAnd>(Point{0, 0}, 1);
    Add<LogNot>(Point{1, 0}, 2).inputs[0] = 1;
    gate.inputs[0] = 2;
    document.nextElementId = 3;
    const Bytes payload = AllElements();
    const Bytes before = AllElements();

    // The second paste covers the first one's cells.
    ASSERT_TRUE(Paste(payload));
    ASSERT_TRUE(Paste(payload));
    const Bytes after = AllElements();

    std::vector<LogElement*> selection;
    document.Undo(selection);
    document.Undo(selection);
    EXPECT_EQ(ToHex(AllElements()), ToHex(before));
    document.Redo(selection);
    document.Redo(selection);
    EXPECT_EQ(ToHex(AllElements()), ToHex(after));
}

// Ids are never handed out twice nor wrapped: a paste that needs more ids
// than are left is refused as a whole, with a message.
TEST_F(Clipboard, APasteNeedsANewIdForEveryElementAndIsRefusedWhenTooFewAreLeft)
{
    constexpr std::int32_t kLargest = CVantrelDoc::kLargestElementId;
    Add<LogAnd>(Point{0, 0}, 1);
    Add<LogNot>(Point{1, 0}, 2).inputs[0] = 1;
    const Bytes two = AllElements();
    state.logicSelection.resize(1);
    const Bytes one = LogicPayload(document, state.logicSelection);
    const std::string refused =
        "Vantrel v2: This design has used up its element ids: every element gets an id of its "
        "own, up to 2147483647, and too few are left for the new elements. Nothing was added. "
        "Copy the elements you need into a new design and go on there.";

    // Two ids left: a paste of two takes them, and then nothing more fits.
    document.nextElementId = kLargest - 1;
    ASSERT_TRUE(Paste(two));
    EXPECT_EQ(Ids(state.logicSelection), (std::vector<std::int32_t>{kLargest - 1, kLargest}));
    EXPECT_EQ(document.ElementIdsLeft(), 0);
    const Bytes full = DesignBytes(document);
    const std::size_t steps = document.UndoStack().size();
    EXPECT_FALSE(Paste(one));
    EXPECT_EQ(notifier.Messages(), std::vector<std::string>{refused});
    EXPECT_EQ(ToHex(DesignBytes(document)), ToHex(full));
    EXPECT_EQ(document.nextElementId, std::int64_t(kLargest) + 1);
    EXPECT_EQ(document.UndoStack().size(), steps);

    // One id left is too few for two elements: nothing of them goes in.
    notifier.Clear();
    CVantrelDoc target(&notifier);
    target.nextElementId = kLargest;
    ViewState view;
    EXPECT_FALSE(PastePayload(target, view, two));
    EXPECT_EQ(notifier.Messages(), std::vector<std::string>{refused});
    EXPECT_EQ(target.MainCount(), 0);
    EXPECT_EQ(target.nextElementId, kLargest);
    EXPECT_FALSE(target.IsModified());
}

TEST_F(Clipboard, PastedFiguresGoBeneathAndLinesOnTopCentredOnTheCurrentPage)
{
    AddPaint(MakeShape<Line>({-1.0f, -1.0f}, {1.0f, 1.0f}));
    auto square = MakeShape<Square>({0.25f, 0.25f}, {0.75f, 0.5f});
    auto line = MakeShape<Line>({0.25f, 0.375f}, {0.875f, 0.375f});
    auto circle = MakeShape<FilledCircle>({0.5f, 0.25f}, {0.75f, 0.5f});
    const Bytes payload = PaintPayload({square.get(), line.get(), circle.get()});
    state.layoutMode = LayoutMode::Preview;
    state.currentPage = 2;
    const Bytes before = DesignBytes(document);

    ASSERT_TRUE(Paste(payload));

    const auto& objects = document.paintObjects;
    ASSERT_EQ(objects.size(), 4u);
    // Each figure went to the front in turn; the line went to the end.
    EXPECT_STREQ(objects[0]->ClassName(), "FilledCircle");
    EXPECT_STREQ(objects[1]->ClassName(), "Square");
    EXPECT_EQ(objects[2]->pageIndex, 0);
    EXPECT_STREQ(objects[3]->ClassName(), "Line");
    EXPECT_EQ(state.paintSelection,
              (std::vector<PaintStuff*>{objects[1].get(), objects[3].get(), objects[0].get()}));
    // The group spans (0.25, 0.25)-(0.875, 0.5); its centre moves to (0, 0).
    EXPECT_EQ(objects[1]->from, (FPoint{-0.3125f, -0.125f}));
    EXPECT_EQ(objects[1]->to, (FPoint{0.1875f, 0.125f}));
    EXPECT_EQ(objects[3]->to, (FPoint{0.3125f, 0.0f}));
    for (std::size_t i : {0, 1, 3})
        EXPECT_EQ(objects[i]->pageIndex, 2);

    // One record that undo and redo exchange with the paint list.
    ASSERT_EQ(document.UndoStack().size(), 1u);
    const Bytes after = DesignBytes(document);
    std::vector<LogElement*> selection;
    document.Undo(selection);
    EXPECT_EQ(ToHex(DesignBytes(document)), ToHex(before));
    document.Redo(selection);
    EXPECT_EQ(ToHex(DesignBytes(document)), ToHex(after));
}

TEST_F(Clipboard, CopyFollowsTheLayoutModeAndNeedsASelection)
{
    LogAnd& gate = Add<LogAnd>(Point{0, 0}, 1);
    PaintStuff& line = AddPaint(MakeShape<Line>({0, 0}, {1, 1}));
    EXPECT_FALSE(CopySelection(document, state));
    state.logicSelection = {&gate};
    EXPECT_EQ(CopySelection(document, state), LogicPayload(document, {&gate}));
    EXPECT_EQ(ClipboardFormat(state), std::u16string(u"Vantrel logic data"));

    state.layoutMode = LayoutMode::Preview;
    EXPECT_FALSE(CopySelection(document, state));
    state.paintSelection = {&line};
    EXPECT_EQ(CopySelection(document, state), PaintPayload({&line}));
    EXPECT_EQ(ClipboardFormat(state), std::u16string(u"Vantrel paint data"));
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST_F(Clipboard, ACopyThatCannotBeMadeIsReported)
{
    // A class this program cannot store (one of the tests' own).
    state.logicSelection = {&Add<test::TestListed>(Point{0, 0}, 1, kMainList)};
    EXPECT_FALSE(CopySelection(document, state));
    EXPECT_EQ(
        notifier.Messages(),
        std::vector<std::string>{"Vantrel v2: an unnamed file contained an unexpected object."});
}

TEST_F(Clipboard, PayloadPaddedByAnotherProgramPastesToo)
{
    Add<LogAnd>(Point{0, 0}, 1);
    Bytes payload = AllElements();
    payload.resize(262144, 0xCD);
    document.nextElementId = 2;
    ASSERT_TRUE(Paste(payload));
    EXPECT_EQ(Ids(state.logicSelection), (std::vector<std::int32_t>{2}));
}

// A payload that cannot be read is told with the archive's words and leaves
// the document, its history and the selection as they were.
class DamagedPayload : public Clipboard
{
protected:
    void SetUp() override
    {
        Clipboard::SetUp();
        Add<LogAnd>(Point{0, 0}, 1);
        AddPaint(MakeShape<Line>({0, 0}, {1, 1}));
        document.nextElementId = 2;
        document.SetModified(false);
        state.logicSelection = {document.FindById(1)};
        state.paintSelection = {document.paintObjects[0].get()};
    }

    // `message` empty: any one message.
    void ExpectRefused(std::span<const std::uint8_t> payload, const std::string& message)
    {
        const Bytes before = DesignBytes(document);
        const std::vector<LogElement*> logicSelection = state.logicSelection;
        const std::vector<PaintStuff*> paintSelection = state.paintSelection;
        notifier.Clear();
        EXPECT_FALSE(Paste(payload));
        ASSERT_EQ(notifier.Messages().size(), 1u);
        if (!message.empty()) {
            EXPECT_EQ(notifier.Messages()[0], message);
        }
        EXPECT_EQ(ToHex(DesignBytes(document)), ToHex(before));
        EXPECT_TRUE(document.UndoStack().empty());
        EXPECT_FALSE(document.IsModified());
        EXPECT_EQ(state.logicSelection, logicSelection);
        EXPECT_EQ(state.paintSelection, paintSelection);
    }
};

TEST_F(DamagedPayload, EveryTruncatedLogicPayloadIsRefused)
{
    Add<LogOr>(Point{1, 0}, 5).inputs[0] = 1;
    const Bytes payload = AllElements();
    document.SetModified(false);
    for (std::size_t length = 0; length < payload.size(); ++length) {
        SCOPED_TRACE(length);
        // Past its end, or a class name cut short.
        ExpectRefused(std::span(payload).first(length), {});
    }
}

TEST_F(DamagedPayload, HostileContentIsRefused)
{
    const std::string unexpected = "Vantrel v2: an unnamed file contained an unexpected object.";
    auto gateIn = [](int list) {
        ArchiveBytes bytes;
        for (int k = 0; k < kElementListCount; ++k) {
            if (k != list) {
                bytes.EmptyList();
                continue;
            }
            bytes.Word(1).NewClass("LogAnd").Base(11, 0, 0, 9).I32(0).I32(0);
        }
        return bytes.Bytes();
    };
    struct Case
    {
        const char* name;
        LayoutMode mode;
        Bytes payload;
        std::string message;
    };
    const Case cases[] = {
        {"a gate in the accumulator list", LayoutMode::Design, gateIn(kAccumulatorList),
         unexpected},
        {"an element in the paint payload", LayoutMode::Preview, gateIn(0), unexpected},
        {"a point in the paint payload", LayoutMode::Preview,
         ArchiveBytes().Word(1).NewClass("FPoint").Float(0).Float(0).Bytes(), unexpected},
        {"an unknown class", LayoutMode::Design, ArchiveBytes().Word(1).NewClass("Evil").Bytes(),
         unexpected},
        {"a list count beyond the payload", LayoutMode::Design,
         ArchiveBytes().Word(0xFFFF).I32(0x7FFFFFFF).Bytes(),
         "Vantrel v2: Attempted to access an unnamed file past its end."},
        {"one line twice (a back reference)", LayoutMode::Preview,
         [] {
             ArchiveBytes bytes;
             bytes.Word(2).NewClass("Line");
             return DefaultPaint(bytes, 0, {0, 0}, {1, 1}).Word(2).Bytes();
         }(),
         "Vantrel v2: an unnamed file has a bad format."},
        {"a gate far beyond the grid", LayoutMode::Design,
         [] {
             ArchiveBytes bytes;
             bytes.Word(2).NewClass("LogAnd").Base(11, -2147483647, 0, 1).I32(0).I32(0);
             bytes.ClassRef(1).Base(11, 2147483647, 0, 2).I32(0).I32(0);
             for (int k = 1; k < kElementListCount; ++k)
                 bytes.EmptyList();
             return bytes.Bytes();
         }(),
         "Vantrel v2: an unnamed file has a bad format."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        state.layoutMode = c.mode;
        ExpectRefused(c.payload, c.message);
    }
}

TEST(ClipboardFullSize, TheWholeDesignCopiesAndPastesAndDamageIsRefused)
{
    test::RecordingNotifier notifier;
    CVantrelDoc source;
    test::FillFullSizeDesign(source);
    ViewState state;
    SelectAllLogic(source, state);
    ASSERT_EQ(source.MainCount(), 12228);
    std::size_t ioElements = 0;
    for (const LogElement* element : state.logicSelection)
        ioElements += dynamic_cast<const LogIO*>(element) ? 1 : 0;

    // Far larger than any fixed clipboard block.
    const Bytes payload = LogicPayload(source, state.logicSelection);
    EXPECT_GT(payload.size(), 262144u);

    CVantrelDoc target(&notifier);
    ViewState view;
    ASSERT_TRUE(PastePayload(target, view, payload));
    EXPECT_EQ(view.logicSelection.size(), state.logicSelection.size() - ioElements);
    EXPECT_EQ(target.nextElementId, std::int32_t(1 + view.logicSelection.size()));

    Bytes truncated(payload.begin(), payload.begin() + std::ptrdiff_t(payload.size() / 2));
    Bytes flipped = payload;
    const std::size_t firstTag = flipped[0] == 0xFF && flipped[1] == 0xFF ? 6 : 2;
    flipped[firstTag] ^= 0x01; // the first class record becomes a reference to nothing
    Bytes inflated = ArchiveBytes().Word(0xFFFF).I32(0x10000000).Bytes();
    inflated.insert(inflated.end(), payload.begin() + std::ptrdiff_t(firstTag), payload.end());
    CVantrelDoc untouched(&notifier);
    for (const Bytes* damaged : {&truncated, &flipped, &inflated}) {
        notifier.Clear();
        EXPECT_FALSE(PastePayload(untouched, view, *damaged));
        EXPECT_EQ(notifier.Messages().size(), 1u);
        EXPECT_EQ(untouched.MainCount(), 0);
        EXPECT_TRUE(untouched.UndoStack().empty());
    }
}

} // namespace
} // namespace vantrel
