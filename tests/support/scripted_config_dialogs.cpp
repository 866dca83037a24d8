#include "support/scripted_config_dialogs.h"

#include "archive/text_codec.h"

namespace vantrel::test {

namespace {

std::string Range(int lowest, int highest, int current)
{
    return std::to_string(lowest) + ".." + std::to_string(highest) + " at " +
           std::to_string(current);
}

template <class Answer>
std::optional<Answer> Reply(std::vector<std::string>& calls, std::string call, bool cancel,
                            const Answer& answer)
{
    calls.push_back(std::move(call));
    if (cancel)
        return std::nullopt;
    return answer;
}

// The list after the edit, when there is one.
template <class Item>
std::vector<Item> Edited(std::vector<std::string>& calls, std::string call,
                         const std::vector<Item>& list,
                         const std::function<void(std::vector<Item>&)>& edit)
{
    calls.push_back(std::move(call));
    std::vector<Item> edited = list;
    if (edit)
        edit(edited);
    return edited;
}

} // namespace

std::optional<BoardCounts> ScriptedConfigDialogs::BoardNumConfig(const BoardCountRequest& request)
{
    return Reply(calls,
                 "BoardNumConfig(\"" + ToUtf8(request.title) + "\", in " +
                     Range(request.minInputs, request.maxInputs, request.inputs) + ", out " +
                     Range(request.minOutputs, request.maxOutputs, request.outputs) + ", port " +
                     std::to_string(request.port) + ")",
                 cancel, counts);
}

std::optional<std::int32_t> ScriptedConfigDialogs::SpeedSelect(std::int32_t setting)
{
    return Reply(calls, "SpeedSelect(" + std::to_string(setting) + ")", cancel, speed);
}

std::optional<std::vector<RemoteIoModule>>
ScriptedConfigDialogs::RemoteIoConfig(const std::vector<RemoteIoModule>& modules, int numInputs,
                                      int numOutputs)
{
    return Reply(calls,
                 "RemoteIoConfig(" + std::to_string(modules.size()) + " modules, " +
                     std::to_string(numInputs) + ", " + std::to_string(numOutputs) + ")",
                 cancel, remoteModules);
}

std::optional<std::vector<CustomRemoteModule>>
ScriptedConfigDialogs::CustomRemoteConfig(const std::vector<CustomRemoteModule>& modules)
{
    return Reply(calls, "CustomRemoteConfig(" + std::to_string(modules.size()) + " modules)",
                 cancel, customModules);
}

std::vector<ComplexCommand>
ScriptedConfigDialogs::ComplexCommands(const std::vector<ComplexCommand>& commands, const ElFinder&,
                                       Notifier&)
{
    return Edited(calls, "ComplexCommands(" + std::to_string(commands.size()) + " commands)",
                  commands, editCommands);
}

std::vector<SimElement>
ScriptedConfigDialogs::SimulatorElements(const std::vector<SimElement>& elements, const ElFinder&,
                                         Notifier&)
{
    return Edited(calls, "SimulatorElements(" + std::to_string(elements.size()) + " elements)",
                  elements, editSimElements);
}

} // namespace vantrel::test
