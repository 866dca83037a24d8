#pragma once

#include <QString>

class QWidget;

namespace vantrel {

class DialogFolders;

// The file name questions of Open and Save As, behind one interface so that
// the commands can be driven without a modal loop (tests answer directly).
// An empty name means Cancel.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    virtual QString OpenFileName(QWidget* owner) = 0;
    virtual QString SaveFileName(QWidget* owner, const QString& proposed) = 0;
    // "Export Picture": a PNG, SVG or PDF file name. Unless a dialog offers
    // the three formats itself, the user types the extension.
    virtual QString PictureFileName(QWidget* owner, const QString& proposed)
    {
        return SaveFileName(owner, proposed);
    }
    // "Compare With": the design to compare the open one with, proposed as
    // the open design's own file (its saved version).
    virtual QString CompareFileName(QWidget* owner, const QString& /*proposed*/)
    {
        return OpenFileName(owner);
    }
    // "Export Documentation": a PDF or HTML file name.
    virtual QString DocumentationFileName(QWidget* owner, const QString& proposed)
    {
        return SaveFileName(owner, proposed);
    }
};

// The platform's file dialogs for design files (".lgc"), pictures and
// documentation. A proposed name without a folder starts in the folders'
// start folder.
class QtFileDialogs final : public FileDialogs
{
public:
    explicit QtFileDialogs(DialogFolders& folders) : folders_(folders) {}
    QString OpenFileName(QWidget* owner) override;
    QString SaveFileName(QWidget* owner, const QString& proposed) override;
    QString PictureFileName(QWidget* owner, const QString& proposed) override;
    QString CompareFileName(QWidget* owner, const QString& proposed) override;
    QString DocumentationFileName(QWidget* owner, const QString& proposed) override;

private:
    DialogFolders& folders_;
};

} // namespace vantrel
