#include "app_test_support.h"

#include "app/test_hooks.h"
#include "app/view_printing.h"
#include "archive/file_bytes.h"
#include "document/edit_transaction.h"
#include "editing/command_ids.h"
#include "editor/vantrel_view.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QMimeData>
#include <QPrinter>
#include <QUrl>
#include <QWindow>

namespace vantrel::test {
namespace {

using namespace command;

bool HoldsGate(CVantrelDoc& design, std::int32_t gateId)
{
    return design.FindDirectById(gateId) != nullptr;
}

void Modify(CVantrelDoc& design)
{
    design.InsertElement(std::make_unique<LogAnd>(Point{50, 50}, 999));
    design.SetModified(true);
}

QStringList SettingsEntries()
{
    QSettings settings(QSettings::UserScope, "vantrel", "vantrel");
    QStringList entries;
    for (int i = 1; i <= 4; ++i)
        entries.append(settings.value(QStringLiteral("Recent File List/File%1").arg(i)).toString());
    return entries;
}

using AppStartTest = AppTest;

TEST_F(AppStartTest, WithoutArgumentsTheDesignIsNewAndUntitled)
{
    RecordingNotifier notifier;
    auto app = StartApp(notifier);
    EXPECT_TRUE(started);
    EXPECT_EQ(app->MainFrame().windowTitle(), "Untitled[*] - Vantrel v2");
    EXPECT_TRUE(app->PathName().isEmpty());
    EXPECT_FALSE(app->Document().IsModified());
    EXPECT_TRUE(app->MainFrame().isVisible());
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST_F(AppStartTest, TheDesignNamedOnTheCommandLineIsOpened)
{
    const QString path = WriteDesign("pump.lgc", 7);
    RecordingNotifier notifier;
    auto app = StartApp(notifier, {path});
    EXPECT_TRUE(started);
    EXPECT_EQ(app->MainFrame().windowTitle(), "pump.lgc[*] - Vantrel v2");
    EXPECT_EQ(app->PathName(), path);
    EXPECT_TRUE(HoldsGate(app->Document(), 7));
    EXPECT_FALSE(app->Document().IsModified());
    EXPECT_EQ(app->RecentFiles().Files(), QStringList({path}));
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST_F(AppStartTest, ADesignThatCannotBeOpenedEndsTheStart)
{
    RecordingNotifier notifier;
    const QString missing = FilePath("missing.lgc");
    auto app = StartApp(notifier, {missing});
    EXPECT_FALSE(started);
    EXPECT_FALSE(app->MainFrame().isVisible());
    EXPECT_EQ(
        notifier.Messages(),
        std::vector<std::string>({"Vantrel v2: " + missing.toStdString() + " was not found."}));
}

class OpenTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        app = StartApp(notifier, {WriteDesign("pump.lgc", 7)});
        ASSERT_TRUE(started);
    }

    RecordingNotifier notifier{MessageAnswer::No};
    std::unique_ptr<CVantrelApp> app;
};

TEST_F(OpenTest, AFileThatCannotBeReadKeepsTheDesign)
{
    Modify(app->Document());
    notifier.Clear();
    EXPECT_FALSE(app->OpenDocumentFile(FilePath("missing.lgc")));
    EXPECT_EQ(app->MainFrame().windowTitle(), "pump.lgc[*] - Vantrel v2");
    EXPECT_TRUE(HoldsGate(app->Document(), 7));
    EXPECT_TRUE(app->Document().IsModified());
    ASSERT_EQ(notifier.Messages().size(), 2u);
    EXPECT_EQ(notifier.Messages()[0], "Vantrel v2: Save changes to pump.lgc?");
}

// A file that breaks off among its elements, after a header whose speed and
// background colour differ from the open design's.
QString WriteDamagedDesign(const QString& path)
{
    CVantrelDoc design;
    design.speed = 200;
    design.backgroundColour = 0x00123456;
    design.InsertElement(std::make_unique<LogAnd>(Point{3, 3}, 1));
    const std::vector<std::uint8_t> whole = DesignBytes(design, u"", QtImageCodec());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(whole.data()), 48);
    return path;
}

TEST_F(OpenTest, AFileThatFailsWhileLoadingLeavesTheOpenDesignAsItWas)
{
    const QString damaged = WriteDamagedDesign(FilePath("damaged.lgc"));
    for (const bool edited : {false, true}) {
        SCOPED_TRACE(edited ? "edited" : "as opened");
        if (edited) {
            EditTransaction edit(app->Document(), UndoRecord::kAdded);
            ASSERT_TRUE(edit.Insert(std::make_unique<LogAnd>(Point{9, 9}, 8)));
            edit.Commit();
        }
        const std::vector<std::uint8_t> before = DesignBytes(app->Document(), u"", QtImageCodec());
        const std::size_t undoSteps = app->Document().UndoStack().size();
        notifier.Clear();
        fileDialogs.answers = {damaged};

        ASSERT_TRUE(app->MainFrame().RunCommand(kFileOpen));
        std::vector<std::string> told;
        if (edited) // answered No: the changes were to go, but the open failed
            told.push_back("Vantrel v2: Save changes to pump.lgc?");
        told.push_back("Vantrel v2: Unexpected file format.");
        EXPECT_EQ(notifier.Messages(), told);
        EXPECT_EQ(app->MainFrame().windowTitle(), "pump.lgc[*] - Vantrel v2");
        EXPECT_EQ(app->PathName(), FilePath("pump.lgc"));
        EXPECT_EQ(DesignBytes(app->Document(), u"", QtImageCodec()), before);
        EXPECT_EQ(app->Document().speed, 64);
        EXPECT_EQ(app->Document().backgroundColour, 0x00FFFFFFu);
        EXPECT_EQ(app->Document().UndoStack().size(), undoSteps);
        EXPECT_EQ(app->Document().IsModified(), edited);
        EXPECT_TRUE(HoldsGate(app->Document(), 7));
        EXPECT_EQ(app->RecentFiles().Files(), QStringList({FilePath("pump.lgc")}));
    }
    // The step still undoes.
    ASSERT_TRUE(app->MainFrame().RunCommand(kEditUndo));
    EXPECT_EQ(app->Document().FindDirectById(8), nullptr);
}

TEST_F(OpenTest, OpenAsksForTheFileAndADroppedFileOpensToo)
{
    fileDialogs.answers = {WriteDesign("tank.lgc", 8)};
    ASSERT_TRUE(app->MainFrame().RunCommand(kFileOpen));
    EXPECT_EQ(app->MainFrame().windowTitle(), "tank.lgc[*] - Vantrel v2");
    EXPECT_TRUE(HoldsGate(app->Document(), 8));

    ASSERT_TRUE(app->MainFrame().RunCommand(kFileOpen)) << "the dialog is cancelled";
    EXPECT_EQ(app->MainFrame().windowTitle(), "tank.lgc[*] - Vantrel v2");

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(WriteDesign("valve.lgc", 9))});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&app->MainFrame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&app->MainFrame(), &drop);
    QApplication::processEvents();
    EXPECT_EQ(app->MainFrame().windowTitle(), "valve.lgc[*] - Vantrel v2");
    EXPECT_TRUE(HoldsGate(app->Document(), 9));
}

