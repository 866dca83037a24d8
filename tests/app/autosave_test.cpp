// Recovery copies of a modified design: when they are written and removed,
// what the next start offers after a crash, and the real editor killed and
// started again.
#include "app_test_support.h"

#include "app/test_hooks.h"
#include "archive/file_bytes.h"
#include "editing/command_ids.h"
#include "editor/vantrel_view.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

namespace vantrel::test {
namespace {

using namespace command;

// Places an AND gate in an empty cell of the designs below, whose gate has
// id 7, so that the new one takes the design's next id.
const QString kEdit = QStringLiteral("%1 400,160").arg(kFirstElementTool);

std::vector<std::uint8_t> FileBytes(const QString& path)
{
    return ReadFileBytes(QFile::encodeName(path).toStdString());
}

std::vector<std::uint8_t> CurrentBytes(CVantrelApp& app)
{
    return DesignBytes(app.Document(), u"", QtImageCodec());
}

// A child process of this program that runs until it is killed.
class Child
{
public:
    Child() : pid_(::fork())
    {
        if (pid_ == 0) {
            ::pause();
            ::_exit(0);
        }
    }
    ~Child()
    {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    pid_t Pid() const { return pid_; }

    // Kills the child and waits until it has ended, without reaping it: it
    // stays a zombie until the destructor reaps it.
    bool KillLeavingZombie()
    {
        siginfo_t ended{};
        return ::kill(pid_, SIGKILL) == 0 &&
               ::waitid(P_PID, id_t(pid_), &ended, WEXITED | WNOWAIT) == 0;
    }

private:
    pid_t pid_;
};

class Autosave : public AppTest
{
protected:
    QString RecoveryFolder() const { return FilePath(QStringLiteral("recovery")); }

    std::unique_ptr<CVantrelApp> StartEditor(const QStringList& arguments = {})
    {
        auto app = std::make_unique<CVantrelApp>(
            AppServices{&notifier, &fileDialogs, nullptr, nullptr, nullptr, RecoveryFolder()});
        started = app->InitInstance(arguments);
        return app;
    }

    QStringList Copies() const { return QDir(RecoveryFolder()).entryList(QDir::Files, QDir::Name); }

    // What a session that crashed leaves: a copy of the design and its side file.
    void LeaveCopy(const QString& session, const std::vector<std::uint8_t>& design,
                   const QString& original, qint64 pid)
    {
        QDir().mkpath(RecoveryFolder());
        WriteFileAtomically(
            QFile::encodeName(RecoveryFolder() + "/" + session + ".lgc").toStdString(), design);
        const QByteArray info =
            QStringLiteral(R"({"original": "%1", "saved": "2026-03-01T10:20:30.000Z", "pid": %2})")
                .arg(original)
                .arg(pid)
                .toUtf8();
        QFile file(RecoveryFolder() + "/" + session + ".json");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(info);
    }

    RecordingNotifier notifier{MessageAnswer::No};
};

TEST_F(Autosave, TheDefaultIntervalIsTwoMinutes)
{
    auto app = std::make_unique<CVantrelApp>(AppServices{&notifier, &fileDialogs});
    EXPECT_EQ(app->Autosave().Interval(), std::chrono::minutes(2));
}

TEST_F(Autosave, ModifiedDesignIsCopiedOnTheTimerWithItsOwnFile)
{
    const QString design = WriteDesign(QStringLiteral("plant.lgc"), 7);
    const std::vector<std::uint8_t> before = FileBytes(design);
    auto app = std::make_unique<CVantrelApp>(AppServices{&notifier, &fileDialogs, nullptr, nullptr,
                                                         nullptr, RecoveryFolder(),
                                                         std::chrono::milliseconds(20)});
    ASSERT_TRUE(app->InitInstance({design}));

    // An unmodified design leaves no copy however often the timer fires.
    QTest::qWait(100);
    EXPECT_TRUE(Copies().isEmpty());

    ASSERT_TRUE(RunScriptedEdit(app->MainFrame(), kEdit));
    ASSERT_EQ(app->Document().MainCount(), 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Copies().size() == 2; }, 5000));

