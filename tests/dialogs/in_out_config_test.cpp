// "I/O properties" over a real design: labels from the design's I/O
// labelling (including remote modules), numbers in use marked or left out.
#include "dialogs/dialog_driver.h"
#include "dialogs/in_out_config.h"
#include "document/vantrel_doc.h"
#include "elements/io_elements.h"

#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

// Twelve inputs, the top eight of them on remote module 0; inputs 2 and 5
// are taken.
class InOutConfigTest : public test::DesignTest
{
protected:
    InOutConfigTest()
    {
        document.numInputs = 12;
        document.remoteIo.modules.push_back(RemoteIoModule{8, 8});
        Insert(std::make_unique<LogIn>(Point{0, 0}, 1, 2, u"Start"));
        Insert(std::make_unique<LogIn>(Point{0, 1}, 2, 5, u"Stop"));
        document.CheckNumbers(NumberKind::Inputs);
    }

    InOutRequest Request(bool showInUse, int number = 0)
    {
        return {u"Level",  number, document.numInputs, document.NumberTable(),
                &document, true,   showInUse};
    }

    static QList<int> Numbers(const QComboBox& list)
    {
        QList<int> numbers;
        for (int i = 0; i < list.count(); ++i)
            numbers.append(list.itemData(i).toInt());
        return numbers;
    }
};

TEST_F(InOutConfigTest, NumbersInUseAreMarkedWhenAsked)
{
    CInOutConfig dialog(Request(true, 3));
    const auto& list = test::ControlById<QComboBox>(dialog, 1001);
    EXPECT_EQ(
        test::Entries(list),
        QStringList({"1", "2", "3 in use", "4", "Remote 0: 1", "Remote 0: 2 in use", "Remote 0: 3",
                     "Remote 0: 4", "Remote 0: 5", "Remote 0: 6", "Remote 0: 7", "Remote 0: 8"}));
    EXPECT_EQ(Numbers(list), QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(list.currentText(), "4");
}

TEST_F(InOutConfigTest, NumbersInUseAreLeftOutOtherwise)
{
    CInOutConfig dialog(Request(false, 3));
    const auto& list = test::ControlById<QComboBox>(dialog, 1001);
    EXPECT_EQ(Numbers(list), QList<int>({0, 1, 3, 4, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(list.itemText(2), "4");
    EXPECT_EQ(list.currentData().toInt(), 3);
}

TEST_F(InOutConfigTest, YieldsTheNameAndTheChosenEntrysNumber)
{
    CInOutConfig dialog(Request(false, 0));
    EXPECT_EQ(test::ControlById<QLineEdit>(dialog, 1000).text(), "Level");
    test::ControlById<QLineEdit>(dialog, 1000).setText("Tank");
    auto& list = test::ControlById<QComboBox>(dialog, 1001);
    list.setCurrentIndex(list.findText("Remote 0: 3"));
    test::PressOk(dialog);
    const InOutResult result = dialog.Values();
    EXPECT_EQ(result.name, u"Tank");
    EXPECT_EQ(result.number, 6);
}

TEST_F(InOutConfigTest, OutputsAreLabelledFromTheOutputSide)
{
    document.numOutputs = 10;
    CInOutConfig dialog({u"", 0, document.numOutputs, {}, &document, false, true});
    EXPECT_EQ(test::Entries(test::ControlById<QComboBox>(dialog, 1001)),
              QStringList({"1", "2", "Remote 0: 1", "Remote 0: 2", "Remote 0: 3", "Remote 0: 4",
                           "Remote 0: 5", "Remote 0: 6", "Remote 0: 7", "Remote 0: 8"}));
}

TEST_F(InOutConfigTest, WithoutLabelSourceTheLabelIsTheNumberPlusOne)
{
    // A usage table shorter than the count leaves the rest free.
    CInOutConfig dialog({u"Temp", 1, 4, {-1, 7}, nullptr, false, true});
    const auto& list = test::ControlById<QComboBox>(dialog, 1001);
    EXPECT_EQ(test::Entries(list), QStringList({"1", "2 in use", "3", "4"}));
    EXPECT_EQ(list.currentIndex(), 1);
}

TEST_F(InOutConfigTest, ANumberThatIsNotOfferedIsKept)
{
    // An element numbered beyond the inputs, or one whose own number is
    // taken, has no entry to choose: OK leaves its number as it was.
    for (const auto& [number, showInUse] : {std::pair{40, true}, std::pair{2, false}}) {
        CInOutConfig dialog(Request(showInUse, number));
        EXPECT_EQ(test::ControlById<QComboBox>(dialog, 1001).currentIndex(), -1);
        test::PressOk(dialog);
        EXPECT_EQ(dialog.Values().number, number);
    }
    CInOutConfig empty({u"", 0, 0, {}, nullptr, true, true});
    EXPECT_EQ(test::ControlById<QComboBox>(empty, 1001).count(), 0);
    test::PressOk(empty);
    EXPECT_EQ(empty.Values().number, 0);
}

} // namespace
} // namespace vantrel