TEST_F(AppStartTest, AnOpenedDesignIsShownWhereItsElementsAre)
{
    RecordingNotifier notifier;
    const QString far = WriteDesign("far.lgc", 300); // one gate at cell (300, 0)
    // Opened before the window first shows.
    auto app = StartApp(notifier, {far});
    ASSERT_TRUE(started);
    CVantrelView& view = app->MainFrame().View();
    const auto shown = [&](std::int32_t id) {
        const Point anchor = view.State().CellToDevice(app->Document().FindById(id)->pos);
        return view.viewport()->rect().contains(anchor.x, anchor.y);
    };
    EXPECT_TRUE(shown(300));
    EXPECT_LE(view.State().zoom, 1.0);

    // Zoomed and scrolled away, a small design then starts as a new window does.
    ASSERT_TRUE(app->MainFrame().RunCommand(kZoomIn));
    view.State().origin = {-200, 150};
    ASSERT_TRUE(app->OpenDocumentFile(WriteDesign("near.lgc", 2)));
    EXPECT_EQ(view.State().zoom, 1.0);
    EXPECT_EQ(view.State().origin, (Point{0, 0}));
    EXPECT_TRUE(shown(2));

    ASSERT_TRUE(app->MainFrame().RunCommand(kFileRecent + 1));
    EXPECT_EQ(app->PathName(), far);
    EXPECT_TRUE(shown(300));
}

