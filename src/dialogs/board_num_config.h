#pragma once

#include "dialogs/property_dialog.h"
#include "editing/config_dialogs.h"

class QCheckBox;
class QComboBox;

namespace vantrel {

// "Select expansion board count" under the caller's title: input and output
// counts in steps of eight; for a remote module also its serial port, the
// legacy command flag and the baud rate (fixed at 19200 while the legacy
// flag is set).
class CBoardNumConfig : public PropertyDialog
{
    Q_OBJECT
public:
    static constexpr std::int32_t kLegacyBaud = 19200;

    explicit CBoardNumConfig(const BoardCountRequest& request, QWidget* parent = nullptr);

    // A count list with no entry chosen keeps the given count.
    BoardCounts Values() const;

private:
    QComboBox* NewCountList(const char* name, int lowest, int highest, int current);
    void AddModuleControls(const BoardCountRequest& request);
    void UpdateBaudEnabled();

    BoardCountRequest request_;
    QComboBox* inputs_;
    QComboBox* outputs_;
    QComboBox* port_ = nullptr;
    QCheckBox* legacy_ = nullptr;
    QComboBox* baud_ = nullptr;
};

} // namespace vantrel
