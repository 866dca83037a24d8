// "Complex Commands" and "Command Settings" over a design with user inputs.
#include "dialogs/command_settings_dlg.h"
#include "dialogs/complex_commands_dlg.h"
#include "dialogs/dialog_driver.h"
#include "dialogs/dialog_script.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "support/recording_notifier.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::ControlById;
using test::ControlNamed;
using test::PressOk;
using test::SaveDialogPicture;
using Settings = std::map<std::int32_t, bool>;

QStringList Lines(QWidget& dialog)
{
    return test::ListLines(dialog, "1016");
}

int SelectedRow(QWidget& dialog)
{
    const auto selected = ControlById<QListWidget>(dialog, 1016).selectedItems();
    return selected.isEmpty() ? -1 : ControlById<QListWidget>(dialog, 1016).row(selected.front());
}

void Select(QWidget& dialog, int row)
{
    ControlById<QListWidget>(dialog, 1016).setCurrentRow(row);
}

void Click(QWidget& dialog, int id)
{
    ControlById<QAbstractButton>(dialog, id).click();
}

// Chooses "Change to:" entry `to` for line `row` and presses "Change".
void Change(QWidget& dialog, int row, int to)
{
    Select(dialog, row);
    ControlById<QComboBox>(dialog, 1021).setCurrentIndex(to);
    Click(dialog, 1020);
}

constexpr int kNoAction = 0;
constexpr int kOff = 1;
constexpr int kOn = 2;

// User inputs, in design order: pump (id 1), Alarm (2), a gate (3), Fan (4),
// a pulse user input fan (5) and Fan (6).
class CommandDialogs : public test::DesignTest
{
protected:
    CommandDialogs()
    {
        Insert(std::make_unique<LogUser>(Point{0, 0}, 1, 0, u"pump"));
        Insert(std::make_unique<LogUser>(Point{0, 1}, 2, 1, u"Alarm"));
        Insert(std::make_unique<LogAnd>(Point{0, 2}, 3));
        Insert(std::make_unique<LogUser>(Point{0, 3}, 4, 2, u"Fan"));
        Insert(std::make_unique<LogPulseUser>(Point{0, 4}, 5, 3, u"fan"));
        Insert(std::make_unique<LogUser>(Point{0, 5}, 6, 4, u"Fan"));
    }

    static ComplexCommand Command(const char16_t* name, Settings settings)
    {
        ComplexCommand command(name);
        command.settings = std::move(settings);
        return command;
    }

    test::RecordingNotifier notifier;
};

TEST_F(CommandDialogs, SettingsListTheUserInputsSortedWithTheirStates)
{
    CCommandSettingsDlg dialog(Command(u"Start", {{1, true}, {2, false}, {99, true}}), document);
    EXPECT_EQ(ControlById<QLineEdit>(dialog, 1022).text(), "Start");
    EXPECT_EQ(Lines(dialog), QStringList({"Alarm   OFF", "Fan", "fan", "Fan", "pump   ON"}));
    // The line of the design's first user input is selected.
    EXPECT_EQ(SelectedRow(dialog), 4);
    EXPECT_EQ(test::Entries(ControlById<QComboBox>(dialog, 1021)),
              QStringList({"NO ACTION", "OFF", "ON"}));
    EXPECT_EQ(ControlById<QComboBox>(dialog, 1021).currentIndex(), kNoAction);
    EXPECT_TRUE(SaveDialogPicture(dialog, "command_settings.png"));
}

// Lines with the same name each change their own input; a line sorts by
// its whole text, state included. The deleted input (99) is not listed but
// stays in the command.
TEST_F(CommandDialogs, ChangeActsOnTheSelectedLinesInput)
{
    CCommandSettingsDlg dialog(Command(u"Start", {{1, true}, {99, true}}), document);
    Change(dialog, 1, kOn); // Fan (4)
    EXPECT_EQ(Lines(dialog), QStringList({"Alarm", "fan", "Fan", "Fan   ON", "pump   ON"}));
    EXPECT_EQ(SelectedRow(dialog), 1);
    Change(dialog, 2, kOff); // Fan (6)
    Change(dialog, 4, kNoAction);
    EXPECT_EQ(Lines(dialog), QStringList({"Alarm", "fan", "Fan   OFF", "Fan   ON", "pump"}));
    ControlById<QLineEdit>(dialog, 1022).setText("Ventilate");
    const ComplexCommand result = dialog.Values();
    EXPECT_EQ(result.name, u"Ventilate");
    EXPECT_EQ(result.settings, (Settings{{4, true}, {6, false}, {99, true}}));
}

