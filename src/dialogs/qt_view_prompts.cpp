#include "dialogs/qt_view_prompts.h"

#include "dialogs/cio_export_config.h"
#include "dialogs/file_name_dialog.h"
#include "dialogs/find_dialog.h"
#include "dialogs/io_names_file_dialog.h"
#include "qt_adapters/qt_text.h"

#include <QColorDialog>
#include <QFileInfo>

namespace vantrel {

namespace {

struct ExportFormat
{
    const char* suffix;
    const char* filter;
};

// The formats of the exports' default names, each offered first in its
// dialog so that a name typed without an extension gets the export's own.
constexpr ExportFormat kExportFormats[] = {
    {"lgf", "Controller files (*.lgf)"},
    {"lgj", "JSON files (*.lgj)"},
    {"csv", "Comma-separated lists (*.csv)"},
    {"txt", "Text lists (*.txt)"},
};

QStringList ExportFilters(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    for (const ExportFormat& format : kExportFormats)
        if (suffix == QLatin1String(format.suffix))
            return {QString::fromLatin1(format.filter), kAllFilesFilter};
    return {kAllFilesFilter};
}

std::optional<std::filesystem::path> ChosenPath(const QString& chosen)
{
    if (chosen.isEmpty())
        return std::nullopt;
    return FileSystemPath(chosen);
}

} // namespace

std::optional<std::filesystem::path> QtViewPrompts::SaveFileName(const std::u16string& fileName)
{
    // The dialog asks before it overwrites an existing file.
    const QString name = QString::fromStdU16String(fileName);
    return ChosenPath(AskFileName(parent_, QStringLiteral("Save As"), QFileDialog::AcceptSave, name,
                                  ExportFilters(name), folders_));
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
    return ChosenPath(AskFileName(parent_, QStringLiteral("Open"), QFileDialog::AcceptOpen, {},
                                  {kAllFilesFilter}, folders_));
}

std::optional<IoNamesChoice> QtViewPrompts::IoNamesFile()
{
    return AskIoNamesFile(parent_, folders_);
}

} // namespace vantrel
