#include "dialogs/qt_config_dialogs.h"

#include "dialogs/board_num_config.h"
#include "dialogs/complex_commands_dlg.h"
#include "dialogs/list_editor_dialog.h"
#include "dialogs/remote_io_config.h"
#include "dialogs/remote_nl_config.h"
#include "dialogs/sim_elements_dlg.h"
#include "dialogs/speed_select_dlg.h"

#include <utility>

namespace vantrel {

QtConfigDialogs::QtConfigDialogs(QWidget* parent, DialogRunner runner)
    : parent_(parent), runner_(RunnerOrModal(std::move(runner)))
{}

std::optional<BoardCounts> QtConfigDialogs::BoardNumConfig(const BoardCountRequest& request)
{
    CBoardNumConfig dialog(request, parent_);
    return RunForValues(runner_, dialog, [&] { return dialog.Values(); });
}

std::optional<std::int32_t> QtConfigDialogs::SpeedSelect(std::int32_t setting)
{
    SpeedSelectDlg dialog(setting, parent_);
    return RunForValues(runner_, dialog, [&] { return dialog.Setting(); });
}

std::optional<std::vector<RemoteIoModule>>
QtConfigDialogs::RemoteIoConfig(const std::vector<RemoteIoModule>& modules, int numInputs,
                                int numOutputs)
{
    RemoteIOConfig dialog(modules, numInputs, numOutputs, runner_, parent_);
    return RunForValues(runner_, dialog, [&] { return dialog.Modules(); });
}

std::optional<std::vector<CustomRemoteModule>>
QtConfigDialogs::CustomRemoteConfig(const std::vector<CustomRemoteModule>& modules)
{
    CRemoteNLConfig dialog(modules, runner_, parent_);
    return RunForValues(runner_, dialog, [&] { return dialog.Modules(); });
}

std::vector<ComplexCommand>
QtConfigDialogs::ComplexCommands(const std::vector<ComplexCommand>& commands,
                                 const ElFinder& finder, Notifier& notifier)
{
    CComplexCommandsDlg dialog(commands, finder, notifier, runner_, parent_);
    runner_(dialog);
    return dialog.Commands();
}

std::vector<SimElement> QtConfigDialogs::SimulatorElements(const std::vector<SimElement>& elements,
                                                           const ElFinder& finder,
                                                           Notifier& notifier)
{
    CSimElementsDlg dialog(elements, finder, notifier, runner_, parent_);
    runner_(dialog);
    return dialog.Elements();
}

} // namespace vantrel
