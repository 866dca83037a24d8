// `merge` run as a real process, on its own and as git's merge driver, on
// designs written by hand as a design file stores them.
#include "cli_run.h"

#include "document/vantrel_doc.h"
#include "support/stored_design.h"
#include "support/test_folder.h"
#include "support/versioned_design_writer.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <fstream>

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::Q;
using test::RunCli;
using test::StoredDesign;

// Two inputs feeding a gate that drives an output, each named.
struct Names
{
    std::u16string start = u"Start";
    std::u16string stop = u"Stop";
    std::u16string lamp = u"Lamp";
};

StoredDesign Plant(const Names& names)
{
    StoredDesign design;
    design.designStamp = 1000;
    design.nextElementId = 5;
    design.lists[0] = {
        {"LogIn", true, 1, 0, 0, {}, {0, names.start}},
        {"LogIn", true, 2, 0, 2, {}, {1, names.stop}},
        {"LogAnd", true, 3, 2, 0, {1, 2}, {}},
        {"LogOut", true, 4, 4, 0, {3}, {0, names.lamp}},
    };
    return design;
}

class MergeCli : public ::testing::Test
{
protected:
    void SetUp() override { folder = test::FreshTestFolder("merge-cli"); }

    void Write(const std::string& name, const Names& names)
    {
        const std::vector<std::uint8_t> bytes =
            test::WriteDesignFile(Plant(names), CVantrelDoc::kDesignVersion);
        std::ofstream(folder / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }

    CliRun Git(const QStringList& arguments)
    {
        QProcess process;
        process.setWorkingDirectory(Q(folder));
        process.start("git", arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return {process.exitCode(), process.readAllStandardOutput().toStdString(),
                process.readAllStandardError().toStdString()};
    }

    std::string Dump(const std::string& name)
    {
        const CliRun dump = RunCli({"dump", Q(folder / name)}, folder);
        EXPECT_EQ(dump.exitCode, 0) << dump.err;
        return dump.out;
    }

    fs::path folder;
};

TEST_F(MergeCli, MergesBothSidesChangesAndSaysWhatConflicted)
{
    Write("base.lgc", {});
    Write("ours.lgc", {.start = u"Go", .lamp = u"Ours"});
    Write("theirs.lgc", {.stop = u"Halt", .lamp = u"Theirs"});
    Write("expected.lgc", {.start = u"Go", .stop = u"Halt", .lamp = u"Ours"});
    const CliRun run = RunCli(
        {"merge", "base.lgc", "ours.lgc", "theirs.lgc", "-o", "merged.lgc", "--format", "json"},
        folder);
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_NE(run.err.find("conflict element 4 (LogOut) name: base \"Lamp\", ours \"Ours\", "
                           "theirs \"Theirs\""),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.out.find("\"clean\":false"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"field\":\"name\""), std::string::npos) << run.out;
    EXPECT_EQ(Dump("merged.lgc"), Dump("expected.lgc"));

    // Without -o the result replaces ours, as git's driver wants it.
    Write("ours.lgc", {.start = u"Go"});
    const CliRun clean = RunCli({"merge", "base.lgc", "ours.lgc", "theirs.lgc"}, folder);
    EXPECT_EQ(clean.exitCode, 0) << clean.err;
    EXPECT_EQ(clean.err, "");
    Write("expected.lgc", {.start = u"Go", .stop = u"Halt", .lamp = u"Theirs"});
    EXPECT_EQ(Dump("ours.lgc"), Dump("expected.lgc"));
}

TEST_F(MergeCli, FailuresHaveTheirExitCodes)
{
    Write("base.lgc", {});
    std::ofstream(folder / "garbage.lgc") << "not a design";
    struct Case
    {
        QStringList arguments;
        int exitCode;
    };
    const Case cases[] = {
        {{"merge", "base.lgc", "base.lgc"}, 2},
        {{"merge", "base.lgc", "base.lgc", "base.lgc", "--format", "xml"}, 2},
        {{"merge", "base.lgc", "garbage.lgc", "base.lgc", "-o", "out.lgc"}, 3},
        {{"merge", "base.lgc", "base.lgc", "missing.lgc", "-o", "out.lgc"}, 3},
        {{"merge", "base.lgc", "base.lgc", "base.lgc", "-o", "no/such/folder/out.lgc"}, 4},
    };
    for (const Case& failure : cases) {
        SCOPED_TRACE(failure.arguments.join(' ').toStdString());
        const CliRun run = RunCli(failure.arguments, folder);
        EXPECT_EQ(run.exitCode, failure.exitCode) << run.err;
        EXPECT_NE(run.err, "");
    }
    // A merge that cannot read its inputs writes nothing.
    EXPECT_FALSE(fs::exists(folder / "out.lgc"));
}

TEST_F(MergeCli, GitMergesDesignsThroughTheDriver)
{
    ASSERT_EQ(Git({"init", "-q", "-b", "main"}).exitCode, 0);
    Git({"config", "user.name", "Vantrel Test"});
    Git({"config", "user.email", "test@vantrel.invalid"});
    Git({"config", "merge.vantrel.driver",
         QStringLiteral("'" VANTREL_CLI_PATH "' merge %O %A %B -o %A")});
    std::ofstream(folder / ".gitattributes") << "*.lgc merge=vantrel\n";
    Write("plant.lgc", {});
    Git({"add", ".gitattributes", "plant.lgc"});
    ASSERT_EQ(Git({"commit", "-q", "-m", "base"}).exitCode, 0);

    const auto commitOnBranch = [&](const QString& branch, const Names& names) {
        Git({"checkout", "-q", "-B", branch, "main"});
        Write("plant.lgc", names);
        ASSERT_EQ(Git({"commit", "-q", "-a", "-m", branch}).exitCode, 0);
    };
    commitOnBranch("stop", {.stop = u"Halt"});
    commitOnBranch("start", {.start = u"Go"});
    const CliRun clean = Git({"merge", "-q", "--no-edit", "stop"});
    EXPECT_EQ(clean.exitCode, 0) << clean.out << clean.err;
    Write("expected.lgc", {.start = u"Go", .stop = u"Halt"});
    EXPECT_EQ(Dump("plant.lgc"), Dump("expected.lgc"));

    commitOnBranch("theirs", {.lamp = u"Theirs"});
    commitOnBranch("ours", {.lamp = u"Ours"});
    const CliRun conflicting = Git({"merge", "--no-edit", "theirs"});
    EXPECT_NE(conflicting.exitCode, 0);
    EXPECT_NE((conflicting.out + conflicting.err).find("CONFLICT"), std::string::npos)
        << conflicting.out << conflicting.err;
    EXPECT_NE(Git({"status", "--porcelain"}).out.find("UU plant.lgc"), std::string::npos);
    Write("expected.lgc", {.lamp = u"Ours"});
    EXPECT_EQ(Dump("plant.lgc"), Dump("expected.lgc"));
}

} // namespace
} // namespace vantrel
