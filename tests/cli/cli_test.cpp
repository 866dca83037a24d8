#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct CliRun
{
    int exitCode;
    QString out;
    QString err;
};

CliRun RunCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(VANTREL_CLI_PATH), arguments);
    EXPECT_TRUE(process.waitForFinished(10000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(Cli, HelpAndVersionSucceed)
{
    CliRun help = RunCli({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: vantrel-cli")));
    CliRun version = RunCli({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("vantrel-cli 2.0\n"));
}

TEST(Cli, UnknownArgumentsAreUsageErrors)
{
    for (const QStringList& arguments :
         {QStringList{}, QStringList{QStringLiteral("--frobnicate")},
          QStringList{QStringLiteral("--help"), QStringLiteral("extra")}}) {
        CliRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("Usage:")));
    }
}

} // namespace
