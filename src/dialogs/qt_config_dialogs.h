#pragma once

#include "dialogs/qt_element_dialogs.h"
#include "editing/config_dialogs.h"

namespace vantrel {

// The configuration dialogs as modal Qt dialogs over a parent window. The
// runner (QDialog::exec unless given) also runs the dialogs they open.
class QtConfigDialogs final : public ConfigDialogs
{
public:
    explicit QtConfigDialogs(QWidget* parent = nullptr, DialogRunner runner = {});

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

private:
    QWidget* parent_;
    DialogRunner runner_;
};

} // namespace vantrel
