#include "dialogs/remote_nl_dlg.h"

#include "dialogs/integer_edit.h"

#include <QComboBox>
#include <QFormLayout>

#include <algorithm>
#include <iterator>

namespace vantrel {

namespace {

constexpr int kBitType = CustomRemoteModule::kBitRegisters;
constexpr int kTwoBytesType = 1;
constexpr int kFirstBitCommand = 3; // "Read Discrete Inputs", then "Write Multiple Coils"
constexpr int kReadInputRegisters = 0;
constexpr int kReadDiscreteInputs = 3;
constexpr int kMaxRegisterAddress = 65535;

// The place of `value` in the table; `missing` when it is not there.
template <class Table, class Value> int IndexIn(const Table& table, Value value, int missing)
{
    const auto found = std::find(std::begin(table), std::end(table), value);
    return found == std::end(table) ? missing : int(found - std::begin(table));
}

template <class Table> QStringList Texts(const Table& table)
{
    QStringList texts;
    for (auto value : table)
        texts.append(QString::number(value));
    return texts;
}

bool IsBitCommand(int index)
{
    return index >= kFirstBitCommand;
}

} // namespace

CRemoteNLDlg::CRemoteNLDlg(const CustomRemoteModule& module, QWidget* parent)
    : PropertyDialog(QStringLiteral("Remote NL IO properies"), parent), module_(module),
      modbusAddress_(NewIntegerEdit(0, module.modbusAddress, 0, 255)),
      registerCount_(NewIntegerEdit(0, module.registerCount, 0, 255)),
      registerAddress_(NewIntegerEdit(0, module.registerAddress, 0, kMaxRegisterAddress)),
      registerType_(NewList(0,
                            {QStringLiteral("byte"), QStringLiteral("2 bytes"),
                             QStringLiteral("4 bytes"), QStringLiteral("bit")},
                            module.registerType)),
      command_(
          NewList(0,
                  {QStringLiteral("Read Input Registers"), QStringLiteral("Read Holding Registers"),
                   QStringLiteral("Write Multiple Registers"),
                   QStringLiteral("Read Discrete Inputs"), QStringLiteral("Write Multiple Coils")},
                  IndexIn(kCommandCodes, module.modbusCommand, 0))),
      port_(
          NewList(0, {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")}, module.port)),
      baud_(NewList(0, Texts(kBaudRates), IndexIn(kBaudRates, module.baud, 0))),
      stopBits_(NewList(0, {QStringLiteral("1"), QStringLiteral("2")}, module.stopBits - 1))
{
    const std::pair<QWidget*, const char*> names[] = {{modbusAddress_, "modbusAddress"},
                                                      {registerCount_, "registerCount"},
                                                      {registerAddress_, "registerAddress"},
                                                      {registerType_, "registerType"},
                                                      {command_, "modbusCommand"},
                                                      {port_, "port"},
                                                      {baud_, "baud"},
                                                      {stopBits_, "stopBits"}};
    for (const auto& [control, name] : names)
        control->setObjectName(QString::fromLatin1(name));

    Form().addRow(QStringLiteral("MODBUS address:"), modbusAddress_);
    Form().addRow(QStringLiteral("Register count:"), registerCount_);
    Form().addRow(QStringLiteral("Register address:"), registerAddress_);
    Form().addRow(QStringLiteral("Register type:"), registerType_);
    Form().addRow(QStringLiteral("MODBUS command:"), command_);
    Form().addRow(QStringLiteral("Port index:"), port_);
    Form().addRow(QStringLiteral("Baud:"), baud_);
    Form().addRow(QStringLiteral("Stop bits:"), stopBits_);
    stopBits_->setEnabled(module.port == 0);

    connect(command_, &QComboBox::currentIndexChanged, this, &CRemoteNLDlg::OnCommandChanged);
    connect(registerType_, &QComboBox::currentIndexChanged, this, &CRemoteNLDlg::OnTypeChanged);
    connect(port_, &QComboBox::currentIndexChanged, this, &CRemoteNLDlg::OnPortChanged);
    modbusAddress_->selectAll();
}

void CRemoteNLDlg::OnCommandChanged(int index)
{
    if (IsBitCommand(index))
        registerType_->setCurrentIndex(kBitType);
    else if (index >= 0 && registerType_->currentIndex() == kBitType)
        registerType_->setCurrentIndex(kTwoBytesType);
}

void CRemoteNLDlg::OnTypeChanged(int index)
{
    const int command = command_->currentIndex();
    if (index == kBitType && command >= 0 && !IsBitCommand(command))
        command_->setCurrentIndex(kReadDiscreteInputs);
    else if (index >= 0 && index != kBitType && IsBitCommand(command))
        command_->setCurrentIndex(kReadInputRegisters);
}

void CRemoteNLDlg::OnPortChanged(int index)
{
    const bool firstPort = index == 0;
    if (!firstPort)
        stopBits_->setCurrentIndex(0);
    stopBits_->setEnabled(firstPort);
}

void CRemoteNLDlg::accept()
{
    const std::optional<std::int64_t> address = ParseDecimal(registerAddress_->text());
    if (modbusAddress_->Entered() && registerCount_->Entered() && !(address && *address >= 0)) {
        ShowRefusal(this, QStringLiteral("Enter a positive integer."));
        registerAddress_->setFocus();
        registerAddress_->selectAll();
        return;
    }
    PropertyDialog::accept();
}

CustomRemoteModule CRemoteNLDlg::Values() const
{
    CustomRemoteModule module = module_;
    module.modbusAddress = std::uint8_t(modbusAddress_->Value());
    module.registerCount = std::uint8_t(registerCount_->Value());
    module.registerAddress = std::uint16_t(registerAddress_->Value());
    module.registerType = std::uint8_t(ChosenIndex(*registerType_, module_.registerType));
    if (command_->currentIndex() >= 0)
        module.modbusCommand = kCommandCodes[command_->currentIndex()];
    module.port = ChosenIndex(*port_, module_.port);
    if (baud_->currentIndex() >= 0)
        module.baud = kBaudRates[baud_->currentIndex()];
    module.stopBits = std::uint8_t(ChosenIndex(*stopBits_, module_.stopBits - 1) + 1);
    return module;
}

} // namespace vantrel
