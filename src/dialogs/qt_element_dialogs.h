#pragma once

#include "dialogs/dialog_runner.h"
#include "editing/element_dialogs.h"

class QWidget;

namespace vantrel {

// The element property dialogs as modal Qt dialogs over a parent window.
class QtElementDialogs final : public ElementDialogs
{
public:
    // The runner defaults to QDialog::exec.
    explicit QtElementDialogs(QWidget* parent = nullptr, DialogRunner runner = {});

    std::optional<TextBoxResult> TextBox(const std::u16string& text,
                                         const std::u16string& checkCaption, bool checked) override;
    std::optional<InOutResult> InOutConfig(const InOutRequest& request) override;
    std::optional<int> DelayConfig(int seconds, int lowest) override;
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
    std::unique_ptr<PaintStuff> ElColorConfig(std::unique_ptr<PaintStuff> copy,
                                              const ElFinder& finder) override;

private:
    QWidget* parent_;
    DialogRunner runner_;
};

} // namespace vantrel
