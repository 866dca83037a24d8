// The remote module lists and the custom module dialog, with the dialogs
// they open answered by a script.
#include "dialogs/dialog_driver.h"
#include "dialogs/dialog_script.h"
#include "dialogs/qt_config_dialogs.h"
#include "dialogs/remote_io_config.h"
#include "dialogs/remote_nl_config.h"
#include "dialogs/remote_nl_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::ControlNamed;
using test::Entries;
using test::PressOk;
using test::SaveDialogPicture;

QStringList Lines(QWidget& dialog)
{
    return test::ListLines(dialog, "modules");
}

void Click(QDialog& dialog, const QString& button)
{
    ControlNamed<QPushButton>(dialog, button).click();
}

void Select(QDialog& dialog, int row)
{
    ControlNamed<QListWidget>(dialog, "modules").setCurrentRow(row);
}

QComboBox& List(QDialog& dialog, const char* name)
{
    return ControlNamed<QComboBox>(dialog, QString::fromLatin1(name));
}

TEST(RemoteIOConfig, AddOffersTheFreeBitsAndIgnoresAnEmptyModule)
{
    test::DialogScript script;
    QStringList offered;
    script.Then([&](QDialog& counts) {
        offered = Entries(List(counts, "inCount"));
        EXPECT_EQ(List(counts, "inCount").currentText(), "32");
        EXPECT_EQ(List(counts, "outCount").currentText(), "32");
        EXPECT_EQ(List(counts, "port").currentText(), "0");
        EXPECT_FALSE(ControlNamed<QCheckBox>(counts, "legacy").isChecked());
        EXPECT_EQ(List(counts, "baud").currentText(), "57600");
        List(counts, "outCount").setCurrentIndex(2); // 16
        PressOk(counts);
    });
    // Nothing is left for a second module: both counts 0, not taken.
    script.Then([&](QDialog& counts) {
        EXPECT_EQ(Entries(List(counts, "inCount")), QStringList{"0"});
        EXPECT_EQ(Entries(List(counts, "outCount")), QStringList({"0", "8", "16"}));
        EXPECT_EQ(List(counts, "outCount").currentText(), "16");
        List(counts, "outCount").setCurrentIndex(0);
        PressOk(counts);
    });
    RemoteIOConfig dialog({}, 32, 32, script.Runner());
    EXPECT_EQ(dialog.windowTitle(), "Remote I/O modules");
    Click(dialog, "add");
    Click(dialog, "add");
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(script.titles, QStringList({"Remote IO Count", "Remote IO Count"}));
    EXPECT_EQ(offered, QStringList({"0", "8", "16", "24", "32"}));
    EXPECT_EQ(Lines(dialog), QStringList{"inputs: 32\t outputs: 16, port 0"});
    EXPECT_EQ(dialog.Modules(), (std::vector<RemoteIoModule>{{32, 16, 0, 57600, false}}));
    EXPECT_TRUE(SaveDialogPicture(dialog, "remote_io_config.png"));
}

TEST(RemoteIOConfig, EditOffersTheModulesOwnBitsAndDeleteRemoves)
{
    const std::vector<RemoteIoModule> modules{{8, 8, 0, 57600, false}, {16, 0, 1, 19200, true}};
    test::DialogScript script;
    script.Then([&](QDialog& counts) {
        EXPECT_EQ(Entries(List(counts, "inCount")),
                  QStringList({"0", "8", "16", "24", "32", "40"}));
        EXPECT_EQ(List(counts, "inCount").currentText(), "16");
        EXPECT_TRUE(ControlNamed<QCheckBox>(counts, "legacy").isChecked());
        EXPECT_FALSE(List(counts, "baud").isEnabled());
        List(counts, "inCount").setCurrentIndex(3);
        List(counts, "port").setCurrentIndex(2);
        PressOk(counts);
    });
    RemoteIOConfig dialog(modules, 48, 32, script.Runner());
    Click(dialog, "edit"); // nothing selected: nothing happens
    Select(dialog, 1);
    Click(dialog, "edit");
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(Lines(dialog),
              QStringList({"inputs: 8\t outputs: 8, port 0", "inputs: 24\t outputs: 0, port 2"}));
    Select(dialog, 1);
    Click(dialog, "delete");
    EXPECT_EQ(Lines(dialog), QStringList{"inputs: 8\t outputs: 8, port 0"});
    Select(dialog, 0);
    Click(dialog, "delete");
    EXPECT_TRUE(dialog.Modules().empty());
}

