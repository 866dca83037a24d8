// The example designs: what the generator draws, and designs that every
// command of the command line takes without a problem.
#include "archive/text_codec.h"
#include "editing/logic_block.h"

#include "cli_run.h"
#include "support/test_folder.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

std::set<fs::path> ExampleNames(const fs::path& folder, const char* extension = ".lgc")
{
    std::set<fs::path> names;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == extension)
            names.insert(entry.path().filename());
    return names;
}

LogicBlock BlockOf(const fs::path& file)
{
    const std::string bytes = test::ReadFile(file);
    BlockReading reading =
        ReadLogicBlock({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    EXPECT_TRUE(reading.block) << file << ": " << ToUtf8(reading.problem);
    return reading.block.value_or(LogicBlock{});
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

    // The blocks' pictures depend on the machine's fonts; the rest is exact.
    const std::set<fs::path> blocks = ExampleNames(kExamples / "blocks", ".lgb");
    EXPECT_EQ(blocks, (std::set<fs::path>{"alarm_with_acknowledge.lgb", "counter_with_reset.lgb",
                                          "rising_edge_pulse.lgb", "start_stop_latch.lgb"}));
    EXPECT_EQ(ExampleNames(folder / "blocks", ".lgb"), blocks);
    for (const fs::path& name : blocks) {
        const LogicBlock made = BlockOf(folder / "blocks" / name);
        const LogicBlock committed = BlockOf(kExamples / "blocks" / name);
        EXPECT_EQ(made.name, committed.name) << name;
        EXPECT_EQ(made.description, committed.description) << name;
        EXPECT_EQ(made.payload, committed.payload) << name;
        const std::vector<std::uint8_t> pngSignature = {0x89, 'P', 'N', 'G'};
        EXPECT_TRUE(
            committed.thumbnail.size() > 100 &&
            std::equal(pngSignature.begin(), pngSignature.end(), committed.thumbnail.begin()))
            << name;
    }
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
