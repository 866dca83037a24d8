#include "app/file_dialogs.h"

#include <QFileDialog>

namespace vantrel {

namespace {

QString AskFileName(QWidget* owner, const QString& title, QFileDialog::AcceptMode mode,
                    const QString& proposed)
{
    QFileDialog dialog(owner, title, proposed);
    dialog.setNameFilters(
        {QStringLiteral("Logical Design Files (*.lgc)"), QStringLiteral("All Files (*.*)")});
    dialog.setDefaultSuffix(QStringLiteral("lgc"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString QtFileDialogs::OpenFileName(QWidget* owner)
{
    return AskFileName(owner, QStringLiteral("Open"), QFileDialog::AcceptOpen, {});
}

QString QtFileDialogs::SaveFileName(QWidget* owner, const QString& proposed)
{
    return AskFileName(owner, QStringLiteral("Save As"), QFileDialog::AcceptSave, proposed);
}

} // namespace vantrel
