#include "app/app_settings.h"
#include "app/editor_command_line.h"
#include "app/main_window.h"
#include "app/test_hooks.h"
#include "app/tool_icons.h"
#include "app/vantrel_app.h"
#include "cli/stderr_notifier.h"

#include <QApplication>
#include <QTimer>

#include <csignal>
#include <iostream>

int main(int argc, char** argv)
{
    // A save past the file-size limit then fails with its error, which is
    // reported, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    vantrel::DrawOffscreenWithoutDisplay(argc, argv);
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("vantrel"));
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));
    QApplication::setWindowIcon(vantrel::ApplicationIcon());
    // Lets the desktop match the window to the installed menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("org.vantrel.Vantrel"));

    using Action = vantrel::EditorCommandLine::Action;
    const vantrel::EditorCommandLine commandLine =
        vantrel::ParseEditorCommandLine(QApplication::arguments());
    switch (commandLine.action) {
    case Action::Exit:
        return commandLine.exitCode;
    case Action::Print:
    case Action::PrintToFile: {
        vantrel::StderrNotifier notifier(std::cerr);
        return vantrel::PrintDesignFile(commandLine, notifier);
    }
    case Action::Open:
        break;
    }
    vantrel::MoveEarlierSettings();
    vantrel::AppServices services;
    const vantrel::TestHooks hooks(services);
    vantrel::CVantrelApp app(services);
    if (!app.InitInstance(commandLine.design.isEmpty() ? QStringList()
                                                       : QStringList{commandLine.design}))
        return 1;
    if (!hooks.Edit().isEmpty())
        QTimer::singleShot(0, &app.MainFrame(), [&] {
            if (!vantrel::RunScriptedEdit(app.MainFrame(), hooks.Edit()))
                QApplication::exit(2);
        });
    return QApplication::exec();
}
