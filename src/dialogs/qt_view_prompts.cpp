#include "dialogs/qt_view_prompts.h"

#include "dialogs/cio_export_config.h"

#include <QFileDialog>

namespace vantrel {

std::optional<std::filesystem::path> QtViewPrompts::SaveFileName(const std::u16string& fileName)
{
    // QFileDialog asks before it overwrites an existing file.
    const QString chosen =
        QFileDialog::getSaveFileName(parent_, QString(), QString::fromStdU16String(fileName));
    if (chosen.isEmpty())
        return std::nullopt;
    return std::filesystem::path(chosen.toStdString());
}

std::optional<IoListChoice> QtViewPrompts::IoListExport()
{
    CIOExportConfig dialog(parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Choice();
}

} // namespace vantrel
