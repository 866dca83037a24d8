// File > Compare With... in the real main window, on design files written
// as a design file stores them.
#include "app_test_support.h"

#include "app/compare_dock.h"
#include "cli/cli_run.h"
#include "cli/mark_pixels.h"
#include "editing/command_ids.h"
#include "editing/comparison_marks.h"
#include "editing/element_search.h"
#include "editor/vantrel_view.h"
#include "support/compared_designs.h"
#include "support/scripted_prompts.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>

#include <algorithm>

namespace vantrel::test {
namespace {

using namespace command;

constexpr int kCell = 80; // pixels of a cell at zoom 1

class CompareDockTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        before = FilePath(QStringLiteral("before.lgc"));
        after = FilePath(QStringLiteral("after.lgc"));
        WriteComparedDesign(ComparedBefore(), QFile::encodeName(before).toStdString());
        WriteComparedDesign(ComparedAfter(), QFile::encodeName(after).toStdString());
        app =
            std::make_unique<CVantrelApp>(AppServices{&notifier, &fileDialogs, nullptr, &prompts});
        ASSERT_TRUE(app->InitInstance({after}));
        Frame().resize(1200, 800);
        Frame().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    }

    CMainFrame& Frame() { return app->MainFrame(); }
    CVantrelView& View() { return Frame().View(); }
    CompareDock& Dock() { return Frame().Comparison(); }

    QStringList Listed()
    {
        QStringList rows;
        for (int row = 0; row < Dock().List().count(); ++row)
            rows.append(Dock().List().item(row)->text());
        return rows;
    }

    QImage Canvas()
    {
        QApplication::processEvents();
        return View().viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // Lets the dock compare again after an edit.
    void Settle() { QTest::qWait(SettledRefresh::kDelayMs * 3); }

    QString before;
    QString after;
    RecordingNotifier notifier;
    ScriptedPrompts prompts;
    std::unique_ptr<CVantrelApp> app;
};

TEST_F(CompareDockTest, MarksTheChangesListsThemAsDiffAndFollowsEdits)
{
    fileDialogs.answers = {before};
    ASSERT_TRUE(Frame().RunCommand(kFileCompare));
    EXPECT_TRUE(notifier.Messages().empty());
    ASSERT_FALSE(Dock().isHidden());

    // The rows are the lines of the command line's diff.
    const CliRun diff = RunCli({"diff", before, after});
    QStringList lines = QString::fromStdString(diff.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 8) << diff.out; // five elements, three paint objects
    EXPECT_EQ(Listed(), lines);
    EXPECT_EQ(Dock().windowTitle(), "Compare with before.lgc (8)");

    View().State().origin = {0, 0};
    View().State().zoom = 1.0;
    const QImage shot = Canvas();
    const QString folder = QStringLiteral(VANTREL_TEST_OUTPUT_DIR "/app");
    QDir().mkpath(folder);
    EXPECT_TRUE(Frame().grab().save(folder + QStringLiteral("/compare_dock.png")));
    for (const ComparedMark& mark : kComparedMarks) {
        SCOPED_TRACE(mark.what);
        EXPECT_GT(PixelsAround(shot, mark.cell * kCell, kCell / 2 - 1, mark.colour), 20);
    }
    EXPECT_EQ(PixelsAround(shot, QPoint(1, 1) * kCell, kCell / 2 - 1, comparison_pens::kChanged),
              0);

    // A double click on the removed element's row centres its old cell.
    const auto removed = std::find_if(lines.begin(), lines.end(), [](const QString& line) {
        return line.startsWith("removed element 5 ");
    });
    ASSERT_NE(removed, lines.end());
    Dock().ShowRow(int(removed - lines.begin()));
    ViewState expected;
    ShowCell({5, 5}, expected, {View().viewport()->width(), View().viewport()->height()});
    EXPECT_EQ(View().State().origin, expected.origin);

    // Deleting the added bell takes its row and its mark away.
    View().State().origin = {0, 0};
    View().State().logicSelection = {app->Document().FindById(6)};
    QTest::keyClick(&View(), Qt::Key_Delete);
    ASSERT_EQ(app->Document().FindById(6), nullptr);
    Settle();
    lines.removeIf([](const QString& line) { return line.startsWith("added element 6 "); });
    EXPECT_EQ(Listed(), lines);
    EXPECT_EQ(PixelsAround(Canvas(), QPoint(7, 1) * kCell, kCell / 2 - 1, comparison_pens::kAdded),
              0);

    // A preview page marks its paint objects the same way.
    ASSERT_TRUE(Frame().RunCommand(kLayoutPreview));
    const QImage page = Canvas();
    EXPECT_TRUE(page.save(folder + QStringLiteral("/compare_page.png")));
    const QPoint middle(page.width() / 2, page.height() / 2);
    for (const Colour colour :
         {comparison_pens::kAdded, comparison_pens::kRemoved, comparison_pens::kChanged})
        EXPECT_GT(PixelsAround(page, middle, std::max(middle.x(), middle.y()), colour), 20);
    ASSERT_TRUE(Frame().RunCommand(kLayoutDesign));

    // Closed, the comparison ends: no marks, no more comparing.
    Dock().close();
    const QImage closed = Canvas();
    for (const ComparedMark& mark : kComparedMarks)
        EXPECT_EQ(PixelsAround(closed, mark.cell * kCell, kCell / 2 - 1, mark.colour), 0)
            << mark.what;
}

TEST_F(CompareDockTest, ADesignThatCannotBeOpenedIsToldAndComparesNothing)
{
    QFile garbage(FilePath(QStringLiteral("garbage.lgc")));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a design");
    garbage.close();
    fileDialogs.answers = {garbage.fileName()};
    ASSERT_TRUE(Frame().RunCommand(kFileCompare));
    EXPECT_FALSE(notifier.Messages().empty());
    EXPECT_TRUE(Frame().findChildren<CompareDock*>().isEmpty());
}

} // namespace
} // namespace vantrel::test
