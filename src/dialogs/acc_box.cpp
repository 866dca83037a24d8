#include "dialogs/acc_box.h"

#include "qt_adapters/qt_text.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>

namespace vantrel {

AccBox::AccBox(const Accumulators& accumulators, const AccBoxValues& values, QWidget* parent)
    : PropertyDialog(QStringLiteral("Select Accumulator"), parent), given_(values),
      accumulators_(NewList(1027)), operation_(NewList(1028,
                                                       {QStringLiteral("+"), QStringLiteral("-"),
                                                        QStringLiteral("="), QStringLiteral("= L")},
                                                       values.operation))
{
    for (const auto& [id, name] : accumulators)
        accumulators_->addItem(ToQString(name), id);
    // Without a match the first accumulator stays chosen.
    const int match = accumulators_->findData(values.accumulatorId);
    if (match >= 0)
        accumulators_->setCurrentIndex(match);

    // Reads as "accumulator operation", the way the element shows it.
    auto* row = new QHBoxLayout;
    row->addWidget(accumulators_, 1);
    row->addWidget(operation_);
    Form().addRow(row);
}

int AccBox::exec()
{
    if (accumulators_->count() == 0) {
        setResult(Rejected);
        return Rejected;
    }
    return PropertyDialog::exec();
}

AccBoxValues AccBox::Values() const
{
    return {ChosenData(*accumulators_, given_.accumulatorId),
            ChosenIndex(*operation_, given_.operation)};
}

} // namespace vantrel
