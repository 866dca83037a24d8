// Decorating preview pages in the real main window: the paint tools, flip,
// double click and undo driven with mouse events on the view and the
// window's own menu commands and shortcuts.
#include "window_session.h"

#include "paint/shapes.h"
#include "paint/text_stuff.h"
#include "support/paint_snapshot.h"

namespace vantrel {
namespace {

using namespace command;

class PaintSession : public test::WindowSession
{
protected:
    void SetUp() override
    {
        WindowSession::SetUp();
        ASSERT_TRUE(Frame().RunCommand(kLayoutPreview));
    }

    Rect Client() { return {0, 0, Canvas()->width(), Canvas()->height()}; }
    // The device point of a normalized point.
    QPoint At(float x, float y)
    {
        const Point device = FPoint{x, y}.ToDevice(Client());
        return {device.x, device.y};
    }

    void Drag(int tool, QPoint from, QPoint to)
    {
        ASSERT_TRUE(Frame().RunCommand(tool));
        StartDrag(from, to);
        QTest::mouseRelease(Canvas(), Qt::LeftButton, {}, to);
    }

    std::string Classes()
    {
        std::string names;
        for (const auto& object : Document().paintObjects)
            names += std::string(names.empty() ? "" : " ") + object->ClassName();
        return names;
    }

    std::vector<PaintStuff*> Only(std::size_t index)
    {
        return {Document().paintObjects.at(index).get()};
    }

