#pragma once

#include "dialogs/property_dialog.h"
#include "document/complex_command.h"

class QComboBox;
class QLineEdit;
class QListWidget;

namespace vantrel {

class ElFinder;

// "Command Settings": the name of one complex command and what it does to
// each user input of the design (nothing, off or on), on the dialog's own
// copy of the command.
class CCommandSettingsDlg : public PropertyDialog
{
    Q_OBJECT
public:
    CCommandSettingsDlg(const ComplexCommand& command, const ElFinder& finder,
                        QWidget* parent = nullptr);

    // The copy with the name as typed.
    ComplexCommand Values() const;

private:
    // The user inputs sorted by their lines, with line `selected` selected
    // (-1: the line of the design's first user input).
    void ShowInputs(int selected);
    void ChangeSelected();

    ComplexCommand command_;
    const ElFinder& finder_;
    QLineEdit* name_;
    QListWidget* inputs_;
    QComboBox* changeTo_;
};

} // namespace vantrel
