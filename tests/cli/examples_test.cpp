// The example designs: what the generator draws, and designs that every
// command of the command line takes without a problem.
#include "cli_run.h"
#include "support/test_folder.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <set>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

std::set<fs::path> ExampleNames(const fs::path& folder)
{
    std::set<fs::path> names;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".lgc")
            names.insert(entry.path().filename());
    return names;
}

const fs::path kExamples = VANTREL_EXAMPLES_DIR;

TEST(Examples, TheCommittedDesignsAreWhatTheGeneratorDraws)
{
    const fs::path folder = test::FreshTestFolder("examples_made");
    QProcess generator;
    generator.start(QStringLiteral(VANTREL_MAKE_EXAMPLES_PATH), {test::Q(folder)});
    ASSERT_TRUE(generator.waitForFinished(60000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
    const std::set<fs::path> names = ExampleNames(kExamples);
    EXPECT_EQ(names, (std::set<fs::path>{"conveyor.lgc", "heating.lgc", "pump_station.lgc"}));
    EXPECT_EQ(ExampleNames(folder), names);
    for (const fs::path& name : names)
        EXPECT_EQ(test::ReadFile(folder / name), test::ReadFile(kExamples / name))
            << name << " differs from what vantrel_make_examples draws: remake it with "
            << "build/bin/vantrel_make_examples examples/";
}

TEST(Examples, OpenSortCheckCleanCompileAndRender)
{
    const fs::path folder = test::FreshTestFolder("examples_used");
    for (const fs::path& name : ExampleNames(kExamples)) {
        SCOPED_TRACE(name);
        const QString design = test::Q(kExamples / name);
        const test::CliRun info = test::RunCli({"info", design}, folder);
        EXPECT_EQ(info.exitCode, 0);
        EXPECT_NE(info.out.find("\"loopElements\":0"), std::string::npos) << info.out;
        EXPECT_EQ(info.err, "");

        // Drawn and then sorted: sorting again changes nothing.
        const fs::path sorted = folder / name;
        EXPECT_EQ(test::RunCli({"sort", design, "-o", test::Q(sorted)}, folder).exitCode, 0);
        const test::CliRun same = test::RunCli({"diff", design, test::Q(sorted)}, folder);
        EXPECT_EQ(same.exitCode, 0) << same.out;

        const test::CliRun check = test::RunCli({"check", design}, folder);
        EXPECT_EQ(check.exitCode, 0);
        EXPECT_EQ(check.out + check.err, "");

        const test::CliRun flash = test::RunCli(
            {"flash", design, "-o", test::Q(folder / "flash.lgf"), "--random", "1"}, folder);
        EXPECT_EQ(flash.exitCode, 0) << flash.err;
        EXPECT_EQ(flash.err, "");
        EXPECT_GT(fs::file_size(folder / "flash.lgf"), 0u);

        const fs::path picture = folder / (name.stem().string() + ".png");
        EXPECT_EQ(
            test::RunCli({"render", design, "--fit", "--size", "1000x800", "-o", test::Q(picture)},
                         folder)
                .exitCode,
            0);
        EXPECT_GT(fs::file_size(picture), 1000u);
        EXPECT_EQ(test::RunCli({"render", design, "--page", "1", "-o",
                                test::Q(folder / (name.stem().string() + "_page.png"))},
                               folder)
                      .exitCode,
                  0);
    }
}

} // namespace
} // namespace vantrel
