#include "app/file_dialogs.h"

#include <QFileDialog>

namespace vantrel {

namespace {

const QStringList kDesignFilters = {QStringLiteral("Logical Design Files (*.lgc)"),
                                    QStringLiteral("All Files (*.*)")};

// The extension a name filter such as "PNG image (*.png)" stands for; none
// for "All Files (*.*)".
QString SuffixOf(const QString& filter)
{
    const qsizetype star = filter.indexOf(QStringLiteral("*."));
    const QString suffix = star < 0 ? QString() : filter.mid(star + 2).chopped(1);
    return suffix == QStringLiteral("*") ? QString() : suffix;
}

QString AskFileName(QWidget* owner, const QString& title, QFileDialog::AcceptMode mode,
                    const QString& proposed, const QStringList& filters = kDesignFilters)
{
    QFileDialog dialog(owner, title, proposed);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(SuffixOf(filters.constFirst()));
    // A name typed without an extension gets the one of the chosen format.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) {
                         if (const QString suffix = SuffixOf(filter); !suffix.isEmpty())
                             dialog.setDefaultSuffix(suffix);
                     });
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

QString QtFileDialogs::PictureFileName(QWidget* owner, const QString& proposed)
{
    return AskFileName(owner, QStringLiteral("Export Picture"), QFileDialog::AcceptSave, proposed,
                       {QStringLiteral("PNG image (*.png)"), QStringLiteral("SVG drawing (*.svg)"),
                        QStringLiteral("PDF document (*.pdf)")});
}

} // namespace vantrel
