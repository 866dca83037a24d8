// The configuration commands in the real main window with the real dialogs,
// worked by a script: the I/O count, remote and custom modules, a complex
// command and a simulation element, then saving, reopening and exporting.
#include "app_test_support.h"

#include "archive/file_bytes.h"
#include "compiler/image_header.h"
#include "dialogs/dialog_driver.h"
#include "dialogs/dialog_script.h"
#include "dialogs/qt_config_dialogs.h"
#include "dialogs/qt_element_dialogs.h"
#include "editor/vantrel_view.h"
#include "support/hex.h"
#include "support/scripted_prompts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace vantrel {
namespace {

using namespace command;
using test::ControlById;
using test::ControlNamed;
using test::PressOk;

QComboBox& Named(QDialog& dialog, const char* name)
{
    return ControlNamed<QComboBox>(dialog, QString::fromLatin1(name));
}

void Choose(QComboBox& list, const QString& text)
{
    ASSERT_GE(list.findText(text), 0) << text.toStdString();
    list.setCurrentIndex(list.findText(text));
}

bool Contains(const std::vector<std::uint8_t>& bytes, const std::vector<std::uint8_t>& part)
{
    return std::search(bytes.begin(), bytes.end(), part.begin(), part.end()) != bytes.end();
}

std::string Text(const std::vector<std::uint8_t>& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

class ConfigurationSession : public test::AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        prompts.folder = folder = FilePath(QString()).toStdString();
        AppServices services{&notifier, &fileDialogs, &elementDialogs, &prompts};
        services.configDialogs = &configDialogs;
        app = std::make_unique<CVantrelApp>(services);
        ASSERT_TRUE(app->InitInstance({}));
        app->MainFrame().View().resize(900, 700);
    }

    void Place(int tool, QPoint at)
    {
        ASSERT_TRUE(app->MainFrame().RunCommand(tool));
        QTest::mouseClick(app->MainFrame().View().viewport(), Qt::LeftButton, {}, at);
    }

    test::RecordingNotifier notifier{MessageAnswer::Ok};
    test::DialogScript elementScript;
    test::DialogScript configScript;
    QtElementDialogs elementDialogs{nullptr, elementScript.Runner()};
    QtConfigDialogs configDialogs{nullptr, configScript.Runner()};
    test::ScriptedPrompts prompts;
    std::filesystem::path folder;
    std::unique_ptr<CVantrelApp> app;
};

