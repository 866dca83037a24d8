#include "support/scripted_dialogs.h"

#include "archive/text_codec.h"
#include "elements/io_elements.h"
#include "graphics/colour.h"

namespace vantrel::test {

namespace {

std::string Quoted(const std::u16string& text)
{
    return '"' + ToUtf8(text) + '"';
}

// The numbers in use, as {number:id ...}.
std::string UsedNumbers(const std::vector<std::int32_t>& usage)
{
    std::string used;
    for (std::size_t number = 0; number < usage.size(); ++number)
        if (usage[number] != -1)
            used += (used.empty() ? "" : " ") + std::to_string(number) + ':' +
                    std::to_string(usage[number]);
    return '{' + used + '}';
}

std::string Ids(const std::vector<std::int32_t>& ids)
{
    std::string text;
    for (std::int32_t id : ids)
        text += (text.empty() ? "" : " ") + std::to_string(id);
    return '[' + text + ']';
}

} // namespace

template <class Answer>
std::optional<Answer> ScriptedDialogs::Reply(std::string call, const Answer& answer)
{
    calls.push_back(std::move(call));
    if (cancel)
        return std::nullopt;
    return answer;
}

std::optional<TextBoxResult> ScriptedDialogs::TextBox(const std::u16string& shown,
                                                      const std::u16string& checkCaption,
                                                      bool checked)
{
    return Reply("TextBox(" + Quoted(shown) + ", " + Quoted(checkCaption) + ", " +
                     std::to_string(checked) + ")",
                 text);
}

std::optional<InOutResult> ScriptedDialogs::InOutConfig(const InOutRequest& request)
{
    return Reply("InOutConfig(" + Quoted(request.name) + ", " + std::to_string(request.number) +
                     ", count " + std::to_string(request.count) + ", used " +
                     UsedNumbers(request.usage) + ", labels " +
                     (request.labelSource ? "document" : "plain") + ", " +
                     (request.isInput ? "input" : "output") +
                     (request.showInUse ? ", in use shown" : "") + ")",
                 inOut);
}

std::optional<int> ScriptedDialogs::DelayConfig(int preset, int lowest)
{
    return Reply("DelayConfig(" + std::to_string(preset) + ", " + std::to_string(lowest) + ")",
                 seconds);
}

std::optional<TimerValues> ScriptedDialogs::TimerConfig(const TimerValues& values)
{
    return Reply("TimerConfig(" + Quoted(values.name) + ", " + std::to_string(values.countUp) + ")",
                 timer);
}

std::optional<int> ScriptedDialogs::FreqBox(int index)
{
    return Reply("FreqBox(" + std::to_string(index) + ")", frequency);
}

std::optional<std::int32_t> ScriptedDialogs::NumBox(std::int32_t value)
{
    return Reply("NumBox(" + std::to_string(value) + ")", number);
}

std::optional<NumOpValues> ScriptedDialogs::NumOpConfig(const NumOpValues& values)
{
    return Reply("NumOpConfig(" + std::to_string(values.operation) + ", " +
                     std::to_string(values.showInMonitor) + ", " + Quoted(values.name) + ")",
                 numOp);
}

std::optional<AccBoxValues>
ScriptedDialogs::AccBox(const std::vector<std::pair<std::int32_t, std::u16string>>& accumulators,
                        const AccBoxValues& values)
{
    std::string listed;
    for (const auto& [id, name] : accumulators)
        listed += (listed.empty() ? "" : " ") + std::to_string(id) + ' ' + Quoted(name);
    return Reply("AccBox([" + listed + "], " + std::to_string(values.accumulatorId) + ", " +
                     std::to_string(values.operation) + ")",
                 accBox);
}

std::optional<BigOpValues> ScriptedDialogs::BigOpConfig(const BigOpValues& values)
{
    return Reply("BigOpConfig(" + std::to_string(values.first) + ", " +
                     std::to_string(values.last) + ", " + std::to_string(values.side) + ", " +
                     std::to_string(values.invert) + ")",
                 bigOp);
}

std::optional<TempInValues> ScriptedDialogs::TempInConfig(const TempInValues& values)
{
    return Reply("TempInConfig(" + std::to_string(values.type) + ", " + Quoted(values.siloName) +
                     ", " + std::to_string(values.defaultValue) + ")",
                 tempIn);
}

std::optional<LoggedOutputs> ScriptedDialogs::LogDialog(const LoggedUserOut& copy, const ElFinder&)
{
    return Reply("LogDialog(id " + std::to_string(copy.id) + ", number " +
                     std::to_string(copy.number) + ", " + Quoted(copy.name) + ", " +
                     Ids(copy.loggedIds) + ")",
                 logged);
}

std::optional<std::int32_t> ScriptedDialogs::RepDialog(const ElFinder&)
{
    return Reply("RepDialog()", replicated);
}

std::optional<std::int32_t> ScriptedDialogs::OutMarkerDialog(const ElFinder&, bool numeric)
{
    return Reply(std::string("OutMarkerDialog(") + (numeric ? "numeric" : "bit") + ")",
                 startMarker);
}

std::unique_ptr<PaintStuff> ScriptedDialogs::ElColorConfig(std::unique_ptr<PaintStuff> copy,
                                                           const ElFinder&)
{
    calls.push_back(std::string("ElColorConfig(") + copy->ClassName() + ", " +
                    HexColour(copy->normalColor) + ")");
    if (cancel || cancelColors)
        return nullptr;
    colorEdit(*copy);
    return copy;
}

} // namespace vantrel::test
