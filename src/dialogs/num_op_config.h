#pragma once

#include "dialogs/property_dialog.h"
#include "editing/element_dialogs.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace vantrel {

// "Number Operation": a register's operation, and the name under which the
// monitor shows it. The name can be edited only while "Show in Monitor" is
// checked, but is kept either way.
class CNumOpConfig : public PropertyDialog
{
    Q_OBJECT
public:
    explicit CNumOpConfig(const NumOpValues& values, QWidget* parent = nullptr);

    NumOpValues Values() const;

private:
    int givenOperation_;
    QComboBox* operation_;
    QCheckBox* showInMonitor_;
    QLineEdit* name_;
};

} // namespace vantrel
