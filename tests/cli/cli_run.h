#pragma once

#include <QStringList>

#include <filesystem>
#include <span>
#include <string>

namespace vantrel::test {

// What a run of vantrel-cli gave back.
struct CliRun
{
    int exitCode;
    std::string out;
    std::string err;
};

// Runs vantrel-cli as a real process in the folder, its output and error
// streams read through pipes.
CliRun RunCli(const QStringList& arguments,
              const std::filesystem::path& folder = std::filesystem::current_path());

// A command line and the exit code it must end with.
struct ExpectedExit
{
    QStringList arguments;
    int exitCode;
};

// Runs each command line in the folder and checks its exit code.
void ExpectExitCodes(std::span<const ExpectedExit> runs, const std::filesystem::path& folder);

QString Q(const std::filesystem::path& path);

std::string ReadFile(const std::filesystem::path& path);

} // namespace vantrel::test
