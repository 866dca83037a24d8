#pragma once

class QWidget;

namespace vantrel {

// Puts the keyboard focus into the dialog's first input field (the first
// control in its tab order that takes the focus and is not a button) and
// selects the field's text, so that what the user types at once replaces it.
// Dialogs call it when they are shown.
void FocusFirstField(QWidget& dialog);

} // namespace vantrel
