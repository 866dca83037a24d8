#pragma once

#include "editing/element_dialogs.h"
#include "paint/paint_stuff.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vantrel::test {

// Element dialogs that answer at once: with the values below on OK, or with
// Cancel while `cancel` is set. Each dialog shown is recorded as one line
// with the values it was given, e.g. `DelayConfig(10, 1)`.
class ScriptedDialogs final : public ElementDialogs
{
public:
    std::optional<TextBoxResult> TextBox(const std::u16string& shown,
                                         const std::u16string& checkCaption, bool checked) override;
    std::optional<InOutResult> InOutConfig(const InOutRequest& request) override;
    std::optional<int> DelayConfig(int preset, int lowest) override;
    std::optional<TimerValues> TimerConfig(const TimerValues& values) override;
    std::optional<int> FreqBox(int index) override;
    std::optional<std::int32_t> NumBox(std::int32_t value) override;
    std::optional<NumOpValues> NumOpConfig(const NumOpValues& values) override;
    std::optional<AccBoxValues>
    AccBox(const std::vector<std::pair<std::int32_t, std::u16string>>& accumulators,
           const AccBoxValues& values) override;
    std::optional<BigOpValues> BigOpConfig(const BigOpValues& values) override;
    std::optional<TempInValues> TempInConfig(const TempInValues& values) override;
    std::optional<LoggedOutputs> LogDialog(const LoggedUserOut& copy,
                                           const ElFinder& finder) override;
    std::optional<std::int32_t> RepDialog(const ElFinder& finder) override;
    std::optional<std::int32_t> OutMarkerDialog(const ElFinder& finder, bool numeric) override;
    // Applies `colorEdit` to the copy on OK; recorded with the copy's class
    // and primary colour.
    std::unique_ptr<PaintStuff> ElColorConfig(std::unique_ptr<PaintStuff> copy,
                                              const ElFinder& finder) override;

    bool cancel = false;
    // The answers on OK: none of them is a dialog's preset.
    TextBoxResult text{u"Pump", true};
    InOutResult inOut{u"Valve", 5};
    int seconds = 25;
    TimerValues timer{u"Run time", true};
    int frequency = 3;
    std::int32_t number = -7;
    NumOpValues numOp{4, true, u"Sum"};
    AccBoxValues accBox{77, 2};
    BigOpValues bigOp{3, 9, 1, true};
    TempInValues tempIn{9, u"Silo A", 42};
    LoggedOutputs logged{u"Logged", {5, 6}};
    std::int32_t replicated = 12;
    std::int32_t startMarker = 13;
    // The colour configuration's answer on OK, and its own Cancel (the text
    // before it may still be accepted).
    std::function<void(PaintStuff&)> colorEdit = [](PaintStuff& object) {
        object.normalColor = Rgb(1, 2, 3);
        object.width = 4;
    };
    bool cancelColors = false;

    std::vector<std::string> calls;

private:
    // Records the call and gives the answer, or Cancel.
    template <class Answer> std::optional<Answer> Reply(std::string call, const Answer& answer);
};

} // namespace vantrel::test
