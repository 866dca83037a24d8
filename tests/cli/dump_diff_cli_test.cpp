// `dump` and `diff` run as real processes, and `dump` as the text
// conversion of git, on designs saved by the tests.
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "qt_adapters/qt_image_codec.h"
#include "support/test_folder.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

struct ProcessRun
{
    int exitCode;
    std::string out;
    std::string err;
};

ProcessRun RunProgram(const QString& program, const QStringList& arguments, const fs::path& folder)
{
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(folder.string()));
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

class DumpDiffCli : public ::testing::Test
{
protected:
    void SetUp() override { folder = test::FreshTestFolder("cli"); }

    ProcessRun Cli(const QStringList& arguments)
    {
        return RunProgram(QStringLiteral(VANTREL_CLI_PATH), arguments, folder);
    }

    ProcessRun Git(const QStringList& arguments) { return RunProgram("git", arguments, folder); }

    // An input feeding a gate; `changed` moves the gate and renames the input.
    void SaveDesign(const std::string& name, bool changed)
    {
        CVantrelDoc document;
        document.elements[kMainList].push_back(
            std::make_unique<LogIn>(Point{0, 0}, 1, 0, changed ? u"Start 1" : u"Start"));
        auto gate = std::make_unique<LogAnd>(Point{2, changed ? 4 : 0}, 2);
        gate->inputs = {1, 1, 0, 0};
        document.elements[kMainList].push_back(std::move(gate));
        document.nextElementId = 3;
        document.designStamp = 1000;
        ASSERT_TRUE(vantrel::SaveDesign(document, folder / name, codec));
    }

    std::string Path(const std::string& name) const { return (folder / name).string(); }

    fs::path folder;
    QtImageCodec codec;
};

TEST_F(DumpDiffCli, DumpPrintsTheSameTextOnEveryRun)
{
    SaveDesign("a.lgc", false);
    const ProcessRun first = Cli({"dump", QString::fromStdString(Path("a.lgc"))});
    EXPECT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out, "design version=19 stamp=1000 nextId=3\n"
                         "configuration numInputs=32 numOutputs=32 speed=64 background=#ffffff\n"
                         "element 1 kind=LogIn list=main after=0 cell=0,0 number=0 name=\"Start\"\n"
                         "element 2 kind=LogAnd list=main after=1 cell=2,0 inputs=1,1\n"
                         "page 1 image=none\n");
    EXPECT_EQ(Cli({"dump", QString::fromStdString(Path("a.lgc"))}).out, first.out);
}

TEST_F(DumpDiffCli, DiffExitsWithZeroWhenEqualAndOneWhenNot)
{
    SaveDesign("a.lgc", false);
    SaveDesign("b.lgc", true);
    const QString a = QString::fromStdString(Path("a.lgc"));
    const QString b = QString::fromStdString(Path("b.lgc"));
    const ProcessRun same = Cli({"diff", a, a});
    EXPECT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(same.out, "");
    const ProcessRun text = Cli({"diff", a, b});
    EXPECT_EQ(text.exitCode, 1) << text.err;
    EXPECT_EQ(text.out, "changed element 1 (LogIn): name \"Start\" -> \"Start 1\"\n"
                        "moved element 2 (LogAnd): cell 2,0 -> 2,4\n");
    const ProcessRun json = Cli({"diff", a, b, "--format", "json"});
    EXPECT_EQ(json.exitCode, 1) << json.err;
    EXPECT_EQ(json.out.rfind(R"({"equal":false,"changes":[{"change":["changed"])", 0), 0u)
        << json.out;
    EXPECT_EQ(Cli({"diff", a, a, "--format", "json"}).out, "{\"equal\":true,\"changes\":[]}\n");
}

TEST_F(DumpDiffCli, UsageAndFileErrorsKeepTheirExitCodes)
{
    SaveDesign("a.lgc", false);
    const QString a = QString::fromStdString(Path("a.lgc"));
    const QString missing = QString::fromStdString(Path("missing.lgc"));
    const struct
    {
        QStringList arguments;
        int exitCode;
    } cases[] = {
        {{"dump"}, 2},
        {{"dump", a, a}, 2},
        {{"diff", a}, 2},
        {{"diff", a, a, "--format", "xml"}, 2},
        {{"dump", missing}, 3},
        {{"diff", a, missing}, 3},
        {{"diff", missing, a}, 3},
        {{"dump", "--help"}, 0},
        {{"diff", "--help"}, 0},
    };
    for (const auto& [arguments, exitCode] : cases) {
        const ProcessRun run = Cli(arguments);
        EXPECT_EQ(run.exitCode, exitCode) << arguments.join(' ').toStdString() << run.err;
        if (exitCode == 3) {
            EXPECT_EQ(run.out, "") << arguments.join(' ').toStdString();
        }
    }
}

// The two lines the README gives make git show a design's changes as text.
TEST_F(DumpDiffCli, GitShowsDesignChangesThroughDump)
{
    ASSERT_EQ(Git({"init", "-q"}).exitCode, 0);
    Git({"config", "user.name", "Vantrel Test"});
    Git({"config", "user.email", "test@vantrel.invalid"});
    Git({"config", "diff.vantrel.textconv", QStringLiteral("'" VANTREL_CLI_PATH "' dump")});
    std::ofstream(folder / ".gitattributes") << "*.lgc diff=vantrel\n";
    SaveDesign("plant.lgc", false);
    Git({"add", ".gitattributes", "plant.lgc"});
    ASSERT_EQ(Git({"commit", "-q", "-m", "first"}).exitCode, 0);
    SaveDesign("plant.lgc", true);
    const ProcessRun diff = Git({"diff", "--no-color", "--unified=0"});
    EXPECT_EQ(diff.exitCode, 0) << diff.err;
    const std::string changes = diff.out.substr(diff.out.find("@@"));
    EXPECT_EQ(
        changes,
        "@@ -3,2 +3,2 @@ configuration numInputs=32 numOutputs=32 speed=64 background=#ffffff\n"
        "-element 1 kind=LogIn list=main after=0 cell=0,0 number=0 name=\"Start\"\n"
        "-element 2 kind=LogAnd list=main after=1 cell=2,0 inputs=1,1\n"
        "+element 1 kind=LogIn list=main after=0 cell=0,0 number=0 name=\"Start 1\"\n"
        "+element 2 kind=LogAnd list=main after=1 cell=2,4 inputs=1,1\n");
    EXPECT_EQ(diff.out.find("Binary files"), std::string::npos);
    Git({"commit", "-q", "-a", "-m", "second"});
    const ProcessRun log = Git({"log", "-p", "--no-color", "-1"});
    EXPECT_NE(log.out.find("\n+element 2 kind=LogAnd list=main after=1 cell=2,4 inputs=1,1\n"),
              std::string::npos)
        << log.out;
}

} // namespace
} // namespace vantrel
