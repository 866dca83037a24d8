#include "dialogs/dialog_runner.h"

#include <utility>

namespace vantrel {

DialogRunner RunnerOrModal(DialogRunner runner)
{
    if (runner)
        return runner;
    return [](QDialog& dialog) { return dialog.exec(); };
}

} // namespace vantrel
