// "Logged User Output" over a real design: the candidates, the logged list
// and Add/Delete, all on the dialog's own copy of the element.
#include "dialogs/dialog_driver.h"
#include "dialogs/log_dialog.h"
#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "elements/timing_elements.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

// The edited element (id 4) sits in the main list among I/O elements, a
// gate, and monitored values of every monitor kind.
class LogDialogTest : public test::DesignTest
{
protected:
    LogDialogTest()
    {
        Insert(std::make_unique<LogIn>(Point{0, 0}, 1, 0, u"Start"));
        Insert(std::make_unique<LogOut>(Point{0, 1}, 2, 0, u"Pump"));
        Insert(std::make_unique<LogAnd>(Point{0, 2}, 3));
        auto element = std::make_unique<LoggedUserOut>(Point{0, 3}, 4, 0, u"Events");
        element->loggedIds = {2, 99};
        edited = element.get();
        Insert(std::move(element));
        Insert(std::make_unique<LogUser>(Point{0, 4}, 5, 0, u"Reset"));
        Insert(std::make_unique<LogTimer>(Point{0, 5}, 6, u"Run", false));
        Insert(std::make_unique<Acc>(Point{0, 6}, 7, u"Level", 0));
        Insert(std::make_unique<GP_Register>(Point{0, 7}, 8, 0, true, u"Flow"));
        Insert(std::make_unique<GP_Register>(Point{0, 8}, 9, 0, false, u"Hidden"));
    }

    static QStringList Labels(const QListWidget& list)
    {
        QStringList labels;
        for (int i = 0; i < list.count(); ++i)
            labels.append(list.item(i)->text());
        return labels;
    }
    LoggedUserOut* edited = nullptr;
};

TEST_F(LogDialogTest, OffersIoElementsAndMonitoredValuesButNotTheLoggedOrItself)
{
    LogDialog dialog(*edited, document);
    EXPECT_EQ(test::ControlById<QLineEdit>(dialog, 1076).text(), "Events");
    const auto& candidates = test::ControlById<QComboBox>(dialog, 1078);
    EXPECT_EQ(test::Entries(candidates),
              QStringList({"Input: Start, 1", "User Input: Reset, 1", "Acc: Level", "Timer: Run",
                           "GP Register: Flow"}));
    EXPECT_EQ(candidates.currentIndex(), 0);
    // The id that no longer resolves stays logged but is not listed.
    EXPECT_EQ(Labels(test::ControlById<QListWidget>(dialog, 1077)),
              QStringList({"Output: Pump, 1"}));
    EXPECT_TRUE(test::ControlById<QPushButton>(dialog, 1074).isEnabled());
    EXPECT_FALSE(test::ControlById<QPushButton>(dialog, 1075).isEnabled());
}

TEST_F(LogDialogTest, AddLogsTheChosenCandidateOnce)
{
    LogDialog dialog(*edited, document);
    auto& candidates = test::ControlById<QComboBox>(dialog, 1078);
    auto& add = test::ControlById<QPushButton>(dialog, 1074);
    candidates.setCurrentIndex(candidates.findText("Acc: Level"));
    add.click();
    EXPECT_EQ(dialog.Values().loggedIds, (std::vector<std::int32_t>{2, 99, 7}));
    EXPECT_EQ(candidates.findText("Acc: Level"), -1);
    EXPECT_EQ(candidates.currentIndex(), 0);
    EXPECT_EQ(Labels(test::ControlById<QListWidget>(dialog, 1077)),
              QStringList({"Output: Pump, 1", "Acc: Level"}));

    add.click();
    EXPECT_EQ(dialog.Values().loggedIds, (std::vector<std::int32_t>{2, 99, 7, 1}));
    while (candidates.count() > 0)
        add.click();
    EXPECT_FALSE(add.isEnabled());
    EXPECT_EQ(dialog.Values().loggedIds, (std::vector<std::int32_t>{2, 99, 7, 1, 5, 6, 8}));
    // The original element is untouched: the dialog works on a copy.
    EXPECT_EQ(edited->loggedIds, (std::vector<std::int32_t>{2, 99}));
}

TEST_F(LogDialogTest, DeleteRemovesEveryOccurrenceOfTheSelectedId)
{
    edited->loggedIds = {2, 7, 2};
    LogDialog dialog(*edited, document);
    auto& logged = test::ControlById<QListWidget>(dialog, 1077);
    auto& remove = test::ControlById<QPushButton>(dialog, 1075);
    EXPECT_EQ(Labels(logged), QStringList({"Output: Pump, 1", "Acc: Level", "Output: Pump, 1"}));
    logged.setCurrentRow(2);
    EXPECT_TRUE(remove.isEnabled());
    remove.click();
    EXPECT_EQ(dialog.Values().loggedIds, (std::vector<std::int32_t>{7}));
    EXPECT_EQ(Labels(logged), QStringList({"Acc: Level"}));
    EXPECT_FALSE(remove.isEnabled());
    EXPECT_NE(test::ControlById<QComboBox>(dialog, 1078).findText("Output: Pump, 1"), -1);
}

TEST_F(LogDialogTest, ANewElementOffersTheOtherLoggedOutputAndYieldsItsName)
{
    // Being placed, the element is not in the design yet.
    LoggedUserOut placed(Point{5, 5}, 10, 1, u"");
    LogDialog dialog(placed, document);
    EXPECT_EQ(test::Entries(test::ControlById<QComboBox>(dialog, 1078)).mid(0, 4),
              QStringList({"Input: Start, 1", "Output: Pump, 1", "Logged User Output: Events",
                           "User Input: Reset, 1"}));
    EXPECT_EQ(test::ControlById<QListWidget>(dialog, 1077).count(), 0);
    test::ControlById<QLineEdit>(dialog, 1076).setText("Alarms");
    test::PressOk(dialog);
    EXPECT_EQ(dialog.Values().name, u"Alarms");
    EXPECT_TRUE(dialog.Values().loggedIds.empty());
}

} // namespace
} // namespace vantrel
