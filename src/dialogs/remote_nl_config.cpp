#include "dialogs/remote_nl_config.h"

#include "dialogs/remote_nl_dlg.h"

namespace vantrel {

CRemoteNLConfig::CRemoteNLConfig(std::vector<CustomRemoteModule> modules, DialogRunner runner,
                                 QWidget* parent)
    : ModuleListDialog(std::move(modules), std::move(runner), parent)
{
    Refresh();
}

QString CRemoteNLConfig::LineOf(const CustomRemoteModule& module) const
{
    return QString::asprintf("%d %s %s at address %d, register address: %d, port %d",
                             module.registerCount, module.IsLogicModule() ? "logic" : "register",
                             module.Reads() ? "inputs" : "outputs", module.modbusAddress,
                             module.registerAddress, module.port);
}

std::optional<CustomRemoteModule> CRemoteNLConfig::AskModule(const CustomRemoteModule& preset, int)
{
    CRemoteNLDlg dialog(preset, this);
    if (!RunNested(dialog))
        return std::nullopt;
    return dialog.Values();
}

} // namespace vantrel