TEST(RemoteIOConfig, CancelGivesNothingBack)
{
    test::DialogScript script;
    script.Then([](QDialog& list) { Click(list, "delete"); }); // closed without OK
    QtConfigDialogs dialogs(nullptr, script.Runner());
    EXPECT_FALSE(dialogs.RemoteIoConfig({{8, 8, 0, 57600, false}}, 32, 32));
    script.Then([](QDialog& list) {
        Select(list, 0);
        Click(list, "delete");
        PressOk(list);
    });
    EXPECT_EQ(dialogs.RemoteIoConfig({{8, 8, 0, 57600, false}}, 32, 32),
              std::vector<RemoteIoModule>{});
}

TEST(CRemoteNLConfig, AddsAndEditsCustomModules)
{
    test::DialogScript script;
    script.Then([](QDialog& module) {
        EXPECT_EQ(module.windowTitle(), "Remote NL IO properies");
        ControlNamed<QLineEdit>(module, "registerCount").setText("5");
        ControlNamed<QLineEdit>(module, "modbusAddress").setText("3");
        ControlNamed<QLineEdit>(module, "registerAddress").setText("100");
        List(module, "modbusCommand").setCurrentIndex(3); // Read Discrete Inputs
        PressOk(module);
    });
    script.Then([](QDialog& module) { PressOk(module); });
    script.Then([](QDialog& module) {
        EXPECT_EQ(List(module, "registerType").currentText(), "bit");
        List(module, "modbusCommand").setCurrentIndex(2); // Write Multiple Registers
        PressOk(module);
    });
    script.Then([](QDialog& module) { module.reject(); });
    CRemoteNLConfig dialog({}, script.Runner());
    Click(dialog, "add");
    EXPECT_EQ(Lines(dialog),
              QStringList{"5 logic inputs at address 3, register address: 100, port 0"});
    Click(dialog, "add");
    Select(dialog, 0);
    ControlNamed<QListWidget>(dialog, "modules")
        .itemDoubleClicked(ControlNamed<QListWidget>(dialog, "modules").item(0));
    Select(dialog, 1);
    Click(dialog, "edit"); // cancelled
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(Lines(dialog),
              QStringList({"5 register outputs at address 3, register address: 100, port 0",
                           "8 register inputs at address 1, register address: 0, port 0"}));
    EXPECT_EQ(dialog.Modules()[0], (CustomRemoteModule{5, 3, 1, 16, 100, 0, 19200, 1}));
    EXPECT_TRUE(SaveDialogPicture(dialog, "remote_nl_config.png"));
}

class RemoteNLDlg : public ::testing::Test
{
protected:
    CRemoteNLDlg dialog{CustomRemoteModule{}};
    QComboBox& command = List(dialog, "modbusCommand");
    QComboBox& type = List(dialog, "registerType");
    QComboBox& port = List(dialog, "port");
    QComboBox& stopBits = List(dialog, "stopBits");
};

