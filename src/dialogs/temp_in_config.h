#pragma once

#include "dialogs/property_dialog.h"
#include "editing/element_dialogs.h"

class QComboBox;
class QLineEdit;

namespace vantrel {

// "Temp In Config": which reading a temperature input takes, the silo it
// reads (asked only for the silo readings, kept for the others) and its
// default value.
class CTempInConfig : public PropertyDialog
{
    Q_OBJECT
public:
    explicit CTempInConfig(const TempInValues& values, QWidget* parent = nullptr);

    // Whether a reading type names a silo ("Aux Temp" .. "Alarm Count" do not).
    static bool ReadsSilo(int type);

    TempInValues Values() const;

private:
    void ShowSiloNameFor(int type);

    int givenType_;
    QComboBox* type_;
    QLineEdit* siloName_;
    IntegerEdit* defaultValue_;
};

} // namespace vantrel
