// Esc in the real main window drops what the mouse has under way and then
// turns the tool back to Select, in both layout modes.
#include "window_session.h"

namespace vantrel {
namespace {

using namespace command;

class EscapeTest : public test::WindowSession
{
protected:
    void Escape() { QTest::keyClick(&View(), Qt::Key_Escape); }

    // Whether the window shows the tool as the chosen one.
    bool ToolChecked(int tool) { return Frame().CommandAction(tool)->isChecked(); }
};

TEST_F(EscapeTest, APlacingToolGoesBackToSelectAndTheNextClickPlacesNothing)
{
    ASSERT_TRUE(Frame().RunCommand(kFirstElementTool)); // And
    ASSERT_TRUE(ToolChecked(kFirstElementTool));
    Escape();
    EXPECT_TRUE(ToolChecked(kToolSelect));
    EXPECT_FALSE(ToolChecked(kFirstElementTool));
    QTest::mouseClick(Canvas(), Qt::LeftButton, {}, {240, 160});
    EXPECT_EQ(Document().MainCount(), 0);
    EXPECT_TRUE(State().logicSelection.empty());
}

TEST_F(EscapeTest, ARubberBandIsDroppedAndItsReleaseSelectsNothing)
{
    Click(kFirstElementTool, {80, 80});
    Click(kFirstElementTool, {240, 80});
    ASSERT_EQ(Document().MainCount(), 2);
    ASSERT_TRUE(Frame().RunCommand(kToolSelect));

    StartDrag({20, 20}, {300, 140});
    ASSERT_TRUE(State().rubberBandCorner);
    Escape();
    EXPECT_FALSE(State().rubberBandCorner);
    // Further moves of the same press bring no band back.
    StartDrag({300, 140}, {320, 160});
    QTest::mouseRelease(Canvas(), Qt::LeftButton, {}, {320, 160});
    EXPECT_TRUE(State().logicSelection.empty());
    EXPECT_FALSE(State().rubberBandCorner);

    // The next press is a gesture of its own again.
    StartDrag({20, 20}, {300, 140});
    QTest::mouseRelease(Canvas(), Qt::LeftButton, {}, {300, 140});
    EXPECT_EQ(State().logicSelection.size(), 2u);
}

TEST_F(EscapeTest, AConnectionBeingDrawnIsAbandonedThenTheToolGoesBackToSelect)
{
    Click(kFirstElementTool, {80, 80});  // And, id 1, output at (100, 80)
    Click(kFirstElementTool, {240, 80}); // And, id 2, input 0 at (220, 73)
    ASSERT_TRUE(Frame().RunCommand(kToolConnect));
    const std::size_t steps = Document().UndoStack().size();

    StartDrag({100, 80}, {220, 73});
    ASSERT_TRUE(State().connectionPreviewEnd);
    Escape();
    EXPECT_FALSE(State().connectionPreviewEnd);
    QTest::mouseRelease(Canvas(), Qt::LeftButton, {}, {220, 73});
    EXPECT_EQ(Document().FindById(2)->inputs[0], 0);
    EXPECT_EQ(Document().UndoStack().size(), steps);
    // Dropping the drag keeps the tool for another try; the next Esc ends it.
    EXPECT_TRUE(ToolChecked(kToolConnect));
    Escape();
    EXPECT_TRUE(ToolChecked(kToolSelect));
}

TEST_F(EscapeTest, AShapeBeingDraggedOutIsDroppedAndAPaintToolGoesBackToSelect)
{
    ASSERT_TRUE(Frame().RunCommand(kLayoutPreview));
    ASSERT_TRUE(Frame().RunCommand(kPaintRectangle));
    StartDrag({100, 100}, {300, 200});
    ASSERT_TRUE(State().underConstruction);
    Escape();
    EXPECT_FALSE(State().underConstruction);
    QTest::mouseRelease(Canvas(), Qt::LeftButton, {}, {300, 200});
    EXPECT_TRUE(Document().paintObjects.empty());
    EXPECT_TRUE(ToolChecked(kPaintRectangle));

    Escape();
    EXPECT_TRUE(ToolChecked(kPaintSelect));
    EXPECT_FALSE(ToolChecked(kPaintRectangle));
    // The design tool is left as it was.
    EXPECT_EQ(State().designTool, kSelectTool);
}

} // namespace
} // namespace vantrel
