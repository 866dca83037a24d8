// The count dialog and the speed dialog on their own.
#include "dialogs/board_num_config.h"
#include "dialogs/dialog_driver.h"
#include "dialogs/dialog_script.h"
#include "dialogs/speed_select_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::ControlNamed;
using test::Entries;
using test::SaveDialogPicture;

QStringList Counts(int first, int last)
{
    QStringList counts;
    for (int count = first; count <= last; count += 8)
        counts.append(QString::number(count));
    return counts;
}

BoardCountRequest IoCountRequest(int minInputs, int inputs)
{
    BoardCountRequest request;
    request.title = u"Select IO Count";
    request.minInputs = minInputs;
    request.inputs = inputs;
    request.outputs = 40;
    return request;
}

TEST(BoardNumConfig, OffersCountsFromTheLowestInUseUpToTheMost)
{
    CBoardNumConfig dialog(IoCountRequest(41, 48)); // input number 40 in use
    EXPECT_EQ(dialog.windowTitle(), "Select IO Count");
    auto& inputs = ControlNamed<QComboBox>(dialog, "inCount");
    EXPECT_EQ(Entries(inputs), Counts(48, 2048));
    EXPECT_EQ(inputs.currentText(), "48");
    EXPECT_EQ(Entries(ControlNamed<QComboBox>(dialog, "outCount")), Counts(0, 2048));
    // The module's controls belong to remote modules only.
    EXPECT_EQ(dialog.findChild<QComboBox*>("port"), nullptr);
    EXPECT_EQ(dialog.findChild<QCheckBox*>("legacy"), nullptr);

    inputs.setCurrentIndex(inputs.findText("2048"));
    EXPECT_EQ(dialog.Values(), (BoardCounts{2048, 40, -1, true, 19200}));
    EXPECT_TRUE(SaveDialogPicture(dialog, "board_num_config.png"));
}

// A design whose count lies below its highest number in use (a damaged or
// hand-made file) opens with no count chosen; OK keeps that count rather
// than one below the offered range.
TEST(BoardNumConfig, CountNotOfferedIsKept)
{
    CBoardNumConfig dialog(IoCountRequest(40, 32));
    EXPECT_EQ(ControlNamed<QComboBox>(dialog, "inCount").currentIndex(), -1);
    EXPECT_EQ(dialog.Values().inputs, 32);
}

TEST(BoardNumConfig, LegacyCommandsFixTheBaudRate)
{
    BoardCountRequest request;
    request.title = u"Remote IO Count";
    request.maxInputs = 24;
    request.inputs = 24;
    request.port = 2;
    request.legacy = false;
    request.baud = 38400;
    CBoardNumConfig dialog(request);
    EXPECT_EQ(dialog.windowTitle(), "Remote IO Count");
    auto& port = ControlNamed<QComboBox>(dialog, "port");
    auto& legacy = ControlNamed<QCheckBox>(dialog, "legacy");
    auto& baud = ControlNamed<QComboBox>(dialog, "baud");
    EXPECT_EQ(Entries(port), QStringList({"0", "1", "2"}));
    EXPECT_EQ(port.currentText(), "2");
    EXPECT_EQ(Entries(baud), QStringList({"9600", "19200", "38400", "57600"}));
    EXPECT_EQ(baud.currentText(), "38400");
    EXPECT_TRUE(baud.isEnabled());
    EXPECT_EQ(dialog.Values(), (BoardCounts{24, 0, 2, false, 38400}));
    EXPECT_TRUE(SaveDialogPicture(dialog, "board_num_config_module.png"));

    legacy.click();
    EXPECT_FALSE(baud.isEnabled());
    EXPECT_EQ(dialog.Values(), (BoardCounts{24, 0, 2, true, 19200}));
    legacy.click();
    baud.setCurrentIndex(0);
    port.setCurrentIndex(1);
    EXPECT_EQ(dialog.Values(), (BoardCounts{24, 0, 1, false, 9600}));

    request.baud = 115200; // not one the list offers
    CBoardNumConfig unknownRate(request);
    EXPECT_EQ(ControlNamed<QComboBox>(unknownRate, "baud").currentIndex(), -1);
    EXPECT_EQ(unknownRate.Values().baud, 115200);
}

TEST(SpeedSelectDlg, ShowsTheFrequencyOfTheSetting)
{
    const std::pair<int, const char*> cases[] = {
        {64, "1000.000000 kHz"}, {255, "250.980392 kHz"}, {1, "64000.000000 kHz"}};
    for (const auto& [setting, text] : cases) {
        SpeedSelectDlg dialog(setting);
        EXPECT_EQ(ControlNamed<QLabel>(dialog, "frequency").text(), text);
        EXPECT_EQ(ControlNamed<QSlider>(dialog, "speed").value(), setting);
        EXPECT_EQ(dialog.Setting(), setting);
    }
}

// Keys move the slider but only a mouse release takes its setting.
TEST(SpeedSelectDlg, OnlyAMouseReleaseTakesTheSetting)
{
    SpeedSelectDlg dialog(64);
    dialog.show();
    auto& slider = ControlNamed<QSlider>(dialog, "speed");
    auto& frequency = ControlNamed<QLabel>(dialog, "frequency");
    QTest::keyClick(&slider, Qt::Key_Right);
    QTest::keyClick(&slider, Qt::Key_End);
    EXPECT_EQ(slider.value(), 255);
    EXPECT_EQ(dialog.Setting(), 64);
    EXPECT_EQ(frequency.text(), "1000.000000 kHz");

    slider.setValue(64);
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(slider.width() - 2, slider.height() / 2));
    EXPECT_GT(slider.value(), 64);
    EXPECT_EQ(dialog.Setting(), slider.value());
    EXPECT_EQ(frequency.text(), SpeedSelectDlg::FrequencyText(slider.value()));
    EXPECT_TRUE(SaveDialogPicture(dialog, "speed_select_dlg.png"));
}

} // namespace
} // namespace vantrel
