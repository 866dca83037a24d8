// A whole editing session on the real main window: placing, wiring, sorting,
// saving, reopening from the recent files and exporting, with mouse events
// on the view.
#include "app_test_support.h"

#include "archive/file_bytes.h"
#include "editor/vantrel_view.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_prompts.h"

#include <QMouseEvent>
#include <QTest>

namespace vantrel {
namespace {

using namespace command;

class ScriptedSession : public test::AppTest
{
protected:
    QWidget* Canvas() { return app->MainFrame().View().viewport(); }

    void Place(int tool, QPoint at)
    {
        ASSERT_TRUE(app->MainFrame().RunCommand(tool));
        QTest::mouseClick(Canvas(), Qt::LeftButton, {}, at);
    }

    void Wire(QPoint from, QPoint to)
    {
        QTest::mousePress(Canvas(), Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, to, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Canvas(), &move);
        QTest::mouseRelease(Canvas(), Qt::LeftButton, {}, to);
    }

    test::RecordingNotifier notifier{MessageAnswer::Ok};
    test::ScriptedDialogs dialogs; // an I/O element becomes number 5, a delay 25 s
    test::ScriptedPrompts prompts;
    std::unique_ptr<CVantrelApp> app;
};

TEST_F(ScriptedSession, PlaceWireSortSaveReopenAndExport)
{
    const std::filesystem::path folder = FilePath(QString()).toStdString();
    prompts.folder = folder;
    app = std::make_unique<CVantrelApp>(AppServices{&notifier, &fileDialogs, &dialogs, &prompts});
    ASSERT_TRUE(app->InitInstance({}));
    app->MainFrame().View().resize(900, 700);

    // Placed against the flow, so that sorting has work to do; zoom 1, one
    // cell is 80 pixels.
    Place(kFirstElementTool + 3, {560, 80}); // Output, id 1
    Place(kFirstElementTool + 5, {400, 80}); // Delay, id 2
    Place(kFirstElementTool + 0, {240, 80}); // And, id 3
    Place(kFirstElementTool + 2, {80, 80});  // Input, id 4
    ASSERT_EQ(app->Document().MainCount(), 4);

    ASSERT_TRUE(app->MainFrame().RunCommand(kToolConnect));
    Wire({100, 70}, {220, 73}); // Input output -> And input 0
    Wire({100, 70}, {220, 86}); // Input output -> And input 1
    Wire({260, 80}, {390, 70}); // And output -> Delay input
    Wire({410, 70}, {540, 70}); // Delay output -> Output input
    ASSERT_TRUE(app->MainFrame().RunCommand(kAutoSort));
    EXPECT_TRUE(notifier.Messages().empty());

    const QString design = FilePath(QStringLiteral("session.lgc"));
    fileDialogs.answers = {design};
    ASSERT_TRUE(app->OnFileSave());
    ASSERT_TRUE(app->OnFileNew());
    EXPECT_EQ(app->Document().MainCount(), 0);
    ASSERT_TRUE(app->MainFrame().RunCommand(kFileRecent));
    EXPECT_EQ(app->PathName(), design);
    ASSERT_EQ(app->Document().MainCount(), 4);

    ASSERT_TRUE(app->MainFrame().RunCommand(kExportFlash));
    ASSERT_EQ(notifier.Messages().size(), 1u);
    EXPECT_EQ(notifier.Messages()[0].rfind("Report: Logic elements:\t4/12228", 0), 0u);

    const std::vector<std::uint8_t> flash = ReadFileBytes(folder / "flash.lgf");
    ASSERT_GE(flash.size(), 56u + 16u);
    std::vector<std::uint32_t> sectionA(4);
    std::memcpy(sectionA.data(), flash.data() + 56, 16);
    EXPECT_EQ(sectionA, (std::vector<std::uint32_t>{
                            0xF0014000, // the input, number 5
                            0x00000000, // the And of position 0 twice
                            0xF6064001, // the delay, 25 s, of position 1
                            0xF2014002, // the output, number 5, of position 2
                        }));
}

} // namespace
} // namespace vantrel
