// "Select Accumulator" over the accumulators of a real design.
#include "dialogs/acc_box.h"
#include "dialogs/dialog_driver.h"
#include "document/vantrel_doc.h"
#include "elements/numeric_elements.h"

#include <QComboBox>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

class AccBoxTest : public test::DesignTest
{
protected:
    AccBoxTest()
    {
        Insert(std::make_unique<Acc>(Point{0, 0}, 3, u"Level", 0));
        Insert(std::make_unique<Acc>(Point{0, 1}, 8, u"Count", 1));
    }

    AccBox::Accumulators Accumulators()
    {
        AccBox::Accumulators list;
        for (const auto& element : document.elements[kAccumulatorList])
            list.emplace_back(element->id, element->Name());
        return list;
    }
};

TEST_F(AccBoxTest, ChoosesTheGivenAccumulatorAndOperation)
{
    AccBox dialog(Accumulators(), {8, 3});
    auto& accumulators = test::ControlById<QComboBox>(dialog, 1027);
    EXPECT_EQ(test::Entries(accumulators), QStringList({"Level", "Count"}));
    EXPECT_EQ(accumulators.currentText(), "Count");
    EXPECT_EQ(test::ControlById<QComboBox>(dialog, 1028).currentText(), "= L");

    accumulators.setCurrentIndex(0);
    test::ControlById<QComboBox>(dialog, 1028).setCurrentIndex(1);
    test::PressOk(dialog);
    EXPECT_EQ(dialog.Values().accumulatorId, 3);
    EXPECT_EQ(dialog.Values().operation, 1);
}

TEST_F(AccBoxTest, AnUnknownAccumulatorIdChoosesTheFirst)
{
    AccBox dialog(Accumulators(), {0, 0});
    EXPECT_EQ(test::ControlById<QComboBox>(dialog, 1027).currentText(), "Level");
    test::PressOk(dialog);
    EXPECT_EQ(dialog.Values().accumulatorId, 3);
}

TEST_F(AccBoxTest, WithoutAccumulatorsItClosesAtOnceAsCancelled)
{
    document.elements[kAccumulatorList].clear();
    AccBox dialog(Accumulators(), {5, 2});
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
} // namespace vantrel
