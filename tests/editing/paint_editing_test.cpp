// Paint edits: double-click editing, flip and normalize, and the undo step
// that every kind of paint edit leaves on the one history it shares with the
// logic edits.
#include "editing/paint_editing.h"

#include "document/edit_transaction.h"
#include "document/vantrel_doc.h"
#include "editing/paint_tools.h"
#include "editing/selection.h"
#include "editing/view_state.h"
#include "elements/gates.h"
#include "paint/shapes.h"
#include "paint/text_stuff.h"
#include "support/paint_snapshot.h"
#include "support/recording_notifier.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace vantrel {
namespace {

using namespace command;

template <class Shape>
Shape& AddShape(CVantrelDoc& document, const FPoint& from, const FPoint& to, int page = 0)
{
    auto shape = std::make_unique<Shape>();
    shape->from = from;
    shape->to = to;
    shape->pageIndex = page;
    Shape& added = *shape;
    document.paintObjects.push_back(std::move(shape));
    return added;
}

class PaintEditing : public ::testing::Test
{
public:
    PaintEditing()
    {
        document.SetNotifier(&notifier);
        state.layoutMode = LayoutMode::Preview;
    }

    // A logic edit on the same history: a gate placed at (x, 0).
    void PlaceGate(int x)
    {
        EditTransaction edit(document, UndoRecord::kAdded);
        ASSERT_TRUE(edit.Insert(std::make_unique<LogAnd>(Point{x, 0}, x)));
        edit.Commit();
    }

    std::string Snapshot() { return test::PaintSnapshot(document.paintObjects); }

    void Undo()
    {
        std::vector<LogElement*> putBack;
        document.Undo(putBack);
        DropStalePaintSelection(document, state);
    }
    void Redo()
    {
        std::vector<LogElement*> putBack;
        document.Redo(putBack);
        DropStalePaintSelection(document, state);
    }

