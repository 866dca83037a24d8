#include "dialogs/number_dialogs.h"

#include "dialogs/integer_edit.h"

#include <QFormLayout>

#include <limits>

namespace vantrel {

SingleNumberDialog::SingleNumberDialog(const QString& title, int editId, std::int32_t value,
                                       std::int32_t lowest, std::int32_t highest, QWidget* parent)
    : PropertyDialog(title, parent), edit_(NewIntegerEdit(editId, value, lowest, highest))
{
    Form().addRow(edit_);
}

std::int32_t SingleNumberDialog::Value() const
{
    return edit_->Value();
}

CDelayConfig::CDelayConfig(int seconds, int lowest, QWidget* parent)
    : SingleNumberDialog(QStringLiteral("Select time in seconds"), 1003, seconds, lowest,
                         kMaxSeconds, parent)
{}

CNumBox::CNumBox(std::int32_t value, QWidget* parent)
    : SingleNumberDialog(QStringLiteral("Enter number"), 1029, value,
                         std::numeric_limits<std::int32_t>::min(),
                         std::numeric_limits<std::int32_t>::max(), parent)
{}

} // namespace vantrel
