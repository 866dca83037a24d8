#include "app/tool_icons.h"
#include "app/vantrel_app.h"

#include <QApplication>

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
    // Lets the desktop match the window to the installed menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("org.vantrel.Vantrel"));

    vantrel::CVantrelApp app;
    if (!app.InitInstance(QApplication::arguments().mid(1)))
        return 1;
    return QApplication::exec();
}
