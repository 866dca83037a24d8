#pragma once

#include "dialogs/property_dialog.h"

class QLabel;
class QSlider;

namespace vantrel {

// "Select Speed": a slider over the speed settings 1 .. 255 and the
// controller's frequency 64000 / setting in kHz. The setting is taken from
// the slider only when the mouse releases it, so that keys alone change
// nothing.
class SpeedSelectDlg : public PropertyDialog
{
    Q_OBJECT
public:
    static constexpr int kLowest = 1;
    static constexpr int kHighest = 255;

    explicit SpeedSelectDlg(std::int32_t setting, QWidget* parent = nullptr);

    std::int32_t Setting() const { return setting_; }
    // "%f kHz" of 64000 / setting.
    static QString FrequencyText(std::int32_t setting);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::int32_t setting_;
    QSlider* slider_;
    QLabel* frequency_;
};

} // namespace vantrel
