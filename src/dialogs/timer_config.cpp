#include "dialogs/timer_config.h"

#include "qt_adapters/qt_text.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>

namespace vantrel {

CTimerConfig::CTimerConfig(const TimerValues& values, QWidget* parent)
    : PropertyDialog(QStringLiteral("Timer Properties"), parent), name_(NewEdit(1080, values.name)),
      countUp_(NewCheckBox(1079, QStringLiteral("Count Up"), values.countUp))
{
    Form().addRow(QStringLiteral("Name:"), name_);
    Form().addRow(countUp_);
}

TimerValues CTimerConfig::Values() const
{
    return {FromQString(name_->text()), countUp_->isChecked()};
}

} // namespace vantrel
