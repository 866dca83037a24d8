#pragma once

// A running application for tests: its settings in a temporary folder, its
// questions answered by a recording notifier and scripted file dialogs.

#include "app/file_dialogs.h"
#include "app/main_window.h"
#include "app/vantrel_app.h"
#include "document/design_io.h"
#include "elements/gates.h"
#include "support/recording_notifier.h"

#include <QDir>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace vantrel::test {

// Answers the file dialogs from a queue; Cancel (empty) once it runs dry.
class ScriptedFileDialogs final : public FileDialogs
{
public:
    QString OpenFileName(QWidget*) override { return Next(); }
    QString SaveFileName(QWidget*, const QString& proposed) override
    {
        proposedNames.append(proposed);
        return Next();
    }

    QStringList answers;
    QStringList proposedNames;

private:
    QString Next() { return answers.isEmpty() ? QString() : answers.takeFirst(); }
};

// The id of a process that has ended.
inline qint64 EndedProcessId()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

class AppTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           folder_.filePath(QStringLiteral("settings")));
    }

    QString FilePath(const QString& name) const { return folder_.filePath(name); }

    // A design file holding one AND gate with the given id at cell (id, 0).
    QString WriteDesign(const QString& name, std::int32_t gateId = 1)
    {
        CVantrelDoc design;
        design.InsertElement(std::make_unique<LogAnd>(Point{gateId, 0}, gateId));
        design.nextElementId = gateId + 1;
        QString path = FilePath(name);
        EXPECT_TRUE(SaveDesign(design, QFile::encodeName(path).toStdString(), QtImageCodec()));
        return path;
    }

    std::unique_ptr<CVantrelApp> StartApp(RecordingNotifier& notifier,
                                          const QStringList& arguments = {})
    {
        auto app = std::make_unique<CVantrelApp>(AppServices{&notifier, &fileDialogs});
        started = app->InitInstance(arguments);
        return app;
    }

    ScriptedFileDialogs fileDialogs;
    bool started = false;

private:
    QTemporaryDir folder_;
};

} // namespace vantrel::test
