// `vantrel-cli check` naming the element of each problem, as text and JSON.
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "qt_adapters/qt_image_codec.h"

#include "cli_run.h"
#include "elements/gates.h"
#include "elements/indirect_elements.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "elements/timing_elements.h"
#include "support/plant_design.h"
#include "support/problem_design.h"
#include "support/test_folder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

#include <functional>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

struct CheckRun
{
    int exitCode;
    QByteArray out;
    QByteArray err;
};

class CheckProblems : public ::testing::Test
{
protected:
    void SetUp() override
    {
        design = test::FreshTestFolder("cli_check") / "problems.lgc";
        CVantrelDoc document;
        test::BuildProblemDesign(document);
        ASSERT_TRUE(SaveDesign(document, design, QtImageCodec()));
    }

    CheckRun Check(const QStringList& options = {})
    {
        QProcess process;
        process.start(QStringLiteral(VANTREL_CLI_PATH),
                      QStringList{"check", QString::fromStdString(design.string())} + options);
        EXPECT_TRUE(process.waitForFinished(30000));
        return {process.exitCode(), process.readAllStandardOutput(),
                process.readAllStandardError()};
    }

    std::filesystem::path design;
};

TEST_F(CheckProblems, PrintsOneLinePerProblemAndKeepsTheMessagesAndExitCode)
{
    const CheckRun run = Check();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out.toStdString(),
              "number-taken: id 6 Output \"Output: Horn, 1\" at 6,2: Output 1 is already used by "
              "element 5\n"
              "unconnected-input: id 2 And \"\" at 2,0: Input 2 is not connected\n"
              "unconnected-input: id 3 Or \"\" at 2,2: Input 1 is not connected\n"
              "unconnected-input: id 3 Or \"\" at 2,2: Input 2 is not connected\n"
              "unconnected-input: id 4 Not \"\" at 2,4: Input 1 is not connected\n"
              "feedback-loop: id 7 And \"\" at 4,6: On a feedback loop\n"
              "feedback-loop: id 8 Or \"\" at 6,6: On a feedback loop\n"
              "marker-without-start: id 10 Out Marker \"Out Marker: Invalid\" at 6,8: Its In "
              "Marker is gone\n");
    EXPECT_EQ(run.err.toStdString(), "Error: Duplicate numbers\n"
                                     "Warning!: There is an unconnected input.\n"
                                     "Warning!: There is an unconnected input.\n"
                                     "Warning!: There is an unconnected input.\n"
                                     "Warning!: There is an unconnected input.\n"
                                     "Warning: Elements on feedback loops: 7, 8\n");
}

TEST_F(CheckProblems, JsonIsOneArrayOfTheSameProblems)
{
    const CheckRun run = Check({"--format", "json"});
    EXPECT_EQ(run.exitCode, 1);
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(run.out, &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    ASSERT_TRUE(json.isArray());
    const QJsonArray problems = json.array();
    std::vector<std::int32_t> ids;
    for (const auto& problem : problems)
        ids.push_back(problem.toObject()["id"].toInt());
    EXPECT_EQ(ids, test::ProblemDesignIds());
    EXPECT_EQ(problems[7].toObject(), QJsonObject({{"problem", "marker-without-start"},
                                                   {"id", 10},
                                                   {"kind", "Out Marker"},
                                                   {"description", "Out Marker: Invalid"},
                                                   {"cell", QJsonObject({{"x", 6}, {"y", 8}})},
                                                   {"message", "Its In Marker is gone"}}));
    EXPECT_TRUE(run.out.startsWith("[{\"problem\":\"number-taken\",\"id\":6,"));

    EXPECT_EQ(Check({"--format", "yaml"}).exitCode, 2);
}

// Each kind of problem alone: listed, and the exit code says so; a design
// whose only problem is one of these used to exit 0, or exit 1 with
// nothing listed.
TEST(CheckOneRule, EveryProblemAloneIsListedAndExitsWithOne)
{
    using test::Place;
    struct Case
    {
        const char* name;
        std::function<void(CVantrelDoc&)> build;
        std::string listed;
    };
    const Case cases[] = {
        {"a loop through a timer alone",
         [](CVantrelDoc& d) {
             Place<LogAnd>(d, 1, {2, 2});
             Place<LogTimer>(d, 2, {2}, u"Count", true);
         },
         "feedback-loop: id 2 Timer \"Timer: Count\" at 2,0: On a feedback loop (timer list)\n"},
        {"duplicate ids",
         [](CVantrelDoc& d) {
             Place<LogIn>(d, 1, {}, 0, u"A");
             Place<LogIn>(d, 1, {}, 1, u"B").pos = {1, 1};
         },
         "duplicate-id: id 1 Input \"Input: B, 2\" at 1,1: Another element has the same id\n"},
        {"an Out Marker without its In Marker",
         [](CVantrelDoc& d) { Place<LogEndMarker>(d, 1, {}, 5); },
         "marker-without-start: id 1 Out Marker \"Out Marker: Invalid\" at 1,0: Its In "
         "Marker is gone\n"},
        {"an In Marker nobody reads",
         [](CVantrelDoc& d) { Place<LogStartMarker>(d, 1, {}, u"Spare"); },
         "unread-in-marker: id 1 In Marker \"In Marker: Spare\" at 1,0: No Out Marker reads "
         "it\n"},
        {"an AccOp without its accumulator",
         [](CVantrelDoc& d) {
             Place<NL_Constant>(d, 1, {}, 5);
             Place<LogIn>(d, 2, {}, 0, u"Enable");
             Place<AccOp>(d, 3, {1, 2}, 0, 99);
         },
         "missing-accumulator: id 3 Acc operation \"\" at 3,0: Its accumulator is missing\n"},
        {"an output past the configured count",
         [](CVantrelDoc& d) {
             Place<LogIn>(d, 1, {}, 0, u"Start");
             Place<LogOut>(d, 2, {1}, 40, u"Big");
         },
         "number-out-of-range: id 2 Output \"Output: Big, 41\" at 2,0: Output 41 is out of "
         "range: the design has 32 outputs\n"},
    };
    const fs::path folder = test::FreshTestFolder("cli_check");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CVantrelDoc document;
        c.build(document);
        document.nextElementId = 100;
        const fs::path design = folder / (std::string(c.name) + ".lgc");
        ASSERT_TRUE(SaveDesign(document, design, QtImageCodec()));
        const test::CliRun run = test::RunCli({"check", test::Q(design)});
        EXPECT_EQ(run.exitCode, 1) << run.err;
        EXPECT_EQ(run.out, c.listed);
    }
}

} // namespace
} // namespace vantrel