TEST_F(AppStartTest, TheRecentFileListKeepsTheLatestFourFirst)
{
    RecordingNotifier notifier;
    QStringList paths;
    for (int i = 1; i <= 5; ++i)
        paths.append(WriteDesign(QStringLiteral("design%1.lgc").arg(i), i));
    {
        auto app = StartApp(notifier);
        for (const QString& path : paths.mid(0, 4))
            ASSERT_TRUE(app->OpenDocumentFile(path));
        EXPECT_EQ(app->RecentFiles().Files(),
                  QStringList({paths[3], paths[2], paths[1], paths[0]}));
        ASSERT_TRUE(app->OpenDocumentFile(paths[4]));
        const QStringList latest{paths[4], paths[3], paths[2], paths[1]};
        EXPECT_EQ(app->RecentFiles().Files(), latest);
        EXPECT_EQ(SettingsEntries(), latest);

        // Opening a listed file moves it to the top.
        ASSERT_TRUE(app->OpenDocumentFile(paths[2]));
        EXPECT_EQ(app->RecentFiles().Files(),
                  QStringList({paths[2], paths[4], paths[3], paths[1]}));
        for (int i = 0; i < 4; ++i) {
            QAction* entry = app->MainFrame().CommandAction(kFileRecent + i);
            EXPECT_TRUE(entry->isVisible() && entry->isEnabled()) << i;
            EXPECT_TRUE(entry->text().startsWith(QStringLiteral("&%1 ").arg(i + 1)));
        }
        EXPECT_TRUE(
            app->MainFrame().CommandAction(kFileRecent + 1)->text().endsWith("design5.lgc"));

        // Choosing an entry opens it.
        ASSERT_TRUE(app->MainFrame().RunCommand(kFileRecent + 3));
        EXPECT_EQ(app->MainFrame().windowTitle(), "design2.lgc[*] - Vantrel v2");
        EXPECT_EQ(app->RecentFiles().Files().first(), paths[1]);
    }
    // The next run starts with the same list.
    auto next = StartApp(notifier);
    EXPECT_EQ(next->RecentFiles().Files(), QStringList({paths[1], paths[2], paths[4], paths[3]}));
}

TEST_F(AppStartTest, AnEntryThatFailsToOpenLeavesTheListOneThatIsCancelledStays)
{
    RecordingNotifier notifier(MessageAnswer::Cancel);
    const QString kept = WriteDesign("kept.lgc", 1);
    const QString doomed = WriteDesign("doomed.lgc", 2);
    auto app = StartApp(notifier);
    ASSERT_TRUE(app->OpenDocumentFile(kept));
    ASSERT_TRUE(app->OpenDocumentFile(doomed));
    ASSERT_TRUE(QFile::remove(doomed));

    Modify(app->Document());
    app->MainFrame().RunCommand(kFileRecent + 1);
    EXPECT_EQ(app->RecentFiles().Files(), QStringList({doomed, kept})) << "cancelled";

    app->Document().SetModified(false);
    app->MainFrame().RunCommand(kFileRecent);
    EXPECT_EQ(app->RecentFiles().Files(), QStringList({kept}));
    EXPECT_EQ(SettingsEntries(), QStringList({kept, {}, {}, {}}));
    EXPECT_FALSE(app->MainFrame().CommandAction(kFileRecent + 1)->isVisible());
}

