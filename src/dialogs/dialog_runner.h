#pragma once

#include <QDialog>

#include <functional>
#include <optional>

namespace vantrel {

// Runs a dialog and hands back its result code (QDialog::Accepted or not).
// The desktop runs dialogs modally; tests put in a runner that answers them.
using DialogRunner = std::function<int(QDialog&)>;

// The runner given, or QDialog::exec when none is.
DialogRunner RunnerOrModal(DialogRunner runner);

// Runs the dialog and, when it closes with OK, yields what `values` reads
// from it; none on Cancel.
template <class Read>
auto RunForValues(const DialogRunner& runner, QDialog& dialog, Read values)
    -> std::optional<decltype(values())>
{
    if (runner(dialog) != QDialog::Accepted)
        return std::nullopt;
    return values();
}

} // namespace vantrel
