#include "dialogs/qt_view_prompts.h"

#include "dialogs/cio_export_config.h"
#include "dialogs/find_dialog.h"

#include <QColorDialog>
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

std::optional<std::int32_t> QtViewPrompts::FindElement(const std::vector<FoundEntry>& entries)
{
    CFindDialog dialog(entries, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Chosen();
}

std::optional<Colour> QtViewPrompts::ChooseColour(Colour initial)
{
    const QColor chosen =
        QColorDialog::getColor(QColor(RedOf(initial), GreenOf(initial), BlueOf(initial)), parent_);
    if (!chosen.isValid())
        return std::nullopt;
    return Rgb(std::uint8_t(chosen.red()), std::uint8_t(chosen.green()),
               std::uint8_t(chosen.blue()));
}

std::optional<std::filesystem::path> QtViewPrompts::OpenFileName()
{
    const QString chosen = QFileDialog::getOpenFileName(parent_);
    if (chosen.isEmpty())
        return std::nullopt;
    return std::filesystem::path(chosen.toStdU16String());
}

} // namespace vantrel
