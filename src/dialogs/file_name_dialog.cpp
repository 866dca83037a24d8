#include "dialogs/file_name_dialog.h"

#include <QDir>
#include <QFileInfo>

namespace vantrel {

namespace {

// The extension a name filter such as "PNG image (*.png)" stands for; none
// for the filter of all files.
QString SuffixOf(const QString& filter)
{
    const qsizetype star = filter.indexOf(QStringLiteral("*."));
    const QString suffix = star < 0 ? QString() : filter.mid(star + 2).chopped(1);
    return suffix == QStringLiteral("*") ? QString() : suffix;
}

} // namespace

DialogFolders::DialogFolders(std::function<QString()> designFile)
    : designFile_(std::move(designFile))
{}

QString DialogFolders::StartFolder() const
{
    const QString design = designFile_();
    if (!design.isEmpty())
        return QFileInfo(design).absolutePath();
    return lastFolder_.isEmpty() ? QDir::currentPath() : lastFolder_;
}

void DialogFolders::Chose(const QString& path)
{
    lastFolder_ = QFileInfo(path).absolutePath();
}

QString AskFileName(QWidget* owner, const QString& title, QFileDialog::AcceptMode mode,
                    const QString& name, const QStringList& filters, DialogFolders* folders)
{
    const QString start = folders && QFileInfo(name).isRelative()
                              ? QDir(folders->StartFolder()).filePath(name)
                              : name;
    QFileDialog dialog(owner, title, start);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(SuffixOf(filters.constFirst()));
    // A name typed without an extension gets the one of the chosen format
    // (the first format's under the filter of all files).
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &filters](const QString& filter) {
            const QString suffix = SuffixOf(filter);
            dialog.setDefaultSuffix(suffix.isEmpty() ? SuffixOf(filters.constFirst()) : suffix);
        });
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    QString chosen = dialog.selectedFiles().constFirst();
    if (folders)
        folders->Chose(chosen);
    return chosen;
}

} // namespace vantrel
