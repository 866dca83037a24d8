#include "cli_run.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace vantrel::test {

CliRun RunCli(const QStringList& arguments, const std::filesystem::path& folder)
{
    QProcess process;
    process.setWorkingDirectory(Q(folder));
    process.start(QStringLiteral(VANTREL_CLI_PATH), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

void ExpectExitCodes(std::span<const ExpectedExit> runs, const std::filesystem::path& folder)
{
    for (const ExpectedExit& expected : runs) {
        const CliRun run = RunCli(expected.arguments, folder);
        EXPECT_EQ(run.exitCode, expected.exitCode)
            << expected.arguments.join(' ').toStdString() << "\n"
            << run.err;
    }
}

QString Q(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace vantrel::test