TEST_F(ConfigurationSession, ConfigureSaveReopenAndExport)
{
    CMainFrame& frame = app->MainFrame();
    EXPECT_FALSE(frame.IsCommandEnabled(kSimulationExport));
    ASSERT_TRUE(frame.RunCommand(kLayoutPreview));
    EXPECT_FALSE(frame.IsCommandEnabled(kComplexCommands));
    EXPECT_TRUE(frame.IsCommandEnabled(kIoCount));
    ASSERT_TRUE(frame.RunCommand(kLayoutDesign));

    configScript.Then([](QDialog& counts) {
        EXPECT_EQ(counts.windowTitle(), "Select IO Count");
        Choose(Named(counts, "inCount"), "48");
        Choose(Named(counts, "outCount"), "48");
        PressOk(counts);
    });
    ASSERT_TRUE(frame.RunCommand(kIoCount));
    ASSERT_TRUE(frame.RunCommand(kEditUndo));
    EXPECT_EQ(app->Document().numInputs, 32);
    ASSERT_TRUE(frame.RunCommand(kEditRedo));
    EXPECT_EQ(app->Document().numInputs, 48);

    configScript.Then([](QDialog& list) {
        ControlNamed<QPushButton>(list, "add").click();
        PressOk(list);
    });
    configScript.Then([](QDialog& counts) {
        Choose(Named(counts, "inCount"), "8");
        Choose(Named(counts, "outCount"), "8");
        PressOk(counts);
    });
    ASSERT_TRUE(frame.RunCommand(kRemoteIo));

    configScript.Then([](QDialog& list) {
        ControlNamed<QPushButton>(list, "add").click();
        PressOk(list);
    });
    configScript.Then([](QDialog& module) {
        ControlNamed<QLineEdit>(module, "registerCount").setText("5");
        ControlNamed<QLineEdit>(module, "modbusAddress").setText("3");
        ControlNamed<QLineEdit>(module, "registerAddress").setText("100");
        Choose(Named(module, "registerType"), "bit");
        PressOk(module);
    });
    ASSERT_TRUE(frame.RunCommand(kCustomRemoteIo));
    EXPECT_TRUE(configScript.Done());

    // A new input offers the numbers by their labels: the remote modules at
    // the top of the 48 inputs. It takes number 3 (label "4").
    QStringList labels;
    elementScript.Then([&](QDialog& io) {
        labels = test::Entries(ControlById<QComboBox>(io, 1001));
        Choose(ControlById<QComboBox>(io, 1001), "4");
        PressOk(io);
    });
    elementScript.Then([](QDialog& io) { PressOk(io); }); // an output, number 0
    elementScript.Then([](QDialog& text) {                // a user input, number 0
        ControlById<QLineEdit>(text, 1003).setText("Fill valve");
        PressOk(text);
    });
    Place(kFirstElementTool + 2, {80, 80});
    Place(kFirstElementTool + 3, {240, 80});
    Place(kFirstElementTool + 9, {80, 240});
    ASSERT_TRUE(elementScript.Done());
    ASSERT_EQ(labels.size(), 48);
    EXPECT_EQ(labels[31], "32");
    EXPECT_EQ(labels[32], "Remote 0: 1");
    EXPECT_EQ(labels[39], "Remote 0: 8");
    EXPECT_EQ(labels[40], "100 at addr: 3");
    EXPECT_EQ(labels[44], "104 at addr: 3");
    EXPECT_EQ(labels[45], "N/C");

    configScript.Then([](QDialog& list) {
        ControlById<QPushButton>(list, 1017).click();
        list.close();
    });
    configScript.Then([](QDialog& settings) {
        ControlById<QLineEdit>(settings, 1022).setText("Fill");
        ControlById<QComboBox>(settings, 1021).setCurrentIndex(2); // ON
        ControlById<QPushButton>(settings, 1020).click();
        PressOk(settings);
    });
    ASSERT_TRUE(frame.RunCommand(kComplexCommands));

    configScript.Then([](QDialog& list) {
        Choose(ControlById<QComboBox>(list, 1046), "rotary control");
        ControlById<QPushButton>(list, 1044).click();
        list.close();
    });
    configScript.Then([](QDialog& element) {
        ControlById<QLineEdit>(element, 1000).setText("Mixer");
        PressOk(element);
    });
    ASSERT_TRUE(frame.RunCommand(kSimulationSetup));
    EXPECT_TRUE(configScript.Done());
    EXPECT_TRUE(frame.IsCommandEnabled(kSimulationExport));

    const QString design = FilePath(QStringLiteral("configured.lgc"));
    fileDialogs.answers = {design};
    ASSERT_TRUE(app->OnFileSave());
    ASSERT_TRUE(app->OnFileNew());
    EXPECT_EQ(app->Document().numInputs, 32);
    ASSERT_TRUE(frame.RunCommand(kFileRecent));
    const CVantrelDoc& reopened = app->Document();
    EXPECT_EQ(reopened.numInputs, 48);
    EXPECT_EQ(reopened.numOutputs, 48);
    EXPECT_EQ(reopened.remoteIo.modules, (std::vector<RemoteIoModule>{{8, 8, 0, 57600, false}}));
    EXPECT_EQ(reopened.remoteIo.customModules,
              (std::vector<CustomRemoteModule>{{5, 3, 3, 2, 100, 0, 19200, 1}}));
    ASSERT_EQ(reopened.complexCommands.size(), 1u);
    ASSERT_EQ(reopened.simulationElements.size(), 1u);

    notifier.Clear();
    ASSERT_TRUE(frame.RunCommand(kExportFlash));
    ASSERT_TRUE(frame.RunCommand(kExportJson));
    ASSERT_TRUE(frame.RunCommand(kSimulationExport));
    EXPECT_EQ(prompts.asked.back(), u"simulation.lgf");
    EXPECT_TRUE(std::filesystem::exists(folder / "remote0.lgf"));

    const std::vector<std::uint8_t> flash = ReadFileBytes(folder / "flash.lgf");
    const ImageHeader header = ReadHeader(flash);
    EXPECT_EQ(header.inputBytes, 6);
    EXPECT_EQ(header.outputBytes, 6);
    EXPECT_EQ(header.remoteInputBytes, 2); // the module's byte and the bit module's
    EXPECT_EQ(header.remoteOutputBytes, 1);
    ASSERT_EQ(header.remoteRequestCount, 2);
    // The bit module's request: register address 100, Read Discrete Inputs
    // from station 3 on port 0 at 19200 baud with one stop bit.
    const std::size_t custom = header.remoteRequestOffset + 24u;
    ASSERT_GE(flash.size(), custom + 24);
    EXPECT_EQ(test::ToHex(std::span(flash).subspan(custom + 4, 13)),
              "64 00 02 03 00 00 00 00 00 4B 00 00 01");

    // The command record: "Fill" in 128 bytes, one setting, user input 0 on.
    std::vector<std::uint8_t> record = test::FromHex("46 00 69 00 6C 00 6C 00");
    record.resize(128);
    const std::vector<std::uint8_t> settings = test::FromHex("01 00 00 00 00 00 00 00 01");
    record.insert(record.end(), settings.begin(), settings.end());
    EXPECT_TRUE(Contains(flash, record));

    const std::string json = Text(ReadFileBytes(folder / "flash.lgj"));
    EXPECT_NE(json.find(R"("numIns":6,"numOuts":6)"), std::string::npos);
    EXPECT_NE(json.find(R"("complexCommands":[{"name":"Fill","userIns":[{"n":0,"state":true}])"),
              std::string::npos);
    EXPECT_NE(json.find(R"("simulation":[{"type":"rotary control","inputs":[3],"outputs":[0]}])"),
              std::string::npos);

    EXPECT_EQ(test::ToHex(ReadFileBytes(folder / "simulation.lgf")),
              test::ToHex(test::FromHex("01 00 00 00  01 00 00 00 01 00 00 00 01 00 00 00"
                                        "03 00 00 00 00 00 00 00")));
}

} // namespace
} // namespace vantrel
