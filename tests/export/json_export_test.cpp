#include "export/json_export.h"

#include "archive/file_bytes.h"
#include "compiler/flash_image.h"
#include "document/complex_command.h"
#include "document/vantrel_doc.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "elements/timing_elements.h"
#include "export/export_routines.h"
#include "hardware/sim_element.h"
#include "support/fake_image_codec.h"
#include "support/recording_notifier.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sstream>

namespace vantrel {
namespace {

class JsonExport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        document.SetNotifier(&notifier);
        document.designStamp = 0x04030201;
    }

    template <class Kind, class... Args> Kind& Add(Args&&... args)
    {
        auto element = std::make_unique<Kind>(std::forward<Args>(args)...);
        Kind& raw = *element;
        const int list = raw.ListKind();
        document.elements[list].push_back(std::move(element));
        return raw;
    }

    std::string Export()
    {
        std::ostringstream out;
        report = WriteJsonExport(document, out, codec, 0x1234);
        return out.str();
    }

    // The text between a key and the next one of the given name.
    static std::string Between(const std::string& json, const std::string& from,
                               const std::string& to)
    {
        const auto start = json.find(from);
        const auto end = json.find(to, start);
        return start == std::string::npos || end == std::string::npos
                   ? std::string()
                   : json.substr(start, end - start);
    }

    test::FakeImageCodec codec;
    test::RecordingNotifier notifier;
    CVantrelDoc document;
    std::u16string report;
};

TEST_F(JsonExport, EmptyDesignHasEveryKeyInOrderWithoutWhitespace)
{
    const std::string json = Export();
    ASSERT_EQ(json.substr(0, 3), "\xEF\xBB\xBF");
    const std::string head = json.substr(3, json.find("\"plcPart\"") - 3);
    EXPECT_EQ(head, "{\"contentType\":\"logic\",\"sysConf\":{\"minVersion\":2,\"numIns\":4,"
                    "\"numOuts\":4,\"numUserIns\":1,\"numUserOuts\":1,\"accCount\":0},"
                    "\"IONames\":{\"in\":[],\"out\":[],\"userIn\":[],\"userOut\":[],"
                    "\"register\":[]},\"complexCommands\":[],\"logs\":[],\"paintStuff\":[],"
                    "\"tempInputs\":[],\"simulation\":[],");
    // The stamp and the random number, byte by byte.
    EXPECT_NE(json.find(",\"rands\":[1,2,3,4,52,18,0,0],\"backgrounds\":[\"\"],\"bgImage\":\"\","
                        "\"source\":\""),
              std::string::npos);
    EXPECT_EQ(json.back(), '}');
    EXPECT_EQ(json.find(' '), std::string::npos);
    EXPECT_EQ(report, Report(document, Compile(document, 0x1234)));
}

TEST_F(JsonExport, UserInputBytesCountFromTheHighestNumber)
{
    Add<LogUser>(Point{0, 0}, 1, 7, u"Last");
    EXPECT_NE(Export().find("\"numUserIns\":2,\"numUserOuts\":1"), std::string::npos);
}

TEST_F(JsonExport, NamesRegistersCommandsAndLogs)
{
    Add<LogIn>(Point{0, 0}, 1, 3, u"Start");
    auto& user = Add<LogUser>(Point{0, 1}, 2, 0, u"Reset");
    user.restricted = 1;
    Add<LogTimer>(Point{0, 2}, 3, u"Run", true).inputs[0] = 1;
    auto& logged = Add<LoggedUserOut>(Point{0, 3}, 4, 5, u"Door");
    logged.inputs[0] = 1;
    logged.loggedIds = {1, 3, 99, 2};
    auto command = std::make_unique<ComplexCommand>(u"Go");
    command->settings = {{2, true}, {77, false}};
    document.complexCommands.push_back(std::move(command));

    const std::string json = Export();
    EXPECT_EQ(Between(json, "\"IONames\"", "\"complexCommands\""),
              "\"IONames\":{\"in\":[{\"n\":3,\"name\":\"Start\"}],\"out\":[],"
              "\"userIn\":[{\"n\":0,\"name\":\"Reset\",\"restricted\":1}],"
              "\"userOut\":[{\"n\":5,\"name\":\"Door\"}],\"register\":[{\"name\":\"Run\",\"n\":0,"
              "\"edit\":true,\"nature\":\"seconds\",\"restricted\":0}]},");
    EXPECT_EQ(Between(json, "\"complexCommands\"", "\"logs\""),
              "\"complexCommands\":[{\"name\":\"Go\",\"userIns\":[{\"n\":0,\"state\":true}],"
              "\"restricted\":1}],");
    EXPECT_EQ(notifier.Messages(),
              std::vector<std::string>{
                  "Error correction: Deleted user inputs removed from complex command."});
    // The deleted element 99 is left out; the timer is a monitored register.
    EXPECT_EQ(Between(json, "\"logs\"", "\"paintStuff\""),
              "\"logs\":[{\"name\":\"Door\",\"num\":5,\"details\":["
              "{\"name\":\"Start\",\"num\":3,\"type\":\"in\"},"
              "{\"name\":\"Run\",\"num\":0,\"type\":\"register\"},"
              "{\"name\":\"Reset\",\"num\":0,\"type\":\"userIn\"}]}],");
}

TEST_F(JsonExport, TemperatureInputsHaveASiloNameOnlyForSiloReadings)
{
    Add<TempInput>(Point{0, 0}, 1, 4, 7, u"North");
    Add<NoOp>(Point{0, 1}, 2, u"cell", 0);
    Add<TempInput>(Point{0, 2}, 3, 9, -2, u"South");
    EXPECT_EQ(Between(Export(), "\"tempInputs\"", "\"simulation\""),
              "\"tempInputs\":[{\"type\":4,\"defaultValue\":7,\"bufferIndex\":0},"
              "{\"type\":9,\"defaultValue\":-2,\"bufferIndex\":2,\"siloName\":\"South\"}],");
}

TEST_F(JsonExport, SimulationSlotsBecomeIoNumbers)
{
    Add<LogIn>(Point{0, 0}, 1, 6, u"Pos");
    auto dial = std::make_unique<SimElement>(1, u"Dial");
    dial->inputs[0] = 1;
    document.simulationElements.push_back(std::move(dial));
    EXPECT_EQ(Between(Export(), "\"simulation\"", "\"plcPart\""),
              "\"simulation\":[{\"type\":\"rotary control\",\"inputs\":[6],\"outputs\":[-1]}],");
}

TEST_F(JsonExport, FileThatCannotBeCreatedIsReportedAndNothingIsLeft)
{
    const auto folder = test::FreshTestFolder("json_export");
    const ExportOutcome failed =
        RunJsonExport(document, folder / "missing" / "flash.lgj", codec, 1);
    ASSERT_EQ(failed.failures.size(), 1u);
    EXPECT_EQ(failed.failures[0].ErrorNumber(), ENOENT);
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
    const ExportOutcome written = RunJsonExport(document, folder / "flash.lgj", codec, 1);
    EXPECT_TRUE(written.Succeeded());
    EXPECT_EQ(written.report, failed.report);
    EXPECT_EQ(ReadFileBytes(folder / "flash.lgj").front(), 0xEF);
}

} // namespace
} // namespace vantrel
