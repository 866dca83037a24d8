// vantrel-cli: the headless command line of the editor.
#include "cli_context.h"
#include "design_commands.h"

#include "platform/qt/qt_image_codec.h"

#include <QCoreApplication>

#include <iostream>
#include <string>
#include <vector>

namespace vantrel::cli {

namespace {

struct CommandSpec
{
    const char* name;
    const char* usage;
    const char* summary;
    Grammar grammar;
    int (*run)(const Arguments&, Context&);
};

const std::vector<CommandSpec>& Commands()
{
    static const std::vector<CommandSpec> commands = {
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
        {"simulation",
         "simulation DESIGN [-o PATH]",
         "write the simulation description (default simulation.lgf)",
         {{"-o"}, {}},
         RunSimulation},
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
    for (const CommandSpec& command : Commands())
        out << "  " << command.usage << "\n      " << command.summary << '\n';
    out << "\n'vantrel-cli COMMAND --help' describes one command.\n"
           "Exit codes: 0 success, 1 problems found (check), 2 usage error,\n"
           "3 the design cannot be opened, 4 an output cannot be written.\n";
}

void PrintCommandHelp(const CommandSpec& command, std::ostream& out)
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
    const CommandSpec* command = nullptr;
    for (const CommandSpec& candidate : Commands())
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
        return command->run(arguments, context);
    } catch (const UsageError& error) {
        std::cerr << "vantrel-cli " << command->name << ": " << error.what() << "\n\n";
        PrintCommandHelp(*command, std::cerr);
        return kExitUsage;
    }
}

} // namespace

} // namespace vantrel::cli

int main(int argc, char** argv)
{
    // Image plugins (JPEG) are found through the application's library paths.
    QCoreApplication application(argc, argv);
    return vantrel::cli::Run(std::vector<std::string>(argv + 1, argv + argc));
}
