// `vantrel-cli check` naming the element of each problem, as text and JSON.
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "platform/qt/qt_image_codec.h"

#include "support/problem_design.h"
#include "support/test_folder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

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

} // namespace
} // namespace vantrel