    test::RecordingNotifier notifier{MessageAnswer::Ok};
    CVantrelDoc document;
    test::ScriptedDialogs dialogs;
    ViewState state;
    const Rect client{0, 0, 800, 600};
};

TEST_F(PaintEditing, EveryKindOfPaintEditIsOneStepThatUndoAndRedoRestoreExactly)
{
    const struct
    {
        const char* name;
        std::function<void(PaintEditing&)> edit;
    } cases[] = {
        {"drag a shape",
         [](PaintEditing& t) {
             t.state.paintTool = kPaintEllipse;
             t.state.dragAnchor = {100, 100};
             DragPaintShape(t.state, {300, 200}, t.client);
             ReleasePaintTool(t.document, t.dialogs, t.state, {300, 200}, t.client, false);
         }},
        {"place a text",
         [](PaintEditing& t) {
             t.state.paintTool = kPaintFilledText;
             t.state.dragAnchor = {700, 500};
             ReleasePaintTool(t.document, t.dialogs, t.state, {700, 500}, t.client, false);
         }},
        {"move",
         [](PaintEditing& t) { EditPaintSelection(t.document, t.state, PaintKey::Left, false); }},
        {"scale",
         [](PaintEditing& t) { EditPaintSelection(t.document, t.state, PaintKey::WidenY, true); }},
        {"delete",
         [](PaintEditing& t) { EditPaintSelection(t.document, t.state, PaintKey::Delete, false); }},
        {"flip", [](PaintEditing& t) { FlipPaintSelection(t.document, t.state, false); }},
        {"normalize", [](PaintEditing& t) { NormalizePaintSelection(t.document, t.state); }},
        {"text and colours",
         [](PaintEditing& t) {
             EditPaintObjectAt(t.document, t.dialogs, t.state, {205, 155}, t.client);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        document.ResetDocument();
        document.paintObjects.clear();
        AddShape<Square>(document, {-0.9f, -0.9f}, {-0.1f, -0.1f}, 1);
        AddShape<Line>(document, {-0.5f, -0.5f}, {-0.495f, 0.5f});
        auto& text = AddShape<TextStuff>(document, {-0.5f, -0.5f}, {-1, -1});
        text.text = u"Tank";
        AddShape<FilledCircle>(document, {0.2f, 0.2f}, {0.6f, 0.3f}, 2);
        state.paintSelection = {document.paintObjects[1].get(), document.paintObjects[2].get()};

        PlaceGate(1);
        const std::string before = Snapshot();
        c.edit(*this);
        const std::string after = Snapshot();
        ASSERT_NE(after, before);
        EXPECT_TRUE(document.IsModified());
        PlaceGate(2);
        ASSERT_EQ(document.UndoStack().size(), 3u);

        Undo();
        EXPECT_EQ(document.MainCount(), 1);
        EXPECT_EQ(Snapshot(), after);
        Undo();
        EXPECT_EQ(Snapshot(), before);
        EXPECT_TRUE(state.paintSelection.empty()); // those objects left the document
        EXPECT_EQ(document.MainCount(), 1);
        Undo();
        EXPECT_EQ(document.MainCount(), 0);
        EXPECT_EQ(Snapshot(), before);

        Redo();
        Redo();
        EXPECT_EQ(Snapshot(), after);
        EXPECT_EQ(document.MainCount(), 1);
        Redo();
        EXPECT_EQ(document.MainCount(), 2);
        Undo();
        Undo();
        EXPECT_EQ(Snapshot(), before);
    }
}

TEST_F(PaintEditing, ALogicUndoKeepsThePaintSelection)
{
    AddShape<Square>(document, {-0.5f, -0.5f}, {0.5f, 0.5f});
    state.paintSelection = {document.paintObjects[0].get()};
    PlaceGate(3);
    Undo();
    EXPECT_EQ(state.paintSelection.size(), 1u);
}

TEST_F(PaintEditing, HeldKeysMakeOneStepPerPressAndLogicMovesStillMerge)
{
    AddShape<Square>(document, {-0.5f, -0.5f}, {0.5f, 0.5f});
    state.paintSelection = {document.paintObjects[0].get()};
    for (int press = 0; press < 3; ++press)
        EditPaintSelection(document, state, PaintKey::Right, press > 0);
    EXPECT_EQ(document.UndoStack().size(), 3u);
    EXPECT_FLOAT_EQ(document.paintObjects[0]->from.x, -0.5f + 0.001f + 0.016f);

    // An unrelated key or a refused deletion changes nothing to undo, but
    // still marks the design modified.
    document.SetModified(false);
    EditPaintSelection(document, state, PaintKey::Other, false);
    test::RecordingNotifier refusing{MessageAnswer::Cancel};
    document.SetNotifier(&refusing);
    EditPaintSelection(document, state, PaintKey::Delete, false);
    EXPECT_EQ(document.paintObjects.size(), 1u);
    EXPECT_EQ(document.UndoStack().size(), 3u);
    EXPECT_TRUE(document.IsModified());

    PlaceGate(1);
    state.logicSelection = {document.MainAt(0)};
    MoveLogicSelection(document, state, 1, 0);
    MoveLogicSelection(document, state, 1, 0);
    EXPECT_EQ(document.UndoStack().size(), 5u);
}

TEST_F(PaintEditing, DoubleClickEditsTheTextThenTheColoursOfTheTopmostObject)
{
    AddShape<Square>(document, {-1, -1}, {1, 1});
    auto& text = AddShape<FilledText>(document, {-0.5f, -0.5f}, {-1, -1});
    text.text = u"Old";
    AddShape<Circle>(document, {-0.5f, -0.5f}, {0.5f, 0.5f}, 1); // another page
    dialogs.text = {u"New", true};

    EXPECT_TRUE(EditPaintObjectAt(document, dialogs, state, {205, 155}, client));
    EXPECT_EQ(dialogs.calls, (std::vector<std::string>{R"(TextBox("Old", "", 0))",
                                                       "ElColorConfig(FilledText, #000000)"}));
    EXPECT_EQ(text.text, u"New");
    EXPECT_EQ(text.normalColor, Rgb(1, 2, 3));
    EXPECT_EQ(text.width, 4);
    EXPECT_EQ(document.UndoStack().size(), 1u);
    EXPECT_TRUE(document.IsModified());

    // A shape without text goes straight to its colours.
    dialogs.calls.clear();
    EXPECT_TRUE(EditPaintObjectAt(document, dialogs, state, {700, 500}, client));
    EXPECT_EQ(dialogs.calls, std::vector<std::string>{"ElColorConfig(Square, #000000)"});

    dialogs.calls.clear();
    state.currentPage = 3;
    EXPECT_FALSE(EditPaintObjectAt(document, dialogs, state, {400, 300}, client));
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(PaintEditing, CancellingTheColoursKeepsTheNewTextAndRestoresEveryColour)
{
    auto& text = AddShape<FilledText>(document, {-0.5f, -0.5f}, {-1, -1});
    text.text = u"Old";
    text.fillColors[1] = Rgb(9, 9, 9);
    const auto untouched = text.Clone();
    dialogs.text = {u"New", false};
    dialogs.colorEdit = [](PaintStuff& copy) { copy.activeColor = Rgb(7, 7, 7); };
    dialogs.cancelColors = true;

    EXPECT_TRUE(EditPaintObjectAt(document, dialogs, state, {205, 155}, client));
    EXPECT_EQ(text.text, u"New");
    static_cast<TextStuff&>(*untouched).text = u"New";
    std::vector<std::unique_ptr<PaintStuff>> expected;
    expected.push_back(untouched->Clone());
    EXPECT_EQ(Snapshot(), test::PaintSnapshot(expected));
    EXPECT_EQ(document.UndoStack().size(), 1u);

    // Both cancelled: nothing to undo and nothing to save.
    document.SetModified(false);
    dialogs.cancel = true;
    EXPECT_FALSE(EditPaintObjectAt(document, dialogs, state, {205, 155}, client));
    EXPECT_EQ(document.UndoStack().size(), 1u);
    EXPECT_FALSE(document.IsModified());
}

TEST_F(PaintEditing, FlipMirrorsTheSelectionAboutTheMiddleOfItsExtent)
{
    auto& line = AddShape<Line>(document, {-0.5f, 0}, {0.1f, 0});
    auto& square = AddShape<Square>(document, {0.3f, -0.8f}, {0.9f, -0.2f});
    EXPECT_FALSE(FlipPaintSelection(document, state, true)); // nothing selected
    EXPECT_TRUE(document.UndoStack().empty());

    state.paintSelection = {&line};
    EXPECT_TRUE(FlipPaintSelection(document, state, true));
    EXPECT_EQ(line.from, (FPoint{0.1f, 0}));
    EXPECT_EQ(line.to, (FPoint{-0.5f, 0}));
    EXPECT_TRUE(document.IsModified());

    // Vertically over two objects: y from -0.8 to 0, the middle -0.4.
    state.paintSelection = {&line, &square};
    EXPECT_TRUE(FlipPaintSelection(document, state, false));
    EXPECT_FLOAT_EQ(line.from.y, -0.8f);
    EXPECT_FLOAT_EQ(square.from.y, 0.0f);
    EXPECT_FLOAT_EQ(square.to.y, -0.6f);
    EXPECT_EQ(square.from.x, 0.3f);
    EXPECT_EQ(document.UndoStack().size(), 2u);
}

TEST_F(PaintEditing, NormalizeSnapsNearlyStraightLinesAndRecordsOnlyAChange)
{
    auto& steep = AddShape<Line>(document, {0.2f, -0.5f}, {0.205f, 0.5f});
    auto& slanted = AddShape<Line>(document, {0, 0}, {0.5f, 0.5f});
    auto& square = AddShape<Square>(document, {0.1f, 0.1f}, {0.105f, 0.9f});
    state.paintSelection = {&slanted, &square};
    EXPECT_FALSE(NormalizePaintSelection(document, state));
    EXPECT_TRUE(document.UndoStack().empty());
    EXPECT_FALSE(document.IsModified());

    state.paintSelection.push_back(&steep);
    EXPECT_TRUE(NormalizePaintSelection(document, state));
    EXPECT_EQ(steep.to, (FPoint{0.2f, 0.5f}));
    EXPECT_EQ(square.to.x, 0.105f);
    EXPECT_EQ(document.UndoStack().size(), 1u);
    EXPECT_TRUE(document.IsModified());
}

} // namespace
} // namespace vantrel
