// The real editor keeps its settings and recovery copies in folders named
// after the program by the desktop's conventions, and takes over those that
// earlier versions left in "Local AppWizard-Generated Applications".
#include "app_test_support.h"

#include "app/app_settings.h"
#include "app/recovery_store.h"
#include "editing/command_ids.h"

#include <QDirIterator>
#include <QProcess>

namespace vantrel::test {
namespace {

const QString kEarlierName = QStringLiteral("Local AppWizard-Generated Applications");

class SettingsFolders : public AppTest
{
protected:
    // A home folder of its own, with the desktop's folders left to their
    // defaults unless set here.
    QProcessEnvironment Environment(const QString& configHome = {},
                                    const QString& dataHome = {}) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", FilePath("home"));
        environment.remove("XDG_CONFIG_HOME");
        environment.remove("XDG_DATA_HOME");
        if (!configHome.isEmpty())
            environment.insert("XDG_CONFIG_HOME", configHome);
        if (!dataHome.isEmpty())
            environment.insert("XDG_DATA_HOME", dataHome);
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("VANTREL_SCRIPTED_EDIT", QString::number(command::kAppExit));
        return environment;
    }

    // Starts the editor on the design, which it opens, and lets it quit.
    // Returns what it printed.
    QString RunEditor(const QProcessEnvironment& environment, const QString& design,
                      const QString& answers = QStringLiteral("no"))
    {
        QProcessEnvironment answered = environment;
        answered.insert("VANTREL_SCRIPTED_ANSWERS", answers);
        QProcess editor;
        editor.setProcessEnvironment(answered);
        editor.start(VANTREL_APP_PATH, {design});
        EXPECT_TRUE(editor.waitForFinished(60000));
        QString messages = QString::fromLocal8Bit(editor.readAllStandardError());
        EXPECT_EQ(editor.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(editor.exitCode(), 0) << messages.toStdString();
        return messages;
    }

    static QStringList RecentFiles(const QString& settingsFile)
    {
        EXPECT_TRUE(QFile::exists(settingsFile)) << settingsFile.toStdString();
        QSettings settings(settingsFile, QSettings::IniFormat);
        QStringList files;
        for (int i = 1; i <= 4; ++i)
            files.append(
                settings.value(QStringLiteral("Recent File List/File%1").arg(i)).toString());
        return files;
    }

    // Every file and folder under `folder` whose path names the earlier place.
    static QStringList EarlierPlaces(const QString& folder)
    {
        QStringList found;
        QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            if (const QString path = it.next(); path.contains(kEarlierName))
                found.append(path);
        return found;
    }
};

TEST_F(SettingsFolders, TheRecentFilesAreKeptInTheProgramsConfigFolder)
{
    const QString pump = WriteDesign("pump.lgc", 1);
    const QString tank = WriteDesign("tank.lgc", 2);
    struct Case
    {
        const char* name;
        QString configHome;
        QString dataHome;
        QString settingsFile;
    };
    for (const Case& c :
         {Case{"the desktop's defaults", {}, {}, FilePath("home/.config/vantrel/vantrel.conf")},
          Case{"folders set", FilePath("config"), FilePath("data"),
               FilePath("config/vantrel/vantrel.conf")}}) {
        SCOPED_TRACE(c.name);
        const QProcessEnvironment environment = Environment(c.configHome, c.dataHome);
        RunEditor(environment, pump);
        RunEditor(environment, tank);
        EXPECT_EQ(RecentFiles(c.settingsFile), (QStringList{tank, pump, {}, {}}));
        EXPECT_TRUE(EarlierPlaces(FilePath(QString())).isEmpty())
            << EarlierPlaces(FilePath(QString())).join(' ').toStdString();
        QDir(FilePath("home")).removeRecursively();
    }
}

TEST_F(SettingsFolders, SettingsAndCopiesInTheEarlierPlaceAreTakenOver)
{
    const QString pump = WriteDesign("pump.lgc", 1);
    const QString tank = WriteDesign("tank.lgc", 2);
    const QString earlierConfig = FilePath("home/.config/") + kEarlierName;
    ASSERT_TRUE(QDir().mkpath(earlierConfig));
    {
        QSettings earlier(earlierConfig + "/Vantrel.conf", QSettings::IniFormat);
        earlier.setValue("Recent File List/File1", pump);
        earlier.setValue("Settings/PreviewPages", 2);
    }
    // A copy an earlier version left when it crashed.
    const QString earlierCopies =
        FilePath("home/.local/share/") + kEarlierName + "/Vantrel/recovery";
    ASSERT_TRUE(QDir().mkpath(earlierCopies));
    ASSERT_TRUE(QFile::copy(pump, earlierCopies + "/crashed.lgc"));
    QFile info(earlierCopies + "/crashed.json");
    ASSERT_TRUE(info.open(QIODevice::WriteOnly));
    info.write(
        QStringLiteral(R"({"original": "%1", "saved": "2026-03-01T10:20:30.000Z", "pid": %2})")
            .arg(pump)
            .arg(EndedProcessId())
            .toUtf8());
    info.close();

    const QString messages = RunEditor(Environment(), tank);
    EXPECT_TRUE(messages.contains("while pump.lgc had unsaved changes")) << messages.toStdString();
    EXPECT_FALSE(QFile::exists(earlierCopies + "/crashed.lgc")) << "declined, so deleted";

    const QString settingsFile = FilePath("home/.config/vantrel/vantrel.conf");
    EXPECT_EQ(RecentFiles(settingsFile), (QStringList{tank, pump, {}, {}}));
    EXPECT_EQ(QSettings(settingsFile, QSettings::IniFormat).value("Settings/PreviewPages").toInt(),
              2);
    EXPECT_FALSE(QDir(earlierConfig).exists()) << "moved, not copied";
}

// Once the program's own file holds settings, an earlier file is left alone.
TEST_F(SettingsFolders, AnEarlierFileDoesNotOverwriteTheProgramsOwn)
{
    QSettings(QSettings::UserScope, kEarlierName, "Vantrel")
        .setValue("Recent File List/File1", "old");
    UserSettings()->setValue("Recent File List/File1", "own");
    MoveEarlierSettings();
    EXPECT_EQ(UserSettings()->value("Recent File List/File1").toString(), "own");
    EXPECT_EQ(QSettings(QSettings::UserScope, kEarlierName, "Vantrel")
                  .value("Recent File List/File1")
                  .toString(),
              "old");
}

} // namespace
} // namespace vantrel::test
