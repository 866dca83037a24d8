#include "app/file_dialogs.h"

#include "dialogs/file_name_dialog.h"

namespace vantrel {

namespace {

QStringList DesignFilters()
{
    return {QStringLiteral("Logical Design Files (*.lgc)"), kAllFilesFilter};
}

} // namespace

QString QtFileDialogs::OpenFileName(QWidget* owner)
{
    return AskFileName(owner, QStringLiteral("Open"), QFileDialog::AcceptOpen, {}, DesignFilters(),
                       &folders_);
}

QString QtFileDialogs::CompareFileName(QWidget* owner, const QString& proposed)
{
    return AskFileName(owner, QStringLiteral("Compare With"), QFileDialog::AcceptOpen, proposed,
                       DesignFilters(), &folders_);
}

QString QtFileDialogs::SaveFileName(QWidget* owner, const QString& proposed)
{
    return AskFileName(owner, QStringLiteral("Save As"), QFileDialog::AcceptSave, proposed,
                       DesignFilters(), &folders_);
}

QString QtFileDialogs::PictureFileName(QWidget* owner, const QString& proposed)
{
    return AskFileName(owner, QStringLiteral("Export Picture"), QFileDialog::AcceptSave, proposed,
                       {QStringLiteral("PNG image (*.png)"), QStringLiteral("SVG drawing (*.svg)"),
                        QStringLiteral("PDF document (*.pdf)")},
                       &folders_);
}

QString QtFileDialogs::DocumentationFileName(QWidget* owner, const QString& proposed)
{
    return AskFileName(owner, QStringLiteral("Export Documentation"), QFileDialog::AcceptSave,
                       proposed,
                       {QStringLiteral("PDF document (*.pdf)"),
                        QStringLiteral("HTML page (*.html)"), kAllFilesFilter},
                       &folders_);
}

} // namespace vantrel
