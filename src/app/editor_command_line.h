#pragma once

#include <QString>
#include <QStringList>

namespace vantrel {

class Notifier;

// What the editor is asked to do by its command line.
struct EditorCommandLine
{
    enum class Action
    {
        Open,        // the window, with the design if one is named
        Print,       // the design on the default printer, then exit
        PrintToFile, // the design into a PDF file, then exit
        Exit,        // nothing more (help, version, a usage error)
    };
    Action action = Action::Open;
    QString design;
    QString pdfPath;
    int exitCode = 0;
};

// The exit codes of the printing switches, as the command line tool has them.
constexpr int kEditorExitUsage = 2;
constexpr int kEditorExitCannotOpen = 3;
constexpr int kEditorExitCannotPrint = 4;

// Reads the program's arguments (its own name first). --help and --version
// print their text on standard output; a usage error is told on standard
// error with exit code 2.
EditorCommandLine ParseEditorCommandLine(const QStringList& arguments);

// Before the application object is made: a run that only prints, or only
// answers --help or --version, needs no display, so without one it draws
// off screen.
void DrawOffscreenWithoutDisplay(int argc, char** argv);

// Prints the design named on the command line the way Print prints it in
// Design: on the default printer, or into the PDF file (replaced only once
// the new one is complete). Messages go to the notifier; the exit code.
int PrintDesignFile(const EditorCommandLine& commandLine, Notifier& notifier);

} // namespace vantrel
