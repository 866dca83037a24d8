#include "dialogs/remote_io_config.h"

#include "dialogs/board_num_config.h"

#include <algorithm>

namespace vantrel {

RemoteIOConfig::RemoteIOConfig(std::vector<RemoteIoModule> modules, int numInputs, int numOutputs,
                               DialogRunner runner, QWidget* parent)
    : ModuleListDialog(std::move(modules), std::move(runner), parent), numInputs_(numInputs),
      numOutputs_(numOutputs)
{
    Refresh();
}

QString RemoteIOConfig::LineOf(const RemoteIoModule& module) const
{
    return QString::asprintf("inputs: %d\t outputs: %d, port %d", module.inputBits,
                             module.outputBits, module.port);
}

RemoteIoModule RemoteIOConfig::NewModule() const
{
    RemoteIoModule module;
    module.inputBits = std::min(FreeBits(-1, true), kProposedBits);
    module.outputBits = std::min(FreeBits(-1, false), kProposedBits);
    module.port = 0;
    module.legacyCommands = false;
    module.baud = 57600;
    return module;
}

int RemoteIOConfig::FreeBits(int row, bool inputs) const
{
    int used = 0;
    for (int i = 0; i < int(Modules().size()); ++i) {
        const RemoteIoModule& module = Modules()[std::size_t(i)];
        if (i != row)
            used += inputs ? module.inputBits : module.outputBits;
    }
    return std::max(0, (inputs ? numInputs_ : numOutputs_) - used);
}

std::optional<RemoteIoModule> RemoteIOConfig::AskModule(const RemoteIoModule& preset, int row)
{
    BoardCountRequest request;
    request.title = u"Remote IO Count";
    request.maxInputs = FreeBits(row, true);
    request.maxOutputs = FreeBits(row, false);
    request.inputs = preset.inputBits;
    request.outputs = preset.outputBits;
    request.port = preset.port;
    request.legacy = preset.legacyCommands;
    request.baud = preset.baud;
    CBoardNumConfig dialog(request, this);
    if (!RunNested(dialog))
        return std::nullopt;
    const BoardCounts counts = dialog.Values();
    if (counts.inputs == 0 && counts.outputs == 0)
        return std::nullopt;
    return RemoteIoModule{counts.inputs, counts.outputs, counts.port, counts.baud, counts.legacy};
}

} // namespace vantrel
