#pragma once

#include "dialogs/property_dialog.h"
#include "editing/element_dialogs.h"

class QCheckBox;
class QLineEdit;

namespace vantrel {

// "Timer Properties": the timer's name and whether it counts up.
class CTimerConfig : public PropertyDialog
{
    Q_OBJECT
public:
    explicit CTimerConfig(const TimerValues& values, QWidget* parent = nullptr);

    TimerValues Values() const;

private:
    QLineEdit* name_;
    QCheckBox* countUp_;
};

} // namespace vantrel
