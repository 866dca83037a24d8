#include "dialogs/text_box.h"

#include "qt_adapters/qt_text.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>

namespace vantrel {

CTextBox::CTextBox(const std::u16string& text, const std::u16string& checkCaption, bool checked,
                   QWidget* parent)
    : PropertyDialog(QStringLiteral("Add Text"), parent), text_(NewEdit(1003, text)),
      check_(NewCheckBox(1085, ToQString(checkCaption), checked))
{
    Form().addRow(QStringLiteral("Text:"), text_);
    Form().addRow(check_);
    Form().setRowVisible(check_, !checkCaption.empty());
}

TextBoxResult CTextBox::Values() const
{
    return {FromQString(text_->text()), check_->isChecked()};
}

} // namespace vantrel
