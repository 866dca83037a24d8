#include "dialogs/qt_element_dialogs.h"

#include "dialogs/acc_box.h"
#include "dialogs/big_op_config.h"
#include "dialogs/el_color_config.h"
#include "dialogs/freq_box.h"
#include "dialogs/in_out_config.h"
#include "dialogs/log_dialog.h"
#include "dialogs/num_op_config.h"
#include "dialogs/number_dialogs.h"
#include "dialogs/replicator_dialogs.h"
#include "dialogs/temp_in_config.h"
#include "dialogs/text_box.h"
#include "dialogs/timer_config.h"
#include "paint/paint_stuff.h"

#include <utility>

namespace vantrel {

QtElementDialogs::QtElementDialogs(QWidget* parent, DialogRunner runner)
    : parent_(parent), runner_(RunnerOrModal(std::move(runner)))
{}

std::optional<TextBoxResult> QtElementDialogs::TextBox(const std::u16string& text,
                                                       const std::u16string& checkCaption,
                                                       bool checked)
{
    CTextBox dialog(text, checkCaption, checked, parent_);
    return RunForValues(runner_, dialog, [&] { return dialog.Values(); });
}

std::optional<InOutResult> QtElementDialogs::InOutConfig(const InOutRequest& request)
{
    CInOutConfig dialog(request, parent_);
    return RunForValues(runner_, dialog, [&] { return dialog.Values(); });
}

std::optional<int> QtElementDialogs::DelayConfig(int seconds, int lowest)
{
    CDelayConfig dialog(seconds, lowest, parent_);
    return RunForValues(runner_, dialog, [&] { return int(dialog.Value()); });
}

std::optional<TimerValues> QtElementDialogs::TimerConfig(const TimerValues& values)
{
    CTimerConfig dialog(values, parent_);
    return RunForValues(runner_, dialog, [&] { return dialog.Values(); });
}

std::optional<int> QtElementDialogs::FreqBox(int index)
{
    CFreqBox dialog(index, parent_);
    return RunForValues(runner_, dialog, [&] { return dialog.Index(); });
}

std::optional<std::int32_t> QtElementDialogs::NumBox(std::int32_t value)
{
    CNumBox dialog(value, parent_);
    return RunForValues(runner_, dialog, [&] { return dialog.Value(); });
}

std::optional<NumOpValues> QtElementDialogs::NumOpConfig(const NumOpValues& values)
{
    CNumOpConfig dialog(values, parent_);
    return RunForValues(runner_, dialog, [&] { return dialog.Values(); });
}

std::optional<AccBoxValues>
QtElementDialogs::AccBox(const std::vector<std::pair<std::int32_t, std::u16string>>& accumulators,
                         const AccBoxValues& values)
{
    vantrel::AccBox dialog(accumulators, values, parent_);
    return RunForValues(runner_, dialog, [&] { return dialog.Values(); });
}

std::optional<BigOpValues> QtElementDialogs::BigOpConfig(const BigOpValues& values)
{
    vantrel::BigOpConfig dialog(values, parent_);
    return RunForValues(runner_, dialog, [&] { return dialog.Values(); });
}

std::optional<TempInValues> QtElementDialogs::TempInConfig(const TempInValues& values)
{
    CTempInConfig dialog(values, parent_);
    return RunForValues(runner_, dialog, [&] { return dialog.Values(); });
}

std::optional<LoggedOutputs> QtElementDialogs::LogDialog(const LoggedUserOut& copy,
                                                         const ElFinder& finder)
{
    vantrel::LogDialog dialog(copy, finder, parent_);
    return RunForValues(runner_, dialog, [&] { return dialog.Values(); });
}

std::optional<std::int32_t> QtElementDialogs::RepDialog(const ElFinder& finder)
{
    CRepDialog dialog(finder, parent_);
    return RunForValues(runner_, dialog, [&] { return dialog.ChosenId(); });
}

std::optional<std::int32_t> QtElementDialogs::OutMarkerDialog(const ElFinder& finder, bool numeric)
{
    COutMarkerDialog dialog(finder, numeric, parent_);
    return RunForValues(runner_, dialog, [&] { return dialog.ChosenId(); });
}

std::unique_ptr<PaintStuff> QtElementDialogs::ElColorConfig(std::unique_ptr<PaintStuff> copy,
                                                            const ElFinder& finder)
{
    vantrel::ElColorConfig dialog(*copy, &finder, parent_);
    if (runner_(dialog) != QDialog::Accepted)
        return nullptr;
    return copy;
}

} // namespace vantrel
