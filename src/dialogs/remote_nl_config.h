#pragma once

#include "dialogs/module_list_dialog.h"
#include "hardware/remote_io.h"

namespace vantrel {

// The custom MODBUS modules, each set up in "Remote NL IO properies".
class CRemoteNLConfig : public ModuleListDialog<CustomRemoteModule>
{
public:
    explicit CRemoteNLConfig(std::vector<CustomRemoteModule> modules, DialogRunner runner = {},
                             QWidget* parent = nullptr);

private:
    std::optional<CustomRemoteModule> AskModule(const CustomRemoteModule& preset, int row) override;
    QString LineOf(const CustomRemoteModule& module) const override;
    CustomRemoteModule NewModule() const override { return {}; }
};

} // namespace vantrel