// "Save changes to %1?" before New, answered each way.
struct SaveQuestionCase
{
    const char* name;
    MessageAnswer answer;
    QStringList saveDialogAnswers; // file names given to Save As
    bool newDesign;                // New went ahead
    bool saved;                    // the design was written to "saved.lgc"
};

class SaveQuestionTest : public AppTest, public ::testing::WithParamInterface<SaveQuestionCase>
{};

TEST_P(SaveQuestionTest, NewAsksToSaveAModifiedDesign)
{
    const SaveQuestionCase& row = GetParam();
    RecordingNotifier notifier(row.answer);
    auto app = StartApp(notifier);
    Modify(app->Document());
    const QString target = FilePath("saved.lgc");
    for (const QString& answer : row.saveDialogAnswers)
        fileDialogs.answers.append(answer.isEmpty() ? answer : target);

    ASSERT_TRUE(app->MainFrame().RunCommand(kFileNew));
    EXPECT_EQ(notifier.Messages(),
              std::vector<std::string>({"Vantrel v2: Save changes to Untitled?"}));
    EXPECT_EQ(HoldsGate(app->Document(), 999), !row.newDesign);
    EXPECT_EQ(app->Document().IsModified(), !row.newDesign);
    EXPECT_EQ(QFile::exists(target), row.saved);
    if (row.saved) {
        EXPECT_EQ(fileDialogs.proposedNames, QStringList({"Untitled.lgc"}));
        EXPECT_EQ(app->MainFrame().windowTitle(), "Untitled[*] - Vantrel v2");
        EXPECT_EQ(app->RecentFiles().Files(), QStringList({target}));
        CVantrelDoc reread;
        ASSERT_EQ(OpenDesign(reread, QFile::encodeName(target).toStdString(), QtImageCodec()),
                  OpenOutcome::Opened);
        EXPECT_TRUE(HoldsGate(reread, 999));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, SaveQuestionTest,
    ::testing::Values(SaveQuestionCase{"Yes", MessageAnswer::Yes, {"saved"}, true, true},
                      SaveQuestionCase{
                          "YesThenSaveAsCancelled", MessageAnswer::Yes, {""}, false, false},
                      SaveQuestionCase{"No", MessageAnswer::No, {}, true, false},
                      SaveQuestionCase{"Cancel", MessageAnswer::Cancel, {}, false, false}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(OpenTest, YesSavesANamedDesignInPlaceAndAnUnmodifiedOneIsNotAsked)
{
    notifier = RecordingNotifier(MessageAnswer::Yes);
    Modify(app->Document());
    ASSERT_TRUE(app->OnFileNew());
    EXPECT_TRUE(fileDialogs.proposedNames.isEmpty()) << "no Save As for a named design";
    CVantrelDoc reread;
    ASSERT_EQ(
        OpenDesign(reread, QFile::encodeName(FilePath("pump.lgc")).toStdString(), QtImageCodec()),
        OpenOutcome::Opened);
    EXPECT_TRUE(HoldsGate(reread, 999));

    notifier.Clear();
    ASSERT_TRUE(app->OnFileNew());
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST_F(OpenTest, ClosingTheWindowAsksAndCancelKeepsItOpen)
{
    notifier = RecordingNotifier(MessageAnswer::Cancel);
    Modify(app->Document());
    EXPECT_FALSE(app->MainFrame().close());
    EXPECT_TRUE(app->MainFrame().isVisible());
    EXPECT_EQ(notifier.Messages(),
              std::vector<std::string>({"Vantrel v2: Save changes to pump.lgc?"}));

    notifier = RecordingNotifier(MessageAnswer::No);
    ASSERT_TRUE(app->MainFrame().RunCommand(kAppExit));
    EXPECT_FALSE(app->MainFrame().isVisible());
}

TEST_F(OpenTest, SaveAsRenamesTheDesignAndAFailedSaveKeepsItsName)
{
    fileDialogs.answers = {FilePath("copy.lgc")};
    ASSERT_TRUE(app->OnFileSaveAs());
    EXPECT_EQ(fileDialogs.proposedNames, QStringList({FilePath("pump.lgc")}));
    EXPECT_EQ(app->MainFrame().windowTitle(), "copy.lgc[*] - Vantrel v2");
    EXPECT_EQ(app->RecentFiles().Files().first(), FilePath("copy.lgc"));

    fileDialogs.answers = {FilePath("no/such/folder/x.lgc")};
    EXPECT_FALSE(app->OnFileSaveAs());
    EXPECT_EQ(app->MainFrame().windowTitle(), "copy.lgc[*] - Vantrel v2");
    ASSERT_EQ(notifier.Messages().size(), 1u);
}

// What the desktop shows as the window's title.
QString ShownTitle(const QWidget& window)
{
    return window.windowHandle() ? window.windowHandle()->title() : QString();
}

TEST_F(OpenTest, TheTitleMarksUnsavedChangesUntilTheyAreSaved)
{
    CMainFrame& frame = app->MainFrame();
    EXPECT_EQ(ShownTitle(frame), "pump.lgc - Vantrel v2");
    ASSERT_TRUE(RunScriptedEdit(frame, QStringLiteral("%1 400,160").arg(kFirstElementTool)));
    ASSERT_TRUE(app->Document().IsModified());
    EXPECT_TRUE(frame.isWindowModified());
    EXPECT_EQ(ShownTitle(frame), "pump.lgc* - Vantrel v2");
    ASSERT_TRUE(frame.RunCommand(kFileSave));
    EXPECT_EQ(ShownTitle(frame), "pump.lgc - Vantrel v2");

    // A name that holds the mark's placeholder shows it as it is.
    fileDialogs.answers = {FilePath("odd[*]name.lgc")};
    ASSERT_TRUE(frame.RunCommand(kFileSaveAs));
    EXPECT_EQ(ShownTitle(frame), "odd[*]name.lgc - Vantrel v2");
    ASSERT_TRUE(RunScriptedEdit(frame, QStringLiteral("%1 400,320").arg(kFirstElementTool)));
    EXPECT_EQ(ShownTitle(frame), "odd[*]name.lgc* - Vantrel v2");

    // New starts unmarked.
    notifier = RecordingNotifier(MessageAnswer::No);
    ASSERT_TRUE(frame.RunCommand(kFileNew));
    EXPECT_EQ(ShownTitle(frame), "Untitled - Vantrel v2");
}

// Undone back to the design as it was opened, nothing is left to save.
TEST_F(OpenTest, UndoBackToTheSavedDesignClearsTheMarkAndTheSaveQuestion)
{
    CMainFrame& frame = app->MainFrame();
    ASSERT_TRUE(RunScriptedEdit(frame, QStringLiteral("%1 400,160").arg(kFirstElementTool)));
    EXPECT_EQ(ShownTitle(frame), "pump.lgc* - Vantrel v2");
    ASSERT_TRUE(frame.RunCommand(kEditUndo));
    EXPECT_EQ(ShownTitle(frame), "pump.lgc - Vantrel v2");
    ASSERT_TRUE(frame.RunCommand(kEditRedo));
    EXPECT_EQ(ShownTitle(frame), "pump.lgc* - Vantrel v2");
    ASSERT_TRUE(frame.RunCommand(kEditUndo));
    notifier.Clear();
    EXPECT_TRUE(frame.close());
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST_F(OpenTest, PrintingDrawsTheViewsPictureIntoTheFile)
{
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(FilePath("picture.pdf"));
    CVantrelView& view = app->MainFrame().View();
    ASSERT_TRUE(PrintDrawing(printer, view.Document(), view.State(), view.viewport()->size(),
                             app->Title()));
    const std::vector<std::uint8_t> bytes =
        ReadFileBytes(QFile::encodeName(FilePath("picture.pdf")).toStdString());
    ASSERT_GT(bytes.size(), 4u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "%PDF");
}

} // namespace
} // namespace vantrel::test
