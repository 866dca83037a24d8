// vantrel-cli: the headless command line of the editor.
#include <cstring>
#include <iostream>
#include <string_view>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitUsage = 2;

void PrintHelp(std::ostream& out)
{
    out << "Usage: vantrel-cli [--help | --version]\n"
           "\n"
           "Headless tools for Vantrel logic designs (.lgc).\n"
           "\n"
           "Options:\n"
           "  --help     show this help and exit\n"
           "  --version  show the program version and exit\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string_view(argv[1]) == "--help") {
        PrintHelp(std::cout);
        return kExitOk;
    }
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::cout << "vantrel-cli 2.0\n";
        return kExitOk;
    }
    PrintHelp(std::cerr);
    return kExitUsage;
}
