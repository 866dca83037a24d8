// The command line as a user runs it: a fresh vantrel-cli process (fork and
// exec) per command, timed by the processor time the process used (user and
// system, from wait4), the fastest of interleaved runs.
// - BM_InfoThroughput: `info` on the full-size design and on 96 000- and
//   192 000-element mixed designs, against an empty design: the net
//   throughput in MB/s of design file (the targets: 150 at full size, 100 at
//   192k).
// - BM_ProcessDoubling: info, sort, check, flash, json, dump and save on the
//   96k and the 192k design: "ratio_<command>" is the larger over the smaller
//   (at most 2.2 for linear work).
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "support/fake_image_codec.h"
#include "support/full_size_design.h"
#include "support/random_designs.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

constexpr int kRuns = 5;

double Seconds(const timeval& time)
{
    return double(time.tv_sec) + double(time.tv_usec) / 1e6;
}

// Runs vantrel-cli with the arguments, its output thrown away, and returns
// the processor time it used in milliseconds.
double RunCli(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    std::string program = VANTREL_CLI_PATH;
    argv.push_back(program.data());
    std::vector<std::string> held = arguments;
    for (std::string& argument : held)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child < 0)
        throw std::runtime_error("cannot start vantrel-cli");
    if (child == 0) {
        const int nowhere = open("/dev/null", O_WRONLY);
        dup2(nowhere, STDOUT_FILENO);
        dup2(nowhere, STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) > 1)
        throw std::runtime_error("vantrel-cli failed: " + arguments.front());
    return (Seconds(usage.ru_utime) + Seconds(usage.ru_stime)) * 1e3;
}

struct Designs
{
    fs::path folder;
    std::map<std::string, fs::path> files;

    Designs() = default;
    Designs(const Designs&) = delete;
    Designs& operator=(const Designs&) = delete;
    Designs(Designs&&) = default;
    ~Designs()
    {
        if (!folder.empty()) {
            std::error_code ignored;
            fs::remove_all(folder, ignored);
        }
    }

    double Megabytes(const std::string& name) const
    {
        return double(fs::file_size(files.at(name))) / 1e6;
    }
};

const Designs& BenchmarkDesigns()
{
    static const Designs designs = [] {
        Designs made;
        made.folder = fs::temp_directory_path() / ("vantrel-cli-bench-" + std::to_string(getpid()));
        fs::create_directories(made.folder);
        test::FakeImageCodec codec;
        auto write = [&](const std::string& name, const auto& fill) {
            CVantrelDoc document;
            fill(document);
            const fs::path path = made.folder / (name + ".lgc");
            if (!SaveDesign(document, path.string(), codec))
                throw std::runtime_error("cannot write " + path.string());
            made.files[name] = path;
        };
        write("empty", [](CVantrelDoc&) {});
        write("full", [](CVantrelDoc& document) { test::FillFullSizeDesign(document, 0); });
        write("96k", [](CVantrelDoc& document) { test::FillRandomDesign(document, 42, 96000); });
        write("192k", [](CVantrelDoc& document) { test::FillRandomDesign(document, 42, 192000); });
        return made;
    }();
    return designs;
}

void BM_InfoThroughput(benchmark::State& state)
{
    const Designs& designs = BenchmarkDesigns();
    const std::vector<std::string> names = {"empty", "full", "96k", "192k"};
    std::map<std::string, double> fastest;
    for (auto _ : state)
        for (const std::string& name : names) {
            const double ms = RunCli({"info", designs.files.at(name).string()});
            fastest[name] = fastest.contains(name) ? std::min(fastest[name], ms) : ms;
        }
    for (const std::string& name : names) {
        state.counters[name + "_ms"] = fastest[name];
        if (name != "empty")
            state.counters[name + "_MB_per_s"] =
                (designs.Megabytes(name) - designs.Megabytes("empty")) /
                ((fastest[name] - fastest["empty"]) / 1e3);
    }
}
BENCHMARK(BM_InfoThroughput)->Unit(benchmark::kMillisecond)->Iterations(kRuns);

std::vector<std::string> Command(const std::string& command, const fs::path& design,
                                 const fs::path& output)
{
    if (command == "info" || command == "check" || command == "dump")
        return {command, design.string()};
    return {command, design.string(), "-o", output.string()};
}

void BM_ProcessDoubling(benchmark::State& state)
{
    const Designs& designs = BenchmarkDesigns();
    const std::vector<std::string> commands = {"info", "sort", "check", "flash",
                                               "json", "dump", "save"};
    std::map<std::string, double> fastest;
    const fs::path output = designs.folder / "out";
    for (auto _ : state)
        for (const std::string& command : commands)
            for (const char* size : {"96k", "192k"}) {
                const std::string suffix = command == "json"    ? ".lgj"
                                           : command == "flash" ? ".lgf"
                                                                : ".lgc";
                const double ms = RunCli(
                    Command(command, designs.files.at(size), output.string() + size + suffix));
                const std::string key = command + "_" + size;
                fastest[key] = fastest.contains(key) ? std::min(fastest[key], ms) : ms;
            }
    for (const std::string& command : commands) {
        state.counters[command + "_96k_ms"] = fastest[command + "_96k"];
        state.counters[command + "_192k_ms"] = fastest[command + "_192k"];
        state.counters["ratio_" + command] = fastest[command + "_192k"] / fastest[command + "_96k"];
    }
}
BENCHMARK(BM_ProcessDoubling)->Unit(benchmark::kMillisecond)->Iterations(kRuns);

} // namespace
} // namespace vantrel
