#pragma once

#include <QFileDialog>
#include <QString>
#include <QStringList>

#include <functional>

namespace vantrel {

// Where the file dialogs open: the design's folder; for a design never
// saved, the folder of the file last chosen in any of them (the working
// folder before the first choice).
class DialogFolders
{
public:
    // `designFile` tells the design's file, empty for a design never saved.
    explicit DialogFolders(std::function<QString()> designFile);

    QString StartFolder() const;
    // The file `path` was chosen in a dialog.
    void Chose(const QString& path);

private:
    std::function<QString()> designFile_;
    QString lastFolder_;
};

// The filter that lists every file ("*.*" would hide names without a dot).
inline const QString kAllFilesFilter = QStringLiteral("All Files (*)");

// The platform's file dialog over `filters` (the first one chosen at the
// start), opening on the file name `name` in the folders' start folder
// (`name` may be a whole path, which then says the folder). A name typed
// without an extension gets the one of the chosen filter (of the first
// filter under the filter of all files). The chosen file, which `folders`
// remembers; empty on Cancel.
QString AskFileName(QWidget* owner, const QString& title, QFileDialog::AcceptMode mode,
                    const QString& name, const QStringList& filters, DialogFolders* folders);

} // namespace vantrel
