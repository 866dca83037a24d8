// vantrel-cli: the headless command line of the editor.
#include "block_command.h"
#include "cli_context.h"
#include "design_commands.h"
#include "dump_diff_commands.h"
#include "export_commands.h"
#include "import_names_command.h"
#include "large_page_heap.h"
#include "merge_command.h"
#include "render_command.h"
#include "report_command.h"

#include "archive/file_bytes.h"
#include "qt_adapters/qt_image_codec.h"

#include <QGuiApplication>

#include <csignal>
#include <iostream>
#include <new>
#include <string>
#include <vector>

namespace vantrel::cli {

namespace {

struct CommandEntry
{
    const char* name;
    const char* usage;
    const char* summary;
    Grammar grammar;
    int (*run)(const Arguments&, Context&);
};

const std::vector<CommandEntry>& Commands()
{
    static const std::vector<CommandEntry> commands = {
        {"info",
         "info DESIGN",
         "print the design's counts and settings as one JSON object",
         {},
         RunInfo},
        {"sort",
         "sort DESIGN [-o OUT]",
         "sort the main and register lists into evaluation order and save (in place without -o)",
         {{"-o"}, {}},
         RunSort},
        {"save",
         "save DESIGN -o OUT",
         "save the design as the current file version",
         {{"-o"}, {}},
         RunSave},
        {"flash",
         "flash DESIGN [-o PATH] [--modules DIR] [--random N]",
         "write the flash file (default flash.lgf) and the remote module files beside it, and "
         "print the resource report; --random fixes the image's random number (0..32767). The "
         "remote module files go into DIR with --modules, and into the working folder when "
         "PATH is not a regular file (a device, a pipe), which is written into, never replaced",
         {{"-o", "--random", "--modules"}, {}},
         RunFlash},
        {"json",
         "json DESIGN [-o PATH|-] [--modules DIR] [--random N]",
         "write the JSON export (default flash.lgj; - for standard output) and the remote module "
         "files as flash does, and print the resource report (on standard error when the export "
         "goes to standard output)",
         {{"-o", "--random", "--modules"}, {}},
         RunJson},
        {"iolist",
         "iolist DESIGN --type inputs|outputs|ainputs|aoutputs [--board 32|48] "
         "[--format csv|text] [-o PATH|-]",
         "write an I/O list (default board 32, csv, named after the type; - for standard output)",
         {{"--type", "--board", "--format", "-o"}, {}},
         RunIoList},
        {"import-names",
         "import-names DESIGN NAMES [-o OUT] [--type inputs|outputs|ainputs|aoutputs] "
         "[--create]",
         "name the design's I/O elements from a spreadsheet: an I/O list as iolist writes it "
         "(csv or text) or a plain list of number,name lines (numbers counted from 1), in the "
         "code page, UTF-8 or UTF-16. --type says which I/O the names are for (default: the "
         "file's name, as iolist names it: inputs.csv, ainputs.txt ...). Each row names the "
         "elements of its number; --create places an element for a number within the "
         "configured count that no element has, in a free column. Prints a line per row "
         "(assigned, unchanged, created or unknown) and saves the design (in place without "
         "-o, only when a name changed). A file with malformed lines changes nothing; exit 1 "
         "when a line is malformed or a number unknown",
         {{"-o", "--type"}, {"--create"}},
         RunImportNames},
        {"block",
         "block list [FOLDER|DESIGN...] | block place DESIGN BLOCK --cell X,Y [-o OUT]",
         "list the block files (.lgb) of the folders (for a design, of the blocks folder beside "
         "it; default: the user's block folder, "
         "$XDG_DATA_HOME/vantrel/blocks, and the installed blocks) with their names and "
         "descriptions, damaged ones as such (exit 1 when one is damaged); or place a block in "
         "the design as a paste whose top-left element lands on cell X,Y: new consecutive ids, "
         "wires kept among the block's elements, its other inputs unconnected, I/O elements "
         "left out; saved into OUT (in place without -o)",
         {{"-o", "--cell"}, {}},
         RunBlock},
        {"check",
         "check DESIGN [--format text|json]",
         "list the design's problems: duplicate ids, I/O numbers out of range or used twice, "
         "unconnected inputs, missing accumulators, elements on feedback loops (in any list), "
         "Out Markers whose In Marker is gone and In Markers no Out Marker reads; one line a "
         "problem with the element's id, kind, description and cell, or a JSON array with "
         "--format json. Exit 1 exactly when at least one problem is listed",
         {{"--format"}, {}},
         RunCheck},
        {"simulation",
         "simulation DESIGN [-o PATH|-]",
         "write the simulation description (default simulation.lgf; - for standard output)",
         {{"-o"}, {}},
         RunSimulation},
        {"render",
         "render DESIGN -o OUT.png|OUT.jpg|OUT.bmp|OUT.svg|OUT.pdf|- [--size WxH] "
         "[--fit | --zoom Z --origin X,Y] [--numbers] [--page N | --all-pages] [--tick K] "
         "[--selected] [--compare OTHER]",
         "draw the editor's picture of the design into a PNG, JPEG, BMP, SVG or PDF file by the "
         "output's extension (a PNG for a name without one, such as - for standard output; any "
         "other extension is refused): the design at the given zoom and origin (default 800x600, "
         "zoom 1, origin 0,0), or preview page N (1 = the first) with its paint objects at timer "
         "tick K (default 0), all of them selected with --selected; --all-pages writes every "
         "preview page into one PDF, a page each; --compare marks how the design differs from "
         "OTHER (added green, removed as red ghosts, moved with a line from the old cell, changed "
         "or rewired amber), --fit then framing the changed elements",
         {{"-o", "--size", "--zoom", "--origin", "--page", "--tick", "--compare"},
          {"--fit", "--numbers", "--selected", "--all-pages"}},
         RunRender},
        {"report",
         "report DESIGN -o OUT.pdf|OUT.html",
         "write the design's documentation into one PDF or HTML file (by the output's "
         "extension): the settings and resource report, the tables of the inputs and outputs "
         "with what reads or drives each, the registers, markers, remote modules, complex "
         "commands, simulation elements and problems, the schematic as printed and every "
         "preview page",
         {{"-o"}, {}},
         RunReport},
        {"dump",
         "dump DESIGN",
         "print the whole design as stable text, one line per record (elements by id), for "
         "reading changes in version control (a git textconv driver)",
         {},
         RunDump},
        {"diff",
         "diff BEFORE AFTER [--format text|json]",
         "compare two designs: elements added, removed, moved, rewired or changed (by id), paint "
         "objects, configuration, commands, remote modules and pages; exit 1 when they differ",
         {{"--format"}, {}},
         RunDiff},
        {"merge",
         "merge BASE OURS THEIRS [-o OUT] [--format text|json]",
         "merge what OURS and THEIRS each changed since BASE into OUT (OURS without -o), as "
         "git's merge driver: elements by id, field by field; where both changed an item "
         "differently, OURS is kept and the conflict is printed on standard error (also as JSON "
         "with --format json); exit 1 when any conflict remained",
         {{"-o", "--format"}, {}},
         RunMerge},
    };
    return commands;
}

void PrintOverview(std::ostream& out)
{
    out << "Usage: vantrel-cli COMMAND [ARGUMENTS]\n"
           "       vantrel-cli --help | --version\n"
           "\n"
           "Headless tools for Vantrel logic designs (.lgc).\n"
           "\n"
           "Commands:\n";
    for (const CommandEntry& command : Commands())
        out << "  " << command.usage << "\n      " << command.summary << '\n';
    out << "\n'vantrel-cli COMMAND --help' describes one command.\n"
           "Exit codes: 0 success, 1 problems listed (check), designs differ (diff),\n"
           "conflicts remained (merge), rows reported (import-names) or damaged blocks\n"
           "listed (block list), 2 usage error, 3 the design (or the file of names, the\n"
           "block) cannot be opened, 4 an output cannot be written.\n"
           "An output that exists and is not a regular file (a device, a pipe, standard\n"
           "output) is written into; any other is replaced only once it is complete.\n";
}

void PrintCommandHelp(const CommandEntry& command, std::ostream& out)
{
    out << "Usage: vantrel-cli " << command.usage << "\n\n" << command.summary << '\n';
}

int Run(const std::vector<std::string>& words)
{
    if (words.size() == 1 && words[0] == "--help") {
        PrintOverview(std::cout);
        return kExitOk;
    }
    if (words.size() == 1 && words[0] == "--version") {
        std::cout << "vantrel-cli 2.0\n";
        return kExitOk;
    }
    const CommandEntry* command = nullptr;
    for (const CommandEntry& candidate : Commands())
        if (!words.empty() && words[0] == candidate.name)
            command = &candidate;
    if (!command) {
        if (!words.empty())
            std::cerr << "vantrel-cli: unknown command " << words[0] << "\n\n";
        PrintOverview(std::cerr);
        return kExitUsage;
    }
    try {
        const Arguments arguments =
            Parse(std::vector<std::string>(words.begin() + 1, words.end()), command->grammar);
        if (arguments.Has("--help")) {
            PrintCommandHelp(*command, std::cout);
            return kExitOk;
        }
        StderrNotifier notifier(std::cerr);
        QtImageCodec codec;
        Context context{std::cout, notifier, codec};
        try {
            return command->run(arguments, context);
        } catch (const std::bad_alloc&) {
            // Where a command has no more fitting outcome of its own.
            notifier.Message(kOutOfMemoryText, kApplicationTitle, MessageButtons::Ok);
            return kExitCannotOpen;
        }
    } catch (const UsageError& error) {
        std::cerr << "vantrel-cli " << command->name << ": " << error.what() << "\n\n";
        PrintCommandHelp(*command, std::cerr);
        return kExitUsage;
    }
}

} // namespace

} // namespace vantrel::cli

namespace {

// Standard error carries the system's own messages only; Qt's notes about
// its environment (runtime folders, fonts) are not for the user of a tool.
void KeepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toStdString() << '\n';
}

} // namespace

int main(int argc, char** argv)
{
    vantrel::cli::UseLargePagesForHeap();
    // A write past the file-size limit then fails with its error, which is
    // reported, instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    qInstallMessageHandler(KeepQtQuiet);
    // Drawing text needs a GUI application; it never needs a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    return vantrel::cli::Run(std::vector<std::string>(argv + 1, argv + argc));
}
