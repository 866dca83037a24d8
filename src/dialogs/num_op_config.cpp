#include "dialogs/num_op_config.h"

#include "qt_adapters/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

namespace vantrel {

CNumOpConfig::CNumOpConfig(const NumOpValues& values, QWidget* parent)
    : PropertyDialog(QStringLiteral("Number Operation"), parent), givenOperation_(values.operation),
      operation_(NewList(1026,
                         {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("*"),
                          QStringLiteral("/"), QStringLiteral("/."), QStringLiteral("AND"),
                          QStringLiteral("OR"), QStringLiteral("XOR")},
                         values.operation)),
      showInMonitor_(NewCheckBox(1025, QStringLiteral("Show in Monitor"), values.showInMonitor)),
      name_(NewEdit(1000, values.name))
{
    Form().addRow(QStringLiteral("Operation:"), operation_);
    Form().addRow(showInMonitor_);
    Form().addRow(QStringLiteral("Name:"), name_);
    name_->setEnabled(values.showInMonitor);
    connect(showInMonitor_, &QCheckBox::toggled, name_, &QLineEdit::setEnabled);
}

NumOpValues CNumOpConfig::Values() const
{
    return {ChosenIndex(*operation_, givenOperation_), showInMonitor_->isChecked(),
            FromQString(name_->text())};
}

} // namespace vantrel
