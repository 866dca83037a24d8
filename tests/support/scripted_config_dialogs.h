#pragma once

#include "editing/config_dialogs.h"

#include <functional>
#include <string>
#include <vector>

namespace vantrel::test {

// Configuration dialogs that answer at once: with the values below on OK,
// or with Cancel while `cancel` is set. The list dialogs without Cancel hand
// back their list after `editCommands` or `editSimElements` changed it (as
// given when those are empty). Each dialog shown is recorded as one line.
class ScriptedConfigDialogs final : public ConfigDialogs
{
public:
    std::optional<BoardCounts> BoardNumConfig(const BoardCountRequest& request) override;
    std::optional<std::int32_t> SpeedSelect(std::int32_t setting) override;
    std::optional<std::vector<RemoteIoModule>>
    RemoteIoConfig(const std::vector<RemoteIoModule>& modules, int numInputs,
                   int numOutputs) override;
    std::optional<std::vector<CustomRemoteModule>>
    CustomRemoteConfig(const std::vector<CustomRemoteModule>& modules) override;
    std::vector<ComplexCommand> ComplexCommands(const std::vector<ComplexCommand>& commands,
                                                const ElFinder& finder,
                                                Notifier& notifier) override;
    std::vector<SimElement> SimulatorElements(const std::vector<SimElement>& elements,
                                              const ElFinder& finder, Notifier& notifier) override;

    bool cancel = false;
    BoardCounts counts{48, 56, -1, true, 19200};
    std::int32_t speed = 100;
    std::vector<RemoteIoModule> remoteModules{{8, 16, 1, 57600, false}};
    std::vector<CustomRemoteModule> customModules{{5, 3, 3, 2, 100, 0, 19200, 1}};
    std::function<void(std::vector<ComplexCommand>&)> editCommands;
    std::function<void(std::vector<SimElement>&)> editSimElements;

    std::vector<std::string> calls;
};

} // namespace vantrel::test