    const QString session = Copies().constFirst().chopped(5);
    EXPECT_EQ(Copies(), (QStringList{session + ".json", session + ".lgc"}));
    EXPECT_EQ(FileBytes(RecoveryFolder() + "/" + session + ".lgc"), CurrentBytes(*app));
    QFile info(RecoveryFolder() + "/" + session + ".json");
    ASSERT_TRUE(info.open(QIODevice::ReadOnly));
    const QJsonObject fields = QJsonDocument::fromJson(info.readAll()).object();
    EXPECT_EQ(fields.value("original").toString(), design);
    EXPECT_EQ(fields.value("pid").toInteger(), QCoreApplication::applicationPid());
    // The copy is no save: the design stays modified and its file untouched.
    EXPECT_TRUE(app->Document().IsModified());
    EXPECT_EQ(FileBytes(design), before);
}

// Every way a session lets go of its design takes the copy with it.
TEST_F(Autosave, SavingDiscardingOrClosingRemovesTheCopy)
{
    const QString design = WriteDesign(QStringLiteral("plant.lgc"), 7);
    const std::vector<std::pair<const char*, std::function<void(CVantrelApp&)>>> endings = {
        {"save", [](CVantrelApp& app) { ASSERT_TRUE(app.OnFileSave()); }},
        {"new, discarding", [](CVantrelApp& app) { ASSERT_TRUE(app.OnFileNew()); }},
        {"open another, discarding",
         [&](CVantrelApp& app) { ASSERT_TRUE(app.OpenDocumentFile(design)); }},
        {"close, discarding", [](CVantrelApp& app) { ASSERT_TRUE(app.MainFrame().close()); }},
    };
    for (const auto& [ending, end] : endings) {
        SCOPED_TRACE(ending);
        WriteDesign(QStringLiteral("plant.lgc"), 7);
        auto app = StartEditor({design});
        ASSERT_TRUE(RunScriptedEdit(app->MainFrame(), kEdit));
        app->Autosave().SaveNow();
        ASSERT_EQ(Copies().size(), 2);
        end(*app);
        EXPECT_TRUE(Copies().isEmpty());
    }
    // A normal exit with the design still modified (the desktop's session
    // end, a failed close) leaves nothing either.
    auto app = StartEditor({design});
    ASSERT_TRUE(RunScriptedEdit(app->MainFrame(), kEdit));
    app->Autosave().SaveNow();
    ASSERT_EQ(Copies().size(), 2);
    app.reset();
    EXPECT_TRUE(Copies().isEmpty());
}

TEST_F(Autosave, AFailedCopyIsToldInTheStatusBarAndTheDesignStaysModified)
{
    QFile blocker(RecoveryFolder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    auto app = StartEditor();
    ASSERT_TRUE(RunScriptedEdit(app->MainFrame(), kEdit));
    app->Autosave().SaveNow();
    EXPECT_TRUE(
        app->MainFrame().StatusMessage().startsWith("The recovery copy could not be written: "))
        << app->MainFrame().StatusMessage().toStdString();
    EXPECT_TRUE(app->Document().IsModified());
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST_F(Autosave, ACopyLeftByAnEndedProcessIsRecoveredAsTheModifiedDesignOfItsFile)
{
    const QString original = WriteDesign(QStringLiteral("plant.lgc"), 7);
    CVantrelDoc edited;
    edited.InsertElement(std::make_unique<LogAnd>(Point{7, 0}, 7));
    edited.InsertElement(std::make_unique<LogAnd>(Point{9, 2}, 8));
    edited.nextElementId = 9;
    const std::vector<std::uint8_t> copy = DesignBytes(edited, u"", QtImageCodec());
    LeaveCopy(QStringLiteral("crashed"), copy, original, EndedProcessId());

    notifier = RecordingNotifier(MessageAnswer::Yes);
    auto app = StartEditor();
    ASSERT_TRUE(started);
    ASSERT_EQ(notifier.Messages().size(), 1u);
    EXPECT_EQ(notifier.Messages()[0].rfind("Vantrel v2: Vantrel ended without closing while "
                                           "plant.lgc had unsaved changes.",
                                           0),
              0u)
        << notifier.Messages()[0];
    EXPECT_EQ(CurrentBytes(*app), copy);
    EXPECT_TRUE(app->Document().IsModified());
    EXPECT_EQ(app->PathName(), original);
    // The crashed session's copy is gone; this session holds its own until
    // the design is saved, and Save writes the design's own file.
    EXPECT_FALSE(Copies().contains("crashed.lgc"));
    EXPECT_TRUE(app->Autosave().Store().HasCopy());
    ASSERT_TRUE(app->OnFileSave());
    EXPECT_EQ(FileBytes(original), copy);
    EXPECT_TRUE(Copies().isEmpty());
}

TEST_F(Autosave, DecliningDeletesTheCopyAndCopiesOfRunningSessionsAreNotOffered)
{
    const std::vector<std::uint8_t> copy = CurrentBytes(*StartEditor());
    LeaveCopy(QStringLiteral("crashed"), copy, QString(), EndedProcessId());
    LeaveCopy(QStringLiteral("running"), copy, QString(), QCoreApplication::applicationPid());

    auto app = StartEditor();
    ASSERT_EQ(notifier.Messages().size(), 1u);
    EXPECT_NE(notifier.Messages()[0].find("while Untitled had unsaved changes"), std::string::npos);
    EXPECT_EQ(Copies(), (QStringList{"running.json", "running.lgc"}));
    EXPECT_FALSE(app->Document().IsModified());
    EXPECT_TRUE(app->PathName().isEmpty());
}

// A killed editor whose parent (a shell, a session manager) has not yet
// reaped it is a zombie: still known to the system, but no longer running.
TEST_F(Autosave, TheCopyOfAKilledEditorNotYetReapedIsOffered)
{
    const std::vector<std::uint8_t> copy = CurrentBytes(*StartEditor());
    Child editor;
    ASSERT_GT(editor.Pid(), 0);
    EXPECT_TRUE(ProgramRuns(editor.Pid())); // the same program, running
    LeaveCopy(QStringLiteral("killed"), copy, QString(), editor.Pid());
    StartEditor();
    EXPECT_TRUE(notifier.Messages().empty()); // not offered while it runs

    ASSERT_TRUE(editor.KillLeavingZombie());
    EXPECT_FALSE(ProgramRuns(editor.Pid()));
    notifier.Clear();
    auto app = StartEditor();
    ASSERT_EQ(notifier.Messages().size(), 1u);
    EXPECT_NE(notifier.Messages()[0].find("while Untitled had unsaved changes"), std::string::npos);
    EXPECT_TRUE(Copies().isEmpty()); // declined: the copy is gone
}

TEST_F(Autosave, ADamagedCopyIsToldAndDropped)
{
    LeaveCopy(QStringLiteral("crashed"), {0x13, 0x00, 0x00, 0x00, 0xff}, QString(),
              EndedProcessId());
    notifier = RecordingNotifier(MessageAnswer::Yes);
    auto app = StartEditor();
    ASSERT_EQ(notifier.Messages().size(), 2u);
    EXPECT_EQ(notifier.Messages()[1], "Vantrel v2: Unexpected file format.");
    EXPECT_TRUE(Copies().isEmpty());
    EXPECT_FALSE(app->Document().IsModified());
    EXPECT_TRUE(app->PathName().isEmpty());
}

// The real editor, killed after an edit, offers the edited design at its
// next start; saved, it is byte for byte the edited design.
TEST_F(Autosave, KilledEditorOffersTheEditedDesignAtTheNextStart)
{
    const QString design = WriteDesign(QStringLiteral("plant.lgc"), 7);
    const std::vector<std::uint8_t> before = FileBytes(design);
    std::vector<std::uint8_t> edited;
    {
        auto app = StartEditor({design});
        ASSERT_TRUE(RunScriptedEdit(app->MainFrame(), kEdit));
        edited = CurrentBytes(*app);
        ASSERT_TRUE(app->OnFileNew());
    }
    ASSERT_NE(edited, before);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", FilePath("home"));
    environment.insert("XDG_DATA_HOME", FilePath("data"));
    environment.insert("XDG_CONFIG_HOME", FilePath("config"));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    const QString recovery = FilePath("data/vantrel/recovery");
    const auto copyHolds = [&](const std::vector<std::uint8_t>& bytes) {
        for (const QString& name : QDir(recovery).entryList({"*.lgc"}, QDir::Files))
            if (FileBytes(recovery + "/" + name) == bytes)
                return true;
        return false;
    };

    QProcess editor;
    QProcessEnvironment editing = environment;
    editing.insert("VANTREL_AUTOSAVE_INTERVAL_MS", "100");
    editing.insert("VANTREL_SCRIPTED_EDIT", kEdit);
    // Nothing should ask anything; should a box come up all the same, it is
    // answered and printed for the failure message instead of waiting.
    editing.insert("VANTREL_SCRIPTED_ANSWERS", "no");
    editor.setProcessEnvironment(editing);
    editor.start(VANTREL_APP_PATH, {design});
    ASSERT_TRUE(editor.waitForStarted());
    QElapsedTimer waited;
    waited.start();
    while (!copyHolds(edited) && waited.elapsed() < 60000 && editor.state() == QProcess::Running)
        QTest::qWait(50);
    ASSERT_TRUE(copyHolds(edited))
        << "editor running: " << (editor.state() == QProcess::Running)
        << ", copies: " << QDir(recovery).entryList(QDir::Files).join(' ').toStdString()
        << ", messages: " << editor.readAllStandardError().toStdString();
    editor.kill(); // SIGKILL: no chance to clean up
    ASSERT_TRUE(editor.waitForFinished());
    EXPECT_EQ(FileBytes(design), before);

    QProcess restarted;
    QProcessEnvironment recovering = environment;
    recovering.insert("VANTREL_SCRIPTED_ANSWERS", "yes");
    recovering.insert("VANTREL_SCRIPTED_EDIT",
                      QStringLiteral("%1 %2").arg(kFileSave).arg(kAppExit));
    restarted.setProcessEnvironment(recovering);
    restarted.start(VANTREL_APP_PATH, {});
    ASSERT_TRUE(restarted.waitForFinished(60000));
    const QString messages = QString::fromLocal8Bit(restarted.readAllStandardError());
    EXPECT_EQ(restarted.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(restarted.exitCode(), 0) << messages.toStdString();
    EXPECT_TRUE(messages.contains("while plant.lgc had unsaved changes")) << messages.toStdString();
    EXPECT_EQ(FileBytes(design), edited);
    EXPECT_TRUE(QDir(recovery).entryList(QDir::Files).isEmpty());
}

} // namespace
} // namespace vantrel::test
