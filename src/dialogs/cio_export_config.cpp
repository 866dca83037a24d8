#include "dialogs/cio_export_config.h"

#include "dialogs/first_field_focus.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>

namespace vantrel {

CIOExportConfig::CIOExportConfig(QWidget* parent)
    : QDialog(parent), type_(new QComboBox(this)), boardSize_(new QComboBox(this)),
      format_(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("Export I/O List"));
    type_->addItems({QStringLiteral("Inputs"), QStringLiteral("Outputs"),
                     QStringLiteral("Analog Inputs"), QStringLiteral("Analog Outputs")});
    boardSize_->addItems({QStringLiteral("32"), QStringLiteral("48")});
    format_->addItems({QStringLiteral("text"), QStringLiteral("csv")});
    format_->setCurrentIndex(1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Type:"), type_);
    layout->addRow(QStringLiteral("Board size:"), boardSize_);
    layout->addRow(QStringLiteral("Format:"), format_);
    layout->addRow(buttons);
}

void CIOExportConfig::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FocusFirstField(*this);
}

IoListChoice CIOExportConfig::Choice() const
{
    return {type_->currentIndex(), boardSize_->currentIndex() == 0 ? 32 : 48,
            format_->currentIndex() == 1};
}

} // namespace vantrel
