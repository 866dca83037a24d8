#include "app_test_support.h"

#include "app/problems_dock.h"
#include "editing/command_ids.h"
#include "editing/element_search.h"
#include "editor/vantrel_view.h"

#include "support/problem_design.h"
#include "support/scripted_prompts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTableWidget>
#include <QTest>

#include <algorithm>

namespace vantrel::test {
namespace {

using namespace command;

class ProblemsDockTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        CVantrelDoc design;
        BuildProblemDesign(design);
        const QString path = FilePath(QStringLiteral("problems.lgc"));
        ASSERT_TRUE(SaveDesign(design, QFile::encodeName(path).toStdString(), QtImageCodec()));
        app =
            std::make_unique<CVantrelApp>(AppServices{&notifier, &fileDialogs, nullptr, &prompts});
        ASSERT_TRUE(app->InitInstance({path}));
        Frame().resize(1200, 800);
        Frame().show();
    }

    CMainFrame& Frame() { return app->MainFrame(); }
    ProblemsDock& Dock() { return Frame().Problems(); }
    QTableWidget& Table() { return Dock().Table(); }

    QStringList Row(int row)
    {
        QStringList texts;
        for (int column = 0; column < Table().columnCount(); ++column)
            texts.append(Table().item(row, column)->text());
        return texts;
    }

    std::vector<std::int32_t> ListedIds()
    {
        std::vector<std::int32_t> ids;
        for (const Problem& problem : Dock().Problems())
            ids.push_back(problem.elementId);
        return ids;
    }

    void DoubleClickRow(int row)
    {
        Table().scrollToItem(Table().item(row, 0));
        const QRect cell = Table().visualItemRect(Table().item(row, 0));
        // The view takes a double click only on the row a press chose.
        QTest::mouseClick(Table().viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(Table().viewport(), Qt::LeftButton, {}, cell.center());
    }

    RecordingNotifier notifier;
    ScriptedPrompts prompts;
    std::unique_ptr<CVantrelApp> app;
};

TEST_F(ProblemsDockTest, ListsEachProblemWithItsElementAndShowsItOnDoubleClick)
{
    EXPECT_TRUE(Dock().isHidden()) << "out of the way until asked for";
    ASSERT_TRUE(Frame().RunCommand(kViewProblems));
    EXPECT_TRUE(Frame().CommandAction(kViewProblems)->isChecked());

    EXPECT_EQ(ListedIds(), ProblemDesignIds());
    ASSERT_EQ(Table().rowCount(), 8);
    EXPECT_EQ(Row(0), QStringList({"Output 1 is already used by element 5", "Output: Horn, 1",
                                   "Output", "6, 2"}));
    EXPECT_EQ(Row(2), QStringList({"Input 1 is not connected", "Element 3", "Or", "2, 2"}));
    EXPECT_EQ(Row(6), QStringList({"On a feedback loop", "Element 8", "Or", "6, 6"}));
    EXPECT_EQ(Row(7),
              QStringList({"Its In Marker is gone", "Out Marker: Invalid", "Out Marker", "6, 8"}));
    EXPECT_EQ(Dock().windowTitle(), "Problems (8)");
    QApplication::processEvents();
    const QString folder = QStringLiteral(VANTREL_TEST_OUTPUT_DIR "/app");
    QDir().mkpath(folder);
    EXPECT_TRUE(Frame().grab().save(folder + QStringLiteral("/problems_dock.png")));

    // From the preview pages too: the view goes back to the design.
    CVantrelView& view = Frame().View();
    Frame().RunCommand(kLayoutPreview);
    DoubleClickRow(6);
    ViewState expected;
    const Size client{view.viewport()->width(), view.viewport()->height()};
    ASSERT_TRUE(ShowFoundElement(app->Document(), expected, 8, client));
    EXPECT_TRUE(view.State().InDesign());
    EXPECT_EQ(view.State().origin, expected.origin);
    EXPECT_EQ(view.State().logicSelection, expected.logicSelection);
}

// The warning boxes of an export come first; then the dock shows the same
// problems with their elements.
TEST_F(ProblemsDockTest, OpensAfterAnExportThatWarned)
{
    prompts.folder = FilePath(QString()).toStdString();
    for (const int exportCommand : {kExportFlash, kExportJson}) {
        SCOPED_TRACE(exportCommand);
        Dock().hide();
        notifier.Clear();
        ASSERT_TRUE(Frame().RunCommand(exportCommand));
        EXPECT_TRUE(std::ranges::count(notifier.Messages(),
                                       "Warning!: There is an unconnected input.") > 0);
        EXPECT_FALSE(Dock().isHidden());
        EXPECT_TRUE(Frame().CommandAction(kViewProblems)->isChecked());
        EXPECT_EQ(ListedIds(), ProblemDesignIds());
    }
}

TEST_F(ProblemsDockTest, FollowsTheEditsOfTheView)
{
    Frame().RunCommand(kViewProblems);
    // Delete Output 6, whose number Output 5 holds: the dock drops its row
    // once the edit settles.
    DoubleClickRow(0);
    ASSERT_EQ(Frame().View().State().logicSelection.at(0)->id, 6);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(&Frame().View(), &press);
    ASSERT_EQ(app->Document().FindById(6), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Table().rowCount() == 7; }, 2000));
    EXPECT_EQ(ListedIds(), (std::vector<std::int32_t>{2, 3, 3, 4, 7, 8, 10}));

    Frame().RunCommand(kEditUndo);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Table().rowCount() == 8; }, 2000));

    // Its own close button clears the View menu's check mark.
    Dock().close();
    EXPECT_FALSE(Frame().CommandAction(kViewProblems)->isChecked());
}

} // namespace
} // namespace vantrel::test
