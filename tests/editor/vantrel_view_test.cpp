// The view widget driven with real mouse and key events, offscreen.
#include "editor/view_fixture.h"

#include "compiler/flash_image.h"
#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "qt_adapters/qt_image_codec.h"
#include "support/recording_notifier.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_prompts.h"
#include "support/test_folder.h"

#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace vantrel {
namespace {

using namespace command;

class View : public test::ViewFixture
{
protected:
    void Click(Point at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers, QPoint(at.x, at.y));
    }

    void Drag(Point from, Point to)
    {
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, QPoint(from.x, from.y));
        QMouseEvent move(QEvent::MouseMove, QPointF(to.x, to.y), QPointF(to.x, to.y), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &move);
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, QPoint(to.x, to.y));
    }
};

TEST_F(View, ZoomCommandsKeepTheCentre)
{
    view.OnCommand(kZoomOut);
    EXPECT_EQ(view.State().zoom, 0.5);
    EXPECT_EQ(view.State().origin, (Point{-5, -4}));
    view.OnCommand(kZoomOne);
    view.OnCommand(kZoomIn);
    view.OnCommand(kZoomIn);
    EXPECT_EQ(view.State().zoom, 2.0);
}

TEST_F(View, CommandStatesFollowTheLayoutMode)
{
    EXPECT_TRUE(view.IsCommandEnabled(kFirstElementTool));
    EXPECT_TRUE(view.IsCommandChecked(kToolSelect));
    EXPECT_FALSE(view.IsCommandEnabled(kPageSetCount));
    EXPECT_FALSE(view.IsCommandEnabled(kEditUndo));
    EXPECT_TRUE(view.IsCommandChecked(kLayoutDesign));
    view.OnCommand(kLayoutToggle);
    EXPECT_TRUE(view.IsCommandChecked(kLayoutPreview));
    EXPECT_FALSE(view.IsCommandEnabled(kFirstElementTool));
    EXPECT_FALSE(view.IsCommandEnabled(kZoomIn));
    EXPECT_TRUE(view.IsCommandEnabled(kPaintLine));
    EXPECT_FALSE(view.IsCommandEnabled(kPaintPen)); // never
    view.OnCommand(kPaintPen);
    EXPECT_EQ(view.State().paintTool, kPaintSelect);
}

TEST_F(View, SetCountThreeShowsTheLastOfThreePages)
{
    view.OnCommand(kLayoutPreview);
    dialogs.number = 3;
    view.OnCommand(kPageSetCount);
    EXPECT_EQ(document.pageBackgrounds.size(), 3u);
    EXPECT_EQ(view.State().currentPage, 2);
    view.OnCommand(kPageRight);
    EXPECT_EQ(view.State().currentPage, 2);
    view.OnCommand(kPageLeft);
    EXPECT_EQ(view.State().currentPage, 1);
}

TEST_F(View, PlaceConnectMoveAndUndoWithTheMouseAndKeys)
{
    view.OnCommand(kFirstElementTool + 2); // Input
    Click({80, 80});
    view.OnCommand(kFirstElementTool); // And
    Click({240, 80});
    ASSERT_EQ(document.MainCount(), 2);
    view.OnCommand(kToolConnect);
    // From the input's output pin (r, -r/2) to the And's first input (-r, -7).
    Drag({100, 70}, {220, 73});
    EXPECT_EQ(document.MainAt(1)->inputs[0], document.MainAt(0)->id);

    view.OnCommand(kToolSelect);
    Click({240, 80});
    ASSERT_EQ(view.State().logicSelection.size(), 1u);
    for (int press = 0; press < 3; ++press)
        QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_EQ(document.MainAt(1)->pos, (Point{6, 1}));
    view.OnCommand(kEditUndo);
    EXPECT_EQ(document.MainAt(1)->pos, (Point{3, 1}));
}

TEST_F(View, DigitKeyHeldWiresTheSelectedElement)
{
    document.InsertElement(std::make_unique<LogNot>(Point{1, 1}, 1));
    document.InsertElement(std::make_unique<LogAnd>(Point{3, 1}, 2));
    Click({80, 80});
    QTest::keyPress(&view, Qt::Key_2);
    Click({240, 80});
    QTest::keyRelease(&view, Qt::Key_2);
    EXPECT_EQ(document.MainAt(1)->inputs[1], 1);
    EXPECT_FALSE(view.DigitHeld(1));
}

