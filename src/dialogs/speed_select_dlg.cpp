#include "dialogs/speed_select_dlg.h"

#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QSlider>

namespace vantrel {

namespace {

constexpr double kBaseKiloHertz = 64000.0;

} // namespace

SpeedSelectDlg::SpeedSelectDlg(std::int32_t setting, QWidget* parent)
    : PropertyDialog(QStringLiteral("Select Speed"), parent), setting_(setting),
      slider_(new QSlider(Qt::Horizontal, this)),
      frequency_(new QLabel(FrequencyText(setting), this))
{
    slider_->setObjectName(QStringLiteral("speed"));
    frequency_->setObjectName(QStringLiteral("frequency"));
    slider_->setRange(kLowest, kHighest);
    slider_->setValue(setting);
    slider_->installEventFilter(this);
    Form().addRow(slider_);
    Form().addRow(frequency_);
}

QString SpeedSelectDlg::FrequencyText(std::int32_t setting)
{
    return QString::asprintf("%f kHz", kBaseKiloHertz / setting);
}

bool SpeedSelectDlg::eventFilter(QObject* watched, QEvent* event)
{
    const bool handled = PropertyDialog::eventFilter(watched, event);
    if (watched == slider_ && event->type() == QEvent::MouseButtonRelease) {
        // The slider has already moved by the press and the drag.
        setting_ = slider_->value();
        frequency_->setText(FrequencyText(setting_));
    }
    return handled;
}

} // namespace vantrel
