// The dialogs of plain fields: what they show for their input values, how
// their controls follow each other, and what they yield on OK.
#include "dialogs/dialog_driver.h"
#include "dialogs/freq_box.h"
#include "dialogs/num_op_config.h"
#include "dialogs/temp_in_config.h"
#include "dialogs/text_box.h"
#include "dialogs/timer_config.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(TextBox, ACaptionShowsTheCheckBoxWithTheGivenState)
{
    CTextBox dialog(u"Reset", u"Restrict access", true);
    auto& check = test::ControlById<QCheckBox>(dialog, 1085);
    EXPECT_TRUE(check.isVisibleTo(&dialog));
    EXPECT_EQ(check.text(), "Restrict access");
    EXPECT_TRUE(check.isChecked());
    EXPECT_EQ(test::ControlById<QLineEdit>(dialog, 1003).text(), "Reset");

    test::ControlById<QLineEdit>(dialog, 1003).setText(QString::fromUtf16(u"Start \u00e9"));
    check.setChecked(false);
    test::PressOk(dialog);
    const TextBoxResult result = dialog.Values();
    EXPECT_EQ(result.text, u"Start \u00e9");
    EXPECT_FALSE(result.checked);
}

TEST(TextBox, WithoutCaptionTheCheckBoxIsHiddenAndItsStatePassesThrough)
{
    for (bool given : {false, true}) {
        CTextBox dialog(u"", u"", given);
        EXPECT_FALSE(test::ControlById<QCheckBox>(dialog, 1085).isVisibleTo(&dialog));
        test::PressOk(dialog);
        EXPECT_EQ(dialog.Values().checked, given);
        EXPECT_EQ(dialog.Values().text, u"");
    }
}

TEST(TimerConfig, YieldsNameAndCountUp)
{
    CTimerConfig dialog({u"Fill", false});
    EXPECT_EQ(test::ControlById<QCheckBox>(dialog, 1079).text(), "Count Up");
    test::ControlById<QLineEdit>(dialog, 1080).setText("Drain");
    test::ControlById<QCheckBox>(dialog, 1079).setChecked(true);
    test::PressOk(dialog);
    EXPECT_EQ(dialog.Values().name, u"Drain");
    EXPECT_TRUE(dialog.Values().countUp);
}

TEST(FreqBox, ShowsTheGivenIndexAndYieldsTheChosenOne)
{
    CFreqBox dialog(8);
    auto& list = test::ControlById<QComboBox>(dialog, 1030);
    EXPECT_EQ(list.currentText(), "2s");
    list.setCurrentIndex(12);
    test::PressOk(dialog);
    EXPECT_EQ(dialog.Index(), 12);
}

TEST(FreqBox, AnIndexOutsideTheListChoosesNothingAndIsKept)
{
    CFreqBox dialog(13);
    EXPECT_EQ(test::ControlById<QComboBox>(dialog, 1030).currentIndex(), -1);
    test::PressOk(dialog);
    EXPECT_EQ(dialog.Index(), 13);
}

TEST(NumOpConfig, TheNameIsEditableOnlyWhileShownInTheMonitorAndAlwaysKept)
{
    CNumOpConfig dialog({4, false, u"Flow"});
    auto& show = test::ControlById<QCheckBox>(dialog, 1025);
    auto& name = test::ControlById<QLineEdit>(dialog, 1000);
    EXPECT_EQ(test::ControlById<QComboBox>(dialog, 1026).currentText(), "/.");
    EXPECT_EQ(show.text(), "Show in Monitor");
    EXPECT_FALSE(name.isEnabled());
    show.setChecked(true);
    EXPECT_TRUE(name.isEnabled());
    name.setText("Rate");
    show.setChecked(false);
    EXPECT_FALSE(name.isEnabled());
    test::ControlById<QComboBox>(dialog, 1026).setCurrentIndex(7);
    test::PressOk(dialog);
    const NumOpValues values = dialog.Values();
    EXPECT_EQ(values.operation, 7);
    EXPECT_FALSE(values.showInMonitor);
    EXPECT_EQ(values.name, u"Rate");
}

TEST(TempInConfig, TheSiloNameIsAskedOnlyForSiloReadings)
{
    for (int type = 0; type < 21; ++type) {
        CTempInConfig dialog({type, u"North", 0});
        const bool silo = type <= 2 || type >= 9;
        EXPECT_EQ(test::ControlById<QLineEdit>(dialog, 1087).isVisibleTo(&dialog), silo) << type;
        EXPECT_EQ(CTempInConfig::ReadsSilo(type), silo) << type;
    }
    EXPECT_FALSE(CTempInConfig::ReadsSilo(-1));
    EXPECT_FALSE(CTempInConfig::ReadsSilo(21));
}

TEST(TempInConfig, TheSiloNameFollowsTheTypeAndIsKeptWhileHidden)
{
    CTempInConfig dialog({9, u"North", 12});
    auto& type = test::ControlById<QComboBox>(dialog, 1086);
    auto& silo = test::ControlById<QLineEdit>(dialog, 1087);
    EXPECT_EQ(type.currentText(), "Silo High Alarm Count");
    EXPECT_TRUE(silo.isVisibleTo(&dialog));
    type.setCurrentIndex(4);
    EXPECT_EQ(type.currentText(), "Aux Humidity");
    EXPECT_FALSE(silo.isVisibleTo(&dialog));
    silo.setText("South");
    test::PressOk(dialog);
    const TempInValues values = dialog.Values();
    EXPECT_EQ(values.type, 4);
    EXPECT_EQ(values.siloName, u"South");
    EXPECT_EQ(values.defaultValue, 12);
    type.setCurrentIndex(20);
    EXPECT_TRUE(silo.isVisibleTo(&dialog));
}

} // namespace
} // namespace vantrel