TEST_F(View, RubberBandAndDeleteAfterTheQuestion)
{
    document.InsertElement(std::make_unique<LogNot>(Point{1, 1}, 1));
    document.InsertElement(std::make_unique<LogNot>(Point{2, 2}, 2));
    document.InsertElement(std::make_unique<LogNot>(Point{5, 5}, 3));
    Drag({60, 60}, {170, 170});
    EXPECT_EQ(view.State().logicSelection.size(), 2u);
    QTest::keyClick(&view, Qt::Key_Delete);
    EXPECT_EQ(notifier.Messages(), std::vector<std::string>{"Vantrel v2: DeleteElements?"});
    EXPECT_EQ(document.MainCount(), 1);
}

TEST_F(View, ExportsAskForAFileShowTheReportAndWriteRemoteFiles)
{
    prompts.folder = test::FreshTestFolder("view_exports");
    document.remoteIo.modules.push_back({8, 8, 0, 57600, false});
    view.OnCommand(kExportFlash);
    EXPECT_TRUE(std::filesystem::exists(*prompts.folder / "flash.lgf"));
    EXPECT_TRUE(std::filesystem::exists(*prompts.folder / "remote0.lgf"));
    ASSERT_EQ(notifier.Messages().size(), 1u);
    EXPECT_EQ(notifier.Messages()[0].rfind("Report: Logic elements:", 0), 0u);

    view.OnCommand(kExportJson);
    EXPECT_TRUE(std::filesystem::exists(*prompts.folder / "flash.lgj"));
    view.OnCommand(kExportIoList);
    EXPECT_TRUE(std::filesystem::exists(*prompts.folder / "outputs.txt"));
    EXPECT_EQ(prompts.asked,
              (std::vector<std::u16string>{u"flash.lgf", u"flash.lgj", u"outputs.txt"}));
}

TEST_F(View, JsonExportToABlockedFileStillReportsAndWritesRemoteFiles)
{
    prompts.folder = test::FreshTestFolder("view_blocked_exports");
    document.remoteIo.modules.push_back({8, 8, 0, 57600, false});
    std::filesystem::create_directory(*prompts.folder / "flash.lgj");
    std::filesystem::create_directory(*prompts.folder / "flash.lgf");

    view.OnCommand(kExportFlash);
    ASSERT_EQ(notifier.Messages().size(), 1u);
    EXPECT_EQ(notifier.Messages()[0].rfind("Vantrel v2: ", 0), 0u) << notifier.Messages()[0];
    EXPECT_FALSE(std::filesystem::exists(*prompts.folder / "remote0.lgf"));

    view.OnCommand(kExportJson);
    ASSERT_EQ(notifier.Messages().size(), 3u);
    EXPECT_EQ(notifier.Messages()[1].rfind("Report: Logic elements:", 0), 0u);
    EXPECT_EQ(notifier.Messages()[2].rfind("Vantrel v2: ", 0), 0u);
    EXPECT_TRUE(std::filesystem::exists(*prompts.folder / "remote0.lgf"));
}

TEST_F(View, DoubleClickEditsTheElementUnderThePointerOnlyInDesignMode)
{
    view.OnCommand(kZoomIn);
    const Point cell{view.State().origin.x + 2, view.State().origin.y + 1};
    document.InsertElement(std::make_unique<NL_Constant>(cell, 1, 5));
    // Anywhere nearer to the element's anchor than to any other cell's.
    const Point anchor = view.State().CellToDevice(cell);
    const QPoint pointer(anchor.x + 70, anchor.y - 70);

    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, pointer);
    EXPECT_EQ(dialogs.calls, std::vector<std::string>{"NumBox(5)"});
    EXPECT_EQ(static_cast<NL_Constant*>(document.FindAt(cell))->value, dialogs.number);

    view.OnCommand(kLayoutPreview);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, pointer);
    EXPECT_EQ(dialogs.calls.size(), 1u);
}

TEST_F(View, ScreenshotOfARenderedDesign)
{
    document.InsertElement(std::make_unique<LogIn>(Point{1, 1}, 1, 0, u"Start"));
    auto gate = std::make_unique<LogAnd>(Point{3, 1}, 2);
    gate->inputs = {1, 1, 0, 0};
    document.InsertElement(std::move(gate));
    auto output = std::make_unique<LogOut>(Point{5, 1}, 3, 0, u"Lamp");
    output->inputs[0] = 2;
    document.InsertElement(std::move(output));
    view.State().showElementNumbers = true;
    const auto folder = test::FreshTestFolder("view");
    EXPECT_TRUE(view.grab().save(QString::fromStdString((folder / "design.png").string())));
}

} // namespace
} // namespace vantrel
