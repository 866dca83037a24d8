#include "app/main_window.h"
#include "app/test_hooks.h"
#include "app/tool_icons.h"
#include "app/vantrel_app.h"

#include <QApplication>
#include <QTimer>

#include <csignal>

int main(int argc, char** argv)
{
    // A save past the file-size limit then fails with its error, which is
    // reported, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setWindowIcon(vantrel::ApplicationIcon());

    vantrel::AppServices services;
    const vantrel::TestHooks hooks(services);
    vantrel::CVantrelApp app(services);
    if (!app.InitInstance(QApplication::arguments().mid(1)))
        return 1;
    if (!hooks.Edit().isEmpty())
        QTimer::singleShot(0, &app.MainFrame(), [&] {
            if (!vantrel::RunScriptedEdit(app.MainFrame(), hooks.Edit()))
                QApplication::exit(2);
        });
    return QApplication::exec();
}
