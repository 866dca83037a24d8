#include "dialogs/board_num_config.h"

#include "qt_adapters/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>

namespace vantrel {

namespace {

constexpr int kStep = BoardCountRequest::kStep;
constexpr std::int32_t kBaudRates[] = {9600, 19200, 38400, 57600};

// The first step index at or above the lowest count (rounded up).
int FirstIndex(int lowest)
{
    return lowest <= 0 ? 0 : (lowest + kStep - 1) / kStep;
}

int BaudIndex(std::int32_t baud)
{
    for (int i = 0; i < int(std::size(kBaudRates)); ++i)
        if (kBaudRates[i] == baud)
            return i;
    return -1;
}

int CountOf(const QComboBox& list, int given)
{
    return list.currentIndex() >= 0 ? list.currentData().toInt() : given;
}

} // namespace

CBoardNumConfig::CBoardNumConfig(const BoardCountRequest& request, QWidget* parent)
    : PropertyDialog(ToQString(request.title), parent), request_(request),
      inputs_(NewCountList("inCount", request.minInputs, request.maxInputs, request.inputs)),
      outputs_(NewCountList("outCount", request.minOutputs, request.maxOutputs, request.outputs))
{
    Form().addRow(QStringLiteral("In Count"), inputs_);
    Form().addRow(QStringLiteral("Out Count"), outputs_);
    if (request.port >= 0)
        AddModuleControls(request);
}

QComboBox* CBoardNumConfig::NewCountList(const char* name, int lowest, int highest, int current)
{
    QComboBox* list = NewList(0);
    list->setObjectName(QString::fromLatin1(name));
    for (int i = FirstIndex(lowest); i <= highest / kStep; ++i)
        list->addItem(QString::number(i * kStep), i * kStep);
    list->setCurrentIndex(current >= 0 ? list->findData(current / kStep * kStep) : -1);
    return list;
}

void CBoardNumConfig::AddModuleControls(const BoardCountRequest& request)
{
    port_ =
        NewList(0, {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")}, request.port);
    port_->setObjectName(QStringLiteral("port"));
    legacy_ = NewCheckBox(0, QStringLiteral("Use legcay commands"), request.legacy);
    legacy_->setObjectName(QStringLiteral("legacy"));
    QStringList rates;
    for (std::int32_t rate : kBaudRates)
        rates.append(QString::number(rate));
    baud_ = NewList(0, rates, BaudIndex(request.baud));
    baud_->setObjectName(QStringLiteral("baud"));
    Form().addRow(QStringLiteral("Port:"), port_);
    Form().addRow(legacy_);
    Form().addRow(QStringLiteral("Speed:"), baud_);
    connect(legacy_, &QCheckBox::toggled, this, &CBoardNumConfig::UpdateBaudEnabled);
    UpdateBaudEnabled();
}

void CBoardNumConfig::UpdateBaudEnabled()
{
    baud_->setEnabled(!legacy_->isChecked());
}

BoardCounts CBoardNumConfig::Values() const
{
    BoardCounts counts{CountOf(*inputs_, request_.inputs), CountOf(*outputs_, request_.outputs),
                       request_.port, request_.legacy, request_.baud};
    if (port_) {
        counts.port = ChosenIndex(*port_, request_.port);
        counts.legacy = legacy_->isChecked();
        if (counts.legacy)
            counts.baud = kLegacyBaud;
        else if (baud_->currentIndex() >= 0)
            counts.baud = kBaudRates[baud_->currentIndex()];
    }
    return counts;
}

} // namespace vantrel
