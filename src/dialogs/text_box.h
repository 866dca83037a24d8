#pragma once

#include "dialogs/property_dialog.h"
#include "editing/element_dialogs.h"

class QCheckBox;
class QLineEdit;

namespace vantrel {

// "Add Text": one text, with a check box below it only when the caller
// names one (an empty caption hides it and its state passes through).
class CTextBox : public PropertyDialog
{
    Q_OBJECT
public:
    CTextBox(const std::u16string& text, const std::u16string& checkCaption, bool checked,
             QWidget* parent = nullptr);

    TextBoxResult Values() const;

private:
    QLineEdit* text_;
    QCheckBox* check_;
};

} // namespace vantrel