    void PressShortcut(int key) { QTest::keyClick(&Frame(), Qt::Key(key), Qt::ControlModifier); }
};

TEST_F(PaintSession, AnEllipseDrawnOverARectangleLiesBeneathIt)
{
    Drag(kPaintRectangle, At(-0.5f, -0.5f), At(0.5f, 0.5f));
    Drag(kPaintEllipse, At(-0.5f, -0.5f), At(0.5f, 0.5f));
    EXPECT_EQ(Classes(), "Circle Square");
    EXPECT_EQ(Document().paintObjects[0]->to, Document().paintObjects[1]->to);
    EXPECT_EQ(State().underConstruction, nullptr);
    EXPECT_TRUE(Document().IsModified());
}

TEST_F(PaintSession, ARectangleOfPageTwoIsNeitherShownNorHitOnPageOne)
{
    dialogs.number = 2;
    ASSERT_TRUE(Frame().RunCommand(kPageSetCount));
    ASSERT_EQ(State().currentPage, 1);
    ASSERT_TRUE(Frame().RunCommand(kPageLeft));
    const QImage emptyPageOne = Canvas()->grab().toImage();

    ASSERT_TRUE(Frame().RunCommand(kPageRight));
    Drag(kPaintFilledRectangle, At(-0.5f, -0.5f), At(0.5f, 0.5f));
    ASSERT_EQ(Document().paintObjects.size(), 1u);
    EXPECT_EQ(Document().paintObjects[0]->pageIndex, 1);

    ASSERT_TRUE(Frame().RunCommand(kPageLeft));
    EXPECT_EQ(Canvas()->grab().toImage(), emptyPageOne);
    Click(kPaintSelect, At(0, 0));
    EXPECT_TRUE(State().paintSelection.empty());
    ASSERT_TRUE(Frame().RunCommand(kPageRight));
    Click(kPaintSelect, At(0, 0));
    EXPECT_EQ(State().paintSelection, Only(0));
}

TEST_F(PaintSession, ReleasingWithBothButtonsHeldCreatesNothingAndKeepsTheSelection)
{
    Drag(kPaintRectangle, At(-0.5f, -0.5f), At(0.5f, 0.5f));
    Click(kPaintSelect, At(0, 0));
    ASSERT_EQ(State().paintSelection, Only(0));

    ASSERT_TRUE(Frame().RunCommand(kPaintLine));
    QTest::mousePress(Canvas(), Qt::LeftButton, {}, At(-0.9f, -0.9f));
    Move(At(0.9f, 0.9f), Qt::LeftButton);
    ASSERT_NE(State().underConstruction, nullptr);
    QTest::mousePress(Canvas(), Qt::RightButton, {}, At(0.9f, 0.9f));
    QMouseEvent release(QEvent::MouseButtonRelease, At(0.9f, 0.9f), At(0.9f, 0.9f), Qt::LeftButton,
                        Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(Canvas(), &release);
    QTest::mouseRelease(Canvas(), Qt::RightButton, {}, At(0.9f, 0.9f));

    EXPECT_EQ(Classes(), "Square");
    EXPECT_EQ(State().underConstruction, nullptr);
    EXPECT_EQ(State().paintSelection, Only(0));
}

TEST_F(PaintSession, ClicksSelectFirstAndOnlyAnAcceptedTextIsPlaced)
{
    Drag(kPaintRectangle, At(-0.5f, -0.5f), At(0.5f, 0.5f));

    // A Line click on the rectangle selects it and draws nothing.
    Click(kPaintLine, At(0, 0));
    EXPECT_EQ(Classes(), "Square");
    EXPECT_EQ(State().paintSelection, Only(0));

    // A cancelled text, then an empty one: nothing placed, the click still selects.
    for (bool cancel : {true, false}) {
        dialogs.cancel = cancel;
        dialogs.text = {u"", false};
        Click(kPaintSelect, At(0.9f, 0.9f));
        ASSERT_TRUE(State().paintSelection.empty());
        Click(kPaintText, At(0.1f, 0.1f));
        EXPECT_EQ(Classes(), "Square");
        EXPECT_EQ(State().paintSelection, Only(0));
    }

    dialogs.cancel = false;
    dialogs.text = {u"Tank", false};
    Click(kPaintFilledText, At(0.1f, 0.1f));
    EXPECT_EQ(Classes(), "Square FilledText");
    EXPECT_EQ(*Document().paintObjects[1]->TextRef(), u"Tank");
    EXPECT_EQ(dialogs.calls.size(), 3u);
}

TEST_F(PaintSession, FlipHorizontallyMirrorsTheSelectedLineAboutItsMiddle)
{
    auto line = std::make_unique<Line>();
    line->from = {-0.5f, 0};
    line->to = {0.1f, 0};
    Document().paintObjects.push_back(std::move(line));
    EXPECT_TRUE(Frame().IsCommandEnabled(kFlipHorizontally));
    EXPECT_FALSE(Frame().IsCommandEnabled(kNormalize));

    Click(kPaintSelect, At(-0.2f, 0));
    ASSERT_EQ(State().paintSelection, Only(0));
    EXPECT_TRUE(Frame().IsCommandEnabled(kNormalize));
    ASSERT_TRUE(Frame().RunCommand(kFlipHorizontally));
    EXPECT_EQ(Document().paintObjects[0]->from, (FPoint{0.1f, 0}));
    EXPECT_EQ(Document().paintObjects[0]->to, (FPoint{-0.5f, 0}));
    EXPECT_TRUE(Document().IsModified());

    ASSERT_TRUE(Frame().RunCommand(kLayoutDesign));
    for (int id : {kFlipHorizontally, kFlipVertically, kNormalize})
        EXPECT_FALSE(Frame().IsCommandEnabled(id)) << id;
}

TEST_F(PaintSession, DoubleClickKeepsTheNewTextWhenTheColoursAreCancelled)
{
    auto text = std::make_unique<TextStuff>();
    text->from = {0, 0};
    text->text = u"Old";
    text->normalColor = Rgb(0, 0, 200);
    Document().paintObjects.push_back(std::move(text));
    dialogs.text = {u"New", false};
    dialogs.colorEdit = [](PaintStuff& copy) { copy.normalColor = Rgb(200, 0, 0); };
    dialogs.cancelColors = true;

    QTest::mouseDClick(Canvas(), Qt::LeftButton, {}, At(0, 0) + QPoint(3, 3));
    const PaintStuff& edited = *Document().paintObjects[0];
    EXPECT_EQ(*edited.TextRef(), u"New");
    EXPECT_EQ(edited.normalColor, Rgb(0, 0, 200));
    EXPECT_EQ(dialogs.calls.back(), "ElColorConfig(TextStuff, #0000c8)");
    EXPECT_TRUE(Document().IsModified());
}

TEST_F(PaintSession, CtrlZAndCtrlYStepThroughPaintAndLogicEditsOnOneHistory)
{
    ASSERT_TRUE(Frame().RunCommand(kLayoutDesign));
    ASSERT_TRUE(Frame().RunCommand(kFirstElementTool)); // And
    QTest::mouseClick(Canvas(), Qt::LeftButton, {}, QPoint(80, 80));
    ASSERT_EQ(Document().MainCount(), 1);
    ASSERT_TRUE(Frame().RunCommand(kLayoutPreview));
    EXPECT_FALSE(Frame().IsCommandEnabled(kEditUndo)); // a logic step is next

    Drag(kPaintRectangle, At(-0.5f, -0.5f), At(0.5f, 0.5f));
    const std::string drawn = test::PaintSnapshot(Document().paintObjects);
    Click(kPaintSelect, At(0, 0));
    QTest::keyClick(&View(), Qt::Key_D);
    ASSERT_EQ(State().paintSelection, Only(0));

    PressShortcut(Qt::Key_Z);
    EXPECT_EQ(test::PaintSnapshot(Document().paintObjects), drawn);
    EXPECT_TRUE(State().paintSelection.empty());
    PressShortcut(Qt::Key_Z);
    EXPECT_TRUE(Document().paintObjects.empty());
    PressShortcut(Qt::Key_Z); // disabled here: the placed gate stays
    EXPECT_EQ(Document().MainCount(), 1);
    PressShortcut(Qt::Key_Y);
    EXPECT_EQ(test::PaintSnapshot(Document().paintObjects), drawn);

    ASSERT_TRUE(Frame().RunCommand(kLayoutDesign));
    PressShortcut(Qt::Key_Z);
    EXPECT_TRUE(Document().paintObjects.empty());
    PressShortcut(Qt::Key_Z);
    EXPECT_EQ(Document().MainCount(), 0);
    PressShortcut(Qt::Key_Y);
    PressShortcut(Qt::Key_Y);
    EXPECT_EQ(Document().MainCount(), 1);
    EXPECT_EQ(test::PaintSnapshot(Document().paintObjects), drawn);
}

} // namespace
} // namespace vantrel
