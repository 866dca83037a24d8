#pragma once

#include "editor/element_dialogs.h"

namespace vantrel {

// Answers every property dialog with Cancel. The window uses it until the
// Qt property dialogs are built in; then QtElementDialogs takes its place in
// CMainFrame.
class NullElementDialogs final : public ElementDialogs
{
public:
    std::optional<TextBoxResult> TextBox(const std::u16string&, const std::u16string&,
                                         bool) override
    {
        return std::nullopt;
    }
    std::optional<InOutResult> InOutConfig(const InOutRequest&) override { return std::nullopt; }
    std::optional<int> DelayConfig(int, int) override { return std::nullopt; }
    std::optional<TimerValues> TimerConfig(const TimerValues&) override { return std::nullopt; }
    std::optional<int> FreqBox(int) override { return std::nullopt; }
    std::optional<std::int32_t> NumBox(std::int32_t) override { return std::nullopt; }
    std::optional<NumOpValues> NumOpConfig(const NumOpValues&) override { return std::nullopt; }
    std::optional<AccBoxValues> AccBox(const std::vector<std::pair<std::int32_t, std::u16string>>&,
                                       const AccBoxValues&) override
    {
        return std::nullopt;
    }
    std::optional<BigOpValues> BigOpConfig(const BigOpValues&) override { return std::nullopt; }
    std::optional<TempInValues> TempInConfig(const TempInValues&) override { return std::nullopt; }
    std::optional<LoggedOutputs> LogDialog(const LoggedUserOut&, ElFinder&) override
    {
        return std::nullopt;
    }
    std::optional<std::int32_t> RepDialog(ElFinder&) override { return std::nullopt; }
    std::optional<std::int32_t> OutMarkerDialog(ElFinder&, bool) override { return std::nullopt; }
};

} // namespace vantrel