TEST_F(RemoteNLDlg, OpensWithTheModulesEntries)
{
    EXPECT_EQ(Entries(command), QStringList({"Read Input Registers", "Read Holding Registers",
                                             "Write Multiple Registers", "Read Discrete Inputs",
                                             "Write Multiple Coils"}));
    EXPECT_EQ(Entries(type), QStringList({"byte", "2 bytes", "4 bytes", "bit"}));
    EXPECT_EQ(Entries(List(dialog, "baud")),
              QStringList({"9600", "19200", "38400", "57600", "115200"}));
    EXPECT_EQ(command.currentIndex(), 0);
    EXPECT_EQ(type.currentText(), "2 bytes");
    EXPECT_EQ(List(dialog, "baud").currentText(), "19200");
    EXPECT_EQ(stopBits.currentText(), "1");
    EXPECT_EQ(dialog.Values(), CustomRemoteModule{});
    EXPECT_TRUE(SaveDialogPicture(dialog, "remote_nl_dlg.png"));

    // Codes and rates the lists do not hold show their first entry.
    CustomRemoteModule odd;
    odd.modbusCommand = 7;
    odd.baud = 4800;
    odd.port = 1;
    CRemoteNLDlg oddDialog(odd);
    EXPECT_EQ(List(oddDialog, "modbusCommand").currentIndex(), 0);
    EXPECT_EQ(List(oddDialog, "baud").currentIndex(), 0);
    EXPECT_FALSE(List(oddDialog, "stopBits").isEnabled());
}

TEST_F(RemoteNLDlg, CommandAndTypeStayConsistent)
{
    command.setCurrentIndex(4); // Write Multiple Coils
    EXPECT_EQ(type.currentText(), "bit");
    type.setCurrentIndex(2); // 4 bytes
    EXPECT_EQ(command.currentText(), "Read Input Registers");
    type.setCurrentIndex(3); // bit
    EXPECT_EQ(command.currentText(), "Read Discrete Inputs");
    command.setCurrentIndex(1);
    EXPECT_EQ(type.currentText(), "2 bytes");
    type.setCurrentIndex(0);
    EXPECT_EQ(command.currentText(), "Read Holding Registers");
    EXPECT_EQ(dialog.Values().modbusCommand, 3);
    EXPECT_EQ(dialog.Values().registerType, 0);
}

TEST_F(RemoteNLDlg, OtherPortsRunWithOneStopBit)
{
    stopBits.setCurrentIndex(1);
    port.setCurrentIndex(1);
    EXPECT_EQ(stopBits.currentText(), "1");
    EXPECT_FALSE(stopBits.isEnabled());
    port.setCurrentIndex(0);
    EXPECT_TRUE(stopBits.isEnabled());
    stopBits.setCurrentIndex(1);
    List(dialog, "baud").setCurrentIndex(4);
    EXPECT_EQ(dialog.Values().stopBits, 2);
    EXPECT_EQ(dialog.Values().baud, 115200);
}

// A stored stop-bit count the list does not hold opens with none chosen and
// is kept.
TEST(RemoteNLDlgStopBits, UnknownCountIsKept)
{
    CustomRemoteModule module;
    module.stopBits = 3;
    CRemoteNLDlg dialog(module);
    EXPECT_EQ(List(dialog, "stopBits").currentIndex(), -1);
    EXPECT_EQ(dialog.Values().stopBits, 3);
}

TEST(RemoteNLDlgEntries, RefusedEntriesKeepTheDialogOpen)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"modbusAddress", "256", "Enter an integer between 0 and 255."},
        {"registerCount", "-1", "Enter an integer between 0 and 255."},
        {"registerAddress", "65536", "Enter an integer between 0 and 65535."},
        {"registerAddress", "-5", "Enter a positive integer."},
        {"registerAddress", "ten", "Enter a positive integer."},
    };
    for (const auto& [field, text, prompt] : cases) {
        test::RefusalLog refusals;
        CRemoteNLDlg dialog{CustomRemoteModule{}};
        ControlNamed<QLineEdit>(dialog, field).setText(text);
        PressOk(dialog);
        EXPECT_EQ(refusals.prompts, QStringList{prompt}) << field << " " << text;
        EXPECT_NE(dialog.result(), QDialog::Accepted);
    }
    CRemoteNLDlg highest{CustomRemoteModule{}};
    ControlNamed<QLineEdit>(highest, "registerAddress").setText("65535");
    PressOk(highest);
    EXPECT_EQ(highest.result(), QDialog::Accepted);
    EXPECT_EQ(highest.Values().registerAddress, 65535);
}

} // namespace
} // namespace vantrel
