#include "app/editor_command_line.h"

#include "app/view_printing.h"
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "editing/view_state.h"
#include "qt_adapters/qt_image_codec.h"
#include "qt_adapters/qt_text.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include <cstdio>
#include <string_view>

namespace vantrel {

namespace {

const QString kPrint = QStringLiteral("print");
const QString kPrintTo = QStringLiteral("print-to");

EditorCommandLine Finished(int exitCode)
{
    EditorCommandLine done;
    done.action = EditorCommandLine::Action::Exit;
    done.exitCode = exitCode;
    return done;
}

EditorCommandLine UsageError(const QString& message)
{
    std::fprintf(stderr, "vantrel: %s\nTry 'vantrel --help'.\n", qPrintable(message));
    return Finished(kEditorExitUsage);
}

void Describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Vantrel v2: the schematic editor of logic designs (.lgc).\n"
                       "Exit codes of the printing switches: 0 printed, 2 usage error, "
                       "3 the design cannot be opened, 4 it cannot be printed or written."));
    parser.addOption({kPrint, QStringLiteral("Print DESIGN on the default printer and exit.")});
    parser.addOption({kPrintTo,
                      QStringLiteral("Print DESIGN into the PDF file OUT, with the pages Print "
                                     "makes, and exit."),
                      QStringLiteral("OUT")});
    parser.addPositionalArgument(QStringLiteral("DESIGN"),
                                 QStringLiteral("The design to open (or to print)."),
                                 QStringLiteral("[DESIGN]"));
}

// --print, --print-to (with its value or not), --help and --version.
bool IsSwitchOfARunWithoutWindow(std::string_view argument)
{
    return argument.starts_with("--print") || argument == "--help" || argument == "-h" ||
           argument == "--version" || argument == "-v";
}

void Tell(Notifier& notifier, const QString& text)
{
    notifier.Message(FromQString(text), kApplicationTitle, MessageButtons::Ok);
}

bool PrintToPdf(CVantrelDoc& document, const QString& title, const QString& path)
{
    // The page layout and resolution of the default printer, as Print has.
    const QPrinter printer(QPrinter::HighResolution);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        writer.setCreator(QStringLiteral("Vantrel"));
        writer.setTitle(title);
        if (!PrintDrawing(writer, document, ViewState{}, QSize(), title))
            return false;
    }
    return file.commit();
}

} // namespace

EditorCommandLine ParseEditorCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    Describe(parser);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments))
        return UsageError(parser.errorText());
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return Finished(0);
    }
    if (parser.isSet(version)) {
        std::printf("vantrel %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return Finished(0);
    }
    const QStringList designs = parser.positionalArguments();
    if (designs.size() > 1)
        return UsageError(QStringLiteral("expected at most one design file"));
    EditorCommandLine commandLine;
    commandLine.design = designs.value(0);
    const bool print = parser.isSet(kPrint);
    const bool printTo = parser.isSet(kPrintTo);
    if (!print && !printTo)
        return commandLine;
    if (print && printTo)
        return UsageError(QStringLiteral("--print and --print-to do not go together"));
    if (commandLine.design.isEmpty())
        return UsageError(QStringLiteral("--print and --print-to need a design file"));
    commandLine.action =
        print ? EditorCommandLine::Action::Print : EditorCommandLine::Action::PrintToFile;
    commandLine.pdfPath = parser.value(kPrintTo);
    return commandLine;
}

void DrawOffscreenWithoutDisplay(int argc, char** argv)
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(variable))
            return;
    for (int i = 1; i < argc; ++i) {
        if (IsSwitchOfARunWithoutWindow(argv[i])) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            return;
        }
    }
}

int PrintDesignFile(const EditorCommandLine& commandLine, Notifier& notifier)
{
    CVantrelDoc document(&notifier);
    const QtImageCodec codec;
    if (OpenDesign(document, FileSystemPath(commandLine.design), codec) != OpenOutcome::Opened)
        return kEditorExitCannotOpen;
    const QString title = QFileInfo(commandLine.design).fileName();
    if (commandLine.action == EditorCommandLine::Action::PrintToFile) {
        if (PrintToPdf(document, title, commandLine.pdfPath))
            return 0;
        Tell(notifier, QStringLiteral("The PDF file %1 could not be written.")
                           .arg(QDir::toNativeSeparators(commandLine.pdfPath)));
        return kEditorExitCannotPrint;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (printer.printerName().isEmpty()) {
        Tell(notifier, QStringLiteral("There is no default printer to print %1 on.").arg(title));
        return kEditorExitCannotPrint;
    }
    printer.setDocName(title);
    if (PrintDrawing(printer, document, ViewState{}, QSize(), title))
        return 0;
    Tell(notifier,
         QStringLiteral("%1 could not be printed on %2.").arg(title, printer.printerName()));
    return kEditorExitCannotPrint;
}

} // namespace vantrel
