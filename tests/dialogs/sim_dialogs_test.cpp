// "Simulator elements" and "Simulation element" over a design with inputs
// and outputs.
#include "dialogs/dialog_driver.h"
#include "dialogs/dialog_script.h"
#include "dialogs/sim_element_dlg.h"
#include "dialogs/sim_elements_dlg.h"
#include "elements/io_elements.h"
#include "support/recording_notifier.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::ControlById;
using test::Entries;
using test::PressOk;
using test::SaveDialogPicture;
using Slots = std::vector<std::int32_t>;

QStringList Lines(QWidget& dialog)
{
    return test::ListLines(dialog, "1043");
}

void Select(QWidget& dialog, int row)
{
    ControlById<QListWidget>(dialog, 1043).setCurrentRow(row);
}

// Inputs Tank (id 1, number 3) and alpha (id 2, number 0), a user input and
// the output Pump (id 4, number 1).
class SimDialogs : public test::DesignTest
{
protected:
    SimDialogs()
    {
        Insert(std::make_unique<LogIn>(Point{0, 0}, 1, 3, u"Tank"));
        Insert(std::make_unique<LogIn>(Point{0, 1}, 2, 0, u"alpha"));
        Insert(std::make_unique<LogUser>(Point{0, 2}, 3, 0, u"Start"));
        Insert(std::make_unique<LogOut>(Point{0, 3}, 4, 1, u"Pump"));
    }

    test::RecordingNotifier notifier;
};

TEST_F(SimDialogs, ElementDialogShowsOneListPerSlot)
{
    SimElement valve(0, u"Enter name");
    valve.outputs = {4, 77};
    CSimElementDlg dialog(valve, document);
    EXPECT_EQ(dialog.windowTitle(), "2-way valve");
    EXPECT_EQ(ControlById<QLineEdit>(dialog, 1000).text(), "Enter name");
    for (int id = 1049; id <= 1064; ++id) {
        const bool shown = id == 1049 || id == 1050 || id == 1057 || id == 1058;
        EXPECT_EQ(ControlById<QComboBox>(dialog, id).isVisibleTo(&dialog), shown) << id;
    }
    auto& input = ControlById<QComboBox>(dialog, 1049);
    EXPECT_EQ(Entries(input), QStringList({"alpha, p 1", "Tank, p 4"}));
    // An empty slot shows the design's first input.
    EXPECT_EQ(input.currentText(), "Tank, p 4");
    EXPECT_EQ(Entries(ControlById<QComboBox>(dialog, 1057)), QStringList{"Pump, p 2"});
    EXPECT_TRUE(SaveDialogPicture(dialog, "sim_element.png"));

    ControlById<QComboBox>(dialog, 1050).setCurrentIndex(0);
    ControlById<QLineEdit>(dialog, 1000).setText("Inlet");
    const SimElement result = dialog.Values();
    EXPECT_EQ(result.name, u"Inlet");
    EXPECT_EQ(result.type, 0);
    EXPECT_EQ(result.inputs, (Slots{1, 2}));
    EXPECT_EQ(result.outputs, (Slots{4, 4}));
}

TEST_F(SimDialogs, SlotsStayEmptyWithoutElementsToName)
{
    CVantrelDoc empty;
    CSimElementDlg dialog(SimElement(1, u"Mixer"), empty);
    EXPECT_EQ(dialog.windowTitle(), "rotary control");
    EXPECT_EQ(ControlById<QComboBox>(dialog, 1049).count(), 0);
    EXPECT_EQ(dialog.Values().inputs, Slots{-1});
    EXPECT_EQ(dialog.Values().outputs, Slots{-1});
}

TEST_F(SimDialogs, NewEditAndDelete)
{
    test::DialogScript script;
    script.Then([](QDialog& element) {
        EXPECT_EQ(element.windowTitle(), "rotary control");
        ControlById<QLineEdit>(element, 1000).setText("Mixer");
        PressOk(element);
    });
    script.Then([](QDialog& element) { PressOk(element); }); // a 2-way valve as proposed
    script.Then([](QDialog& element) {                       // a double click on the valve
        ControlById<QLineEdit>(element, 1000).setText("Inlet");
        PressOk(element);
    });
    script.Then([](QDialog& element) { element.reject(); });
    CSimElementsDlg dialog({}, document, notifier, script.Runner());
    EXPECT_EQ(dialog.windowTitle(), "Simulator elements");
    auto& types = ControlById<QComboBox>(dialog, 1046);
    EXPECT_EQ(Entries(types), QStringList({"2-way valve", "rotary control"}));
    EXPECT_EQ(types.currentIndex(), 0);

    types.setCurrentIndex(1);
    ControlById<QPushButton>(dialog, 1044).click();
    types.setCurrentIndex(0);
    ControlById<QPushButton>(dialog, 1044).click();
    Select(dialog, 1);
    auto& list = ControlById<QListWidget>(dialog, 1043);
    emit list.itemDoubleClicked(list.item(1));
    ControlById<QPushButton>(dialog, 1044).click(); // cancelled
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(Lines(dialog), QStringList({"Mixer, rotary control", "Inlet, 2-way valve"}));
    const std::vector<SimElement>& elements = dialog.Elements();
    EXPECT_EQ(elements[0].inputs, Slots{1});
    EXPECT_EQ(elements[0].outputs, Slots{4});
    EXPECT_EQ(elements[1].inputs, (Slots{1, 1}));
    EXPECT_TRUE(SaveDialogPicture(dialog, "simulator_elements.png"));
}

TEST_F(SimDialogs, DeleteAsksFirst)
{
    test::RecordingNotifier cancelling(MessageAnswer::Cancel);
    CSimElementsDlg kept({SimElement(0, u"Inlet")}, document, cancelling);
    ControlById<QPushButton>(kept, 1045).click(); // nothing selected: no question
    Select(kept, 0);
    ControlById<QPushButton>(kept, 1045).click();
    EXPECT_EQ(cancelling.Messages(), std::vector<std::string>{"Delete Sim Element: Sure?"});
    EXPECT_EQ(kept.Elements().size(), 1u);

    CSimElementsDlg deleted({SimElement(0, u"Inlet")}, document, notifier);
    Select(deleted, 0);
    ControlById<QPushButton>(deleted, 1045).click();
    EXPECT_TRUE(deleted.Elements().empty());
}

} // namespace
} // namespace vantrel
