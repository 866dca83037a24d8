#include "dialogs/first_field_focus.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace vantrel {

namespace {

bool IsInputField(const QWidget& control, const QWidget& dialog)
{
    return control.window() == &dialog && (control.focusPolicy() & Qt::TabFocus) &&
           control.isEnabled() && control.isVisibleTo(&dialog) &&
           !qobject_cast<const QAbstractButton*>(&control);
}

} // namespace

void FocusFirstField(QWidget& dialog)
{
    // The buttons may lead the tab order; the first field after them is meant.
    for (QWidget* control = dialog.nextInFocusChain(); control != &dialog;
         control = control->nextInFocusChain()) {
        if (!IsInputField(*control, dialog))
            continue;
        control->setFocus(Qt::TabFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->selectAll();
        return;
    }
}

} // namespace vantrel
