#include "dialogs/big_op_config.h"

#include "dialogs/integer_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace vantrel {

BigOpConfig::BigOpConfig(const BigOpValues& values, QWidget* parent)
    : PropertyDialog(QStringLiteral("BigOp properties"), parent), givenSide_(values.side),
      first_(NewIntegerEdit(1034, values.first, kLowestNumber, kHighestNumber)),
      last_(NewIntegerEdit(1032, values.last, kLowestNumber, kHighestNumber)),
      side_(NewList(1033, {QStringLiteral("Inputs"), QStringLiteral("Outputs")}, values.side)),
      invert_(NewCheckBox(1035, QStringLiteral("Invert"), values.invert))
{
    auto* range = new QHBoxLayout;
    range->addWidget(first_);
    range->addWidget(new QLabel(QStringLiteral("-"), this));
    range->addWidget(last_);
    Form().addRow(range);
    Form().addRow(side_);
    Form().addRow(invert_);
}

BigOpValues BigOpConfig::Values() const
{
    return {first_->Value(), last_->Value(), ChosenIndex(*side_, givenSide_), invert_->isChecked()};
}

} // namespace vantrel
