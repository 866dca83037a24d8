#pragma once

#include "dialogs/module_list_dialog.h"
#include "hardware/remote_io.h"

namespace vantrel {

// The remote I/O modules of the controller's family: each takes its input
// and output bits from the board's counts, so a module is offered at most
// the bits the others leave free. A module with neither inputs nor outputs
// is not taken.
class RemoteIOConfig : public ModuleListDialog<RemoteIoModule>
{
public:
    // A new module is proposed this many bits, or what is free when less.
    static constexpr int kProposedBits = 32;

    RemoteIOConfig(std::vector<RemoteIoModule> modules, int numInputs, int numOutputs,
                   DialogRunner runner = {}, QWidget* parent = nullptr);

private:
    std::optional<RemoteIoModule> AskModule(const RemoteIoModule& preset, int row) override;
    QString LineOf(const RemoteIoModule& module) const override;
    RemoteIoModule NewModule() const override;
    // The bits no module takes, leaving out the module at `row`.
    int FreeBits(int row, bool inputs) const;

    int numInputs_;
    int numOutputs_;
};

} // namespace vantrel
