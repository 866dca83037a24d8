// "Replicator Properties" for replicators (inputs and user inputs of the
// main list) and for out markers (in markers of one kind).
#include "dialogs/dialog_driver.h"
#include "dialogs/replicator_dialogs.h"
#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/indirect_elements.h"
#include "elements/io_elements.h"

#include <QComboBox>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using ReplicatorDialogs = test::DesignTest;

TEST_F(ReplicatorDialogs, ReplicatorsOfferInputsAndUserInputsInListOrder)
{
    Insert(std::make_unique<LogUser>(Point{0, 0}, 4, 0, u"Reset"));
    Insert(std::make_unique<LogAnd>(Point{0, 1}, 5));
    Insert(std::make_unique<LogIn>(Point{0, 2}, 6, 0, u"Start"));
    Insert(std::make_unique<LogOut>(Point{0, 3}, 7, 0, u"Pump"));
    Insert(std::make_unique<LogPulseUser>(Point{0, 4}, 8, 1, u"Jog"));
    Insert(std::make_unique<LoggedUserOut>(Point{0, 5}, 9, 0, u"Events"));
    Insert(std::make_unique<LogStartMarker>(Point{0, 6}, 10, u"Marker"));

    CRepDialog dialog(document);
    auto& list = test::ControlById<QComboBox>(dialog, 1001);
    EXPECT_EQ(test::Entries(list), QStringList({"Reset, User In", "Start, Input", "Jog, User In"}));
    EXPECT_EQ(dialog.ChosenId(), 4);
    list.setCurrentIndex(2);
    test::PressOk(dialog);
    EXPECT_EQ(dialog.ChosenId(), 8);
}

TEST_F(ReplicatorDialogs, NothingToReplicateYieldsMinusOne)
{
    Insert(std::make_unique<LogAnd>(Point{0, 0}, 1));
    CRepDialog dialog(document);
    EXPECT_EQ(test::ControlById<QComboBox>(dialog, 1001).count(), 0);
    test::PressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenId(), -1);
}

TEST_F(ReplicatorDialogs, OutMarkersOfferOnlyInMarkersOfTheirKind)
{
    Insert(std::make_unique<LogStartMarker>(Point{0, 0}, 1, u"Alarm"));
    Insert(std::make_unique<NLStartMarker>(Point{0, 1}, 2, u"Level"));
    Insert(std::make_unique<LogEndMarker>(Point{0, 2}, 3, 1));
    Insert(std::make_unique<LogStartMarker>(Point{0, 3}, 4, u"Ready"));
    Insert(std::make_unique<LogReplicator>(Point{0, 4}, 5, 1));
    Insert(std::make_unique<NLStartMarker>(Point{0, 5}, 6, u"Flow"));

    const struct
    {
        bool numeric;
        QStringList labels;
        QList<int> ids;
    } cases[] = {
        {false, {"Alarm", "Ready"}, {1, 4}},
        {true, {"Level", "Flow"}, {2, 6}},
    };
    for (const auto& c : cases) {
        COutMarkerDialog dialog(document, c.numeric);
        auto& list = test::ControlById<QComboBox>(dialog, 1001);
        EXPECT_EQ(test::Entries(list), c.labels);
        EXPECT_EQ(list.currentIndex(), -1);
        EXPECT_EQ(dialog.ChosenId(), -1);
        list.setCurrentIndex(1);
        test::PressOk(dialog);
        EXPECT_EQ(dialog.ChosenId(), c.ids[1]);
    }
}

} // namespace
} // namespace vantrel
