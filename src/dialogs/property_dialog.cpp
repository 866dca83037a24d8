#include "dialogs/property_dialog.h"

#include "dialogs/first_field_focus.h"
#include "dialogs/integer_edit.h"
#include "qt_adapters/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantrel {

namespace {

// Wide enough for the titles to show in full.
constexpr int kMinimumWidth = 300;

} // namespace

PropertyDialog::PropertyDialog(const QString& title, QWidget* parent)
    : QDialog(parent), form_(new QFormLayout)
{
    setWindowTitle(title);
    form_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setMinimumWidth(kMinimumWidth);
    SetControlId(*buttons->button(QDialogButtonBox::Ok), 1);
    SetControlId(*buttons->button(QDialogButtonBox::Cancel), 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &PropertyDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PropertyDialog::reject);

    // Sized to the controls, like any small property dialog.
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(form_);
    layout->addWidget(buttons);
}

void PropertyDialog::SetControlId(QWidget& control, int id)
{
    control.setObjectName(QString::number(id));
}

void PropertyDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FocusFirstField(*this);
}

void PropertyDialog::accept()
{
    for (IntegerEdit* edit : findChildren<IntegerEdit*>()) {
        if (!edit->Entered()) {
            ShowRefusal(this, edit->RangePrompt());
            edit->setFocus();
            edit->selectAll();
            return;
        }
    }
    QDialog::accept();
}

QLineEdit* PropertyDialog::NewEdit(int id, const std::u16string& text)
{
    auto* edit = new QLineEdit(ToQString(text), this);
    SetControlId(*edit, id);
    return edit;
}

IntegerEdit* PropertyDialog::NewIntegerEdit(int id, std::int32_t value, std::int32_t lowest,
                                            std::int32_t highest)
{
    auto* edit = new IntegerEdit(value, lowest, highest, this);
    SetControlId(*edit, id);
    return edit;
}

QCheckBox* PropertyDialog::NewCheckBox(int id, const QString& caption, bool checked)
{
    auto* box = new QCheckBox(caption, this);
    SetControlId(*box, id);
    box->setChecked(checked);
    return box;
}

QComboBox* PropertyDialog::NewList(int id, const QStringList& entries, int selected)
{
    auto* list = new QComboBox(this);
    SetControlId(*list, id);
    list->addItems(entries);
    list->setCurrentIndex(selected >= 0 && selected < entries.size() ? selected : -1);
    return list;
}

int PropertyDialog::ChosenIndex(const QComboBox& list, int fallback)
{
    const int index = list.currentIndex();
    return index >= 0 ? index : fallback;
}

std::int32_t PropertyDialog::ChosenData(const QComboBox& list, std::int32_t fallback)
{
    return list.currentIndex() >= 0 ? list.currentData().toInt() : fallback;
}

} // namespace vantrel
