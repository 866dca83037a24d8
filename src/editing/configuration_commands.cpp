#include "editing/configuration_commands.h"

#include "document/edit_transaction.h"
#include "document/vantrel_doc.h"
#include "editing/command_ids.h"
#include "editing/config_dialogs.h"
#include "editing/view_prompts.h"
#include "editing/view_state.h"
#include "elements/element_kinds.h"
#include "elements/io_elements.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace vantrel {

namespace {

using namespace command;

bool SameCommand(const ComplexCommand& a, const ComplexCommand& b)
{
    return a.name == b.name && a.settings == b.settings;
}

bool SameSimElement(const SimElement& a, const SimElement& b)
{
    return a.type == b.type && a.name == b.name && a.inputs == b.inputs && a.outputs == b.outputs;
}

template <class T> std::vector<T> ValuesOf(const std::vector<std::unique_ptr<T>>& list)
{
    std::vector<T> values;
    values.reserve(list.size());
    for (const auto& entry : list)
        values.push_back(*entry);
    return values;
}

template <class T> std::vector<std::unique_ptr<T>> Owned(const std::vector<T>& values)
{
    std::vector<std::unique_ptr<T>> list;
    list.reserve(values.size());
    for (const T& value : values)
        list.push_back(std::make_unique<T>(value));
    return list;
}

// Applies a configuration change as one undoable edit when it changes
// anything; `markUnchanged` marks the design modified even when it does not.
template <class Apply>
void ApplyChange(CVantrelDoc& document, unsigned aspect, bool changed, bool markUnchanged,
                 Apply apply)
{
    if (!changed) {
        if (markUnchanged)
            document.SetModified(true);
        return;
    }
    EditTransaction edit(document, UndoRecord::kState);
    edit.RememberState(aspect);
    apply();
    edit.Commit();
}

// The greatest number + 1 of the main list's elements of the number kind, 0
// if none; a number beyond the board (a damaged file) counts as one past it.
int HighestNumberInUse(const CVantrelDoc& document, NumberKind numbers)
{
    std::int64_t highest = 0;
    for (int i = 0; i < document.MainCount(); ++i)
        if (const LogElement* element = document.MainAt(i);
            element && NumbersOf(*element) == numbers)
            highest =
                std::max(highest, std::int64_t(static_cast<const LogIO*>(element)->number) + 1);
    return int(std::min<std::int64_t>(highest, kMaxBoardIo + 1));
}

// The count dialog's offer: no count below the highest input and output
// number in use.
BoardCountRequest IoCountRequest(const CVantrelDoc& document)
{
    BoardCountRequest request;
    request.title = u"Select IO Count";
    request.minInputs = HighestNumberInUse(document, NumberKind::Inputs);
    request.minOutputs = HighestNumberInUse(document, NumberKind::Outputs);
    request.inputs = document.numInputs;
    request.outputs = document.numOutputs;
    return request;
}

void RunIoCount(CVantrelDoc& document, ConfigDialogs& dialogs)
{
    const std::optional<BoardCounts> counts = dialogs.BoardNumConfig(IoCountRequest(document));
    if (!counts)
        return;
    const bool changed =
        counts->inputs != document.numInputs || counts->outputs != document.numOutputs;
    ApplyChange(document, DesignState::kHardware, changed, true, [&] {
        document.numInputs = counts->inputs;
        document.numOutputs = counts->outputs;
    });
}

void RunIoSpeed(CVantrelDoc& document, ConfigDialogs& dialogs)
{
    const std::optional<std::int32_t> speed = dialogs.SpeedSelect(document.speed);
    if (!speed)
        return;
    ApplyChange(document, DesignState::kHardware, *speed != document.speed, true,
                [&] { document.speed = *speed; });
}

void RunRemoteIo(CVantrelDoc& document, ConfigDialogs& dialogs)
{
    auto modules =
        dialogs.RemoteIoConfig(document.remoteIo.modules, document.numInputs, document.numOutputs);
    if (!modules)
        return;
    ApplyChange(document, DesignState::kHardware, *modules != document.remoteIo.modules, false,
                [&] { document.remoteIo.modules = std::move(*modules); });
}

void RunCustomRemoteIo(CVantrelDoc& document, ConfigDialogs& dialogs)
{
    auto modules = dialogs.CustomRemoteConfig(document.remoteIo.customModules);
    if (!modules)
        return;
    ApplyChange(document, DesignState::kHardware, *modules != document.remoteIo.customModules, true,
                [&] { document.remoteIo.customModules = std::move(*modules); });
}

// A list dialog without Cancel: its list is applied when it differs.
template <class Item, class Same, class Ask>
void RunListDialog(CVantrelDoc& document, std::vector<std::unique_ptr<Item>>& list, unsigned aspect,
                   Same same, Ask ask)
{
    const std::vector<Item> before = ValuesOf(list);
    const std::vector<Item> after = ask(before);
    const bool changed =
        !std::equal(before.begin(), before.end(), after.begin(), after.end(), same);
    ApplyChange(document, aspect, changed, true, [&] { list = Owned(after); });
}

void RunComplexCommands(CVantrelDoc& document, ConfigDialogs& dialogs)
{
    RunListDialog(document, document.complexCommands, DesignState::kComplexCommands, SameCommand,
                  [&](const std::vector<ComplexCommand>& commands) {
                      return dialogs.ComplexCommands(commands, document, document.GetNotifier());
                  });
}

void RunSimulationSetup(CVantrelDoc& document, ConfigDialogs& dialogs)
{
    RunListDialog(document, document.simulationElements, DesignState::kSimulation, SameSimElement,
                  [&](const std::vector<SimElement>& elements) {
                      return dialogs.SimulatorElements(elements, document, document.GetNotifier());
                  });
}

using DialogRun = void (*)(CVantrelDoc&, ConfigDialogs&);

DialogRun DialogCommand(int id)
{
    static constexpr std::pair<int, DialogRun> kCommands[] = {
        {kIoCount, RunIoCount},
        {kIoSpeed, RunIoSpeed},
        {kRemoteIo, RunRemoteIo},
        {kCustomRemoteIo, RunCustomRemoteIo},
        {kComplexCommands, RunComplexCommands},
        {kSimulationSetup, RunSimulationSetup},
    };
    for (const auto& [command, run] : kCommands)
        if (command == id)
            return run;
    return nullptr;
}

} // namespace

bool IsConfigurationCommand(int id)
{
    return id == kSimulationExport || DialogCommand(id) != nullptr;
}

bool IsConfigurationCommandEnabled(int id, const CVantrelDoc& document, const ViewState& state)
{
    switch (id) {
    case kComplexCommands:
        return state.InDesign();
    case kSimulationExport:
        return !document.simulationElements.empty();
    default:
        return IsConfigurationCommand(id);
    }
}

void RunConfigurationDialog(int id, CVantrelDoc& document, ConfigDialogs& dialogs)
{
    if (const DialogRun run = DialogCommand(id))
        run(document, dialogs);
}

std::optional<ExportOutcome> ExportSimulationCommand(const CVantrelDoc& document,
                                                     ViewPrompts& prompts)
{
    const std::optional<std::filesystem::path> path = prompts.SaveFileName(u"simulation.lgf");
    if (!path)
        return std::nullopt;
    return RunSimulationExport(document, *path);
}

} // namespace vantrel
