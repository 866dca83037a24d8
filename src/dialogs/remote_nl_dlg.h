#pragma once

#include "dialogs/property_dialog.h"
#include "hardware/remote_io.h"

class QComboBox;

namespace vantrel {

class IntegerEdit;

// "Remote NL IO properies": one custom MODBUS module. The MODBUS command
// and the register type are kept consistent (bit functions read or write
// bits, register functions registers), and ports 1 and 2 run with one stop
// bit.
class CRemoteNLDlg : public PropertyDialog
{
    Q_OBJECT
public:
    explicit CRemoteNLDlg(const CustomRemoteModule& module, QWidget* parent = nullptr);

    // The module as set up; a list with no entry chosen keeps the given value.
    CustomRemoteModule Values() const;
    // Refuses a register address that is not an integer 0 .. 65535, then the
    // checks of every dialog.
    void accept() override;

    // The MODBUS function codes in the order of the command list.
    static constexpr std::uint8_t kCommandCodes[] = {4, 3, 16, 2, 15};
    static constexpr std::int32_t kBaudRates[] = {9600, 19200, 38400, 57600, 115200};

private:
    void OnCommandChanged(int index);
    void OnTypeChanged(int index);
    void OnPortChanged(int index);

    CustomRemoteModule module_;
    IntegerEdit* modbusAddress_;
    IntegerEdit* registerCount_;
    IntegerEdit* registerAddress_;
    QComboBox* registerType_;
    QComboBox* command_;
    QComboBox* port_;
    QComboBox* baud_;
    QComboBox* stopBits_;
};

} // namespace vantrel