TEST_F(CommandDialogs, NewEditCloneAndDelete)
{
    test::DialogScript script;
    script.Then([](QDialog& settings) {
        EXPECT_EQ(ControlById<QLineEdit>(settings, 1022).text(), "noname");
        Change(settings, 0, kOn);
        PressOk(settings);
    });
    script.Then([](QDialog& settings) { settings.reject(); }); // New, cancelled
    script.Then([](QDialog& settings) {                        // Clone of "noname"
        ControlById<QLineEdit>(settings, 1022).setText("Copy");
        PressOk(settings);
    });
    script.Then([](QDialog& settings) { // Edit of "Stop"
        ControlById<QLineEdit>(settings, 1022).setText("Halt");
        PressOk(settings);
    });
    CComplexCommandsDlg dialog({Command(u"Stop", {{1, false}})}, document, notifier,
                               script.Runner());
    EXPECT_EQ(dialog.windowTitle(), "Complex Commands");
    EXPECT_EQ(dialog.findChild<QAbstractButton*>("1"), nullptr); // closed by the window only
    Click(dialog, 1018);                                         // nothing selected
    Click(dialog, 1042);
    Click(dialog, 1017);
    Click(dialog, 1017);
    Select(dialog, 1);
    Click(dialog, 1042);
    Select(dialog, 0);
    Click(dialog, 1018);
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(script.titles.size(), 4);
    EXPECT_EQ(Lines(dialog), QStringList({"Halt", "noname", "Copy"}));
    const std::vector<ComplexCommand>& commands = dialog.Commands();
    EXPECT_EQ(commands[0].settings, (Settings{{1, false}}));
    EXPECT_EQ(commands[1].settings, (Settings{{2, true}}));
    EXPECT_EQ(commands[2].settings, commands[1].settings);
    EXPECT_TRUE(SaveDialogPicture(dialog, "complex_commands.png"));
}

TEST_F(CommandDialogs, DeleteAsksFirst)
{
    test::RecordingNotifier cancelling(MessageAnswer::Cancel);
    CComplexCommandsDlg kept({Command(u"Stop", {})}, document, cancelling);
    Click(kept, 1019); // nothing selected: no question
    Select(kept, 0);
    Click(kept, 1019);
    EXPECT_EQ(cancelling.Messages(), std::vector<std::string>{"Command deletion: Really Delete?"});
    EXPECT_EQ(kept.Commands().size(), 1u);

    CComplexCommandsDlg deleted({Command(u"Stop", {})}, document, notifier);
    Select(deleted, 0);
    Click(deleted, 1019);
    EXPECT_TRUE(deleted.Commands().empty());
    EXPECT_TRUE(Lines(deleted).isEmpty());
}

TEST_F(CommandDialogs, ArrowsMoveTheSelectedCommandWithinTheList)
{
    CComplexCommandsDlg dialog({Command(u"A", {}), Command(u"B", {}), Command(u"C", {})}, document,
                               notifier);
    auto& up = ControlNamed<QToolButton>(ControlById<QWidget>(dialog, 1084), "up");
    auto& down = ControlNamed<QToolButton>(ControlById<QWidget>(dialog, 1084), "down");
    down.click(); // nothing selected
    Select(dialog, 0);
    up.click();
    EXPECT_EQ(Lines(dialog), QStringList({"A", "B", "C"}));
    EXPECT_EQ(SelectedRow(dialog), 0);
    down.click();
    EXPECT_EQ(Lines(dialog), QStringList({"B", "A", "C"}));
    EXPECT_EQ(SelectedRow(dialog), 1);
    down.click();
    down.click();
    EXPECT_EQ(Lines(dialog), QStringList({"B", "C", "A"}));
    EXPECT_EQ(SelectedRow(dialog), 2);
    up.click();
    EXPECT_EQ(Lines(dialog), QStringList({"B", "A", "C"}));
    EXPECT_EQ(dialog.Commands()[1].name, u"A");
}

} // namespace
} // namespace vantrel
