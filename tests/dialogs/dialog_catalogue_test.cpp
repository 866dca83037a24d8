// Every property dialog: its title, its controls by id, the OK/Cancel pair,
// the field it opens in, and a picture of it to look at.
#include "dialogs/acc_box.h"
#include "dialogs/big_op_config.h"
#include "dialogs/cio_export_config.h"
#include "dialogs/dialog_driver.h"
#include "dialogs/freq_box.h"
#include "dialogs/in_out_config.h"
#include "dialogs/log_dialog.h"
#include "dialogs/num_op_config.h"
#include "dialogs/number_dialogs.h"
#include "dialogs/replicator_dialogs.h"
#include "dialogs/temp_in_config.h"
#include "dialogs/text_box.h"
#include "dialogs/timer_config.h"
#include "document/vantrel_doc.h"
#include "elements/indirect_elements.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace vantrel {
namespace {

// A small design that gives the list dialogs something to offer.
class DialogCatalogue : public test::DesignTest
{
protected:
    DialogCatalogue()
    {
        Insert(std::make_unique<LogIn>(Point{0, 0}, 1, 0, u"Start"));
        Insert(std::make_unique<LogOut>(Point{0, 1}, 2, 0, u"Pump"));
        Insert(std::make_unique<LogUser>(Point{0, 2}, 3, 0, u"Reset"));
        Insert(std::make_unique<Acc>(Point{0, 3}, 4, u"Level", 0));
        Insert(std::make_unique<LogStartMarker>(Point{0, 4}, 5, u"Alarm"));
        logged.id = 6;
        logged.name = u"Events";
        logged.loggedIds = {2};
        document.CheckNumbers(NumberKind::Inputs);
    }
    LoggedUserOut logged;
};

struct CatalogueEntry
{
    const char* picture;
    std::function<std::unique_ptr<QDialog>()> make;
    QString title;
    std::vector<int> controls;
};

TEST_F(DialogCatalogue, EveryDialogHasItsTitleControlsAndButtons)
{
    const InOutRequest inputs{u"Start", 0,   document.numInputs, document.NumberTable(), &document,
                              true,     true};
    const std::vector<CatalogueEntry> entries = {
        {"text_box.png",
         [] { return std::make_unique<CTextBox>(u"Reset", u"Restrict access", true); },
         "Add Text",
         {1003, 1085}},
        {"in_out_config.png",
         [&] { return std::make_unique<CInOutConfig>(inputs); },
         "I/O properties",
         {1000, 1001}},
        {"delay_config.png",
         [] { return std::make_unique<CDelayConfig>(10, 1); },
         "Select time in seconds",
         {1003}},
        {"timer_config.png",
         [] {
             return std::make_unique<CTimerConfig>(TimerValues{u"Run", true});
         },
         "Timer Properties",
         {1080, 1079}},
        {"freq_box.png", [] { return std::make_unique<CFreqBox>(7); }, "Select Frequency", {1030}},
        {"num_box.png", [] { return std::make_unique<CNumBox>(-42); }, "Enter number", {1029}},
        {"num_op_config.png",
         [] {
             return std::make_unique<CNumOpConfig>(NumOpValues{2, true, u"Flow"});
         },
         "Number Operation",
         {1026, 1025, 1000}},
        {"acc_box.png",
         [] {
             return std::make_unique<AccBox>(AccBox::Accumulators{{4, u"Level"}, {7, u"Count"}},
                                             AccBoxValues{7, 3});
         },
         "Select Accumulator",
         {1027, 1028}},
        {"big_op_config.png",
         [] {
             return std::make_unique<BigOpConfig>(BigOpValues{1, 10, 1, true});
         },
         "BigOp properties",
         {1034, 1032, 1033, 1035}},
        {"temp_in_config.png",
         [] {
             return std::make_unique<CTempInConfig>(TempInValues{9, u"Silo 3", 25});
         },
         "Temp In Config",
         {1086, 1087, 1088}},
        {"log_dialog.png",
         [&] { return std::make_unique<LogDialog>(logged, document); },
         "Logged User Output",
         {1076, 1077, 1078, 1074, 1075}},
        {"rep_dialog.png",
         [&] { return std::make_unique<CRepDialog>(document); },
         "Replicator Properties",
         {1001}},
        {"out_marker_dialog.png",
         [&] { return std::make_unique<COutMarkerDialog>(document, false); },
         "Replicator Properties",
         {1001}},
    };
    for (const CatalogueEntry& entry : entries) {
        SCOPED_TRACE(entry.picture);
        std::unique_ptr<QDialog> dialog = entry.make();
        EXPECT_EQ(dialog->windowTitle(), entry.title);
        for (int id : entry.controls)
            EXPECT_NE(dialog->findChild<QWidget*>(QString::number(id)), nullptr) << id;
        EXPECT_EQ(test::ControlById<QPushButton>(*dialog, 1).text(), "OK");
        EXPECT_EQ(test::ControlById<QPushButton>(*dialog, 2).text(), "Cancel");
        // Ready for typing: the first field has the focus and its text is selected.
        dialog->show();
        EXPECT_EQ(dialog->focusWidget(),
                  dialog->findChild<QWidget*>(QString::number(entry.controls.front())));
        if (auto* edit = qobject_cast<QLineEdit*>(dialog->focusWidget())) {
            EXPECT_EQ(edit->selectedText(), edit->text());
        }
        EXPECT_TRUE(test::SaveDialogPicture(*dialog, entry.picture));
    }
}

TEST(PropertyDialogs, CancelRejects)
{
    CNumBox dialog(5);
    dialog.show();
    test::ControlById<QPushButton>(dialog, 2).click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(PropertyDialogs, TheIoListExportOpensInItsFirstList)
{
    CIOExportConfig dialog;
    dialog.show();
    EXPECT_EQ(dialog.focusWidget(), dialog.findChildren<QComboBox*>().front());
}

TEST(PropertyDialogs, FixedListsHoldTheirEntriesInOrder)
{
    CFreqBox freq(0);
    EXPECT_EQ(test::Entries(test::ControlById<QComboBox>(freq, 1030)),
              QStringList({"128 Hz", "64 Hz", "32 Hz", "16 Hz", "8 Hz", "4 Hz", "2 Hz", "1 Hz",
                           "2s", "4s", "8s", "16s", "32s"}));
    CNumOpConfig numOp({});
    EXPECT_EQ(test::Entries(test::ControlById<QComboBox>(numOp, 1026)),
              QStringList({"+", "-", "*", "/", "/.", "AND", "OR", "XOR"}));
    AccBox acc({{1, u"A"}}, {});
    EXPECT_EQ(test::Entries(test::ControlById<QComboBox>(acc, 1028)),
              QStringList({"+", "-", "=", "= L"}));
    BigOpConfig bigOp({});
    EXPECT_EQ(test::Entries(test::ControlById<QComboBox>(bigOp, 1033)),
              QStringList({"Inputs", "Outputs"}));
    CTempInConfig tempIn({});
    EXPECT_EQ(test::Entries(test::ControlById<QComboBox>(tempIn, 1086)),
              QStringList({"Silo Average",
                           "Silo Max",
                           "Silo Min",
                           "Aux Temp",
                           "Aux Humidity",
                           "Aux Pressure",
                           "High Alarm Count",
                           "Low Alarm Count",
                           "Alarm Count",
                           "Silo High Alarm Count",
                           "Silo Low Alarm Count",
                           "Silo Alarm Count",
                           "Silo Max Humidity",
                           "Silo Min Humidity",
                           "Silo Avg Humidity",
                           "Silo Max CO2",
                           "Silo Min CO2",
                           "Silo Avg CO2",
                           "Silo Max VOC",
                           "Silo Min VOC",
                           "Silo Avg VOC"}));
}

} // namespace
} // namespace vantrel
