#pragma once

#include "document/vantrel_doc.h"
#include "qt_adapters/qt_image_codec.h"

#include "app/autosaver.h"
#include "app/recent_file_list.h"
#include "dialogs/file_name_dialog.h"

#include <QString>
#include <QStringList>

#include <memory>

class QPrinter;

namespace vantrel {

class CMainFrame;
class ConfigDialogs;
class ElementDialogs;
class FileDialogs;
class ViewPrompts;

// Who answers the program's questions. Left empty, the program shows its own
// message boxes and file dialogs; tests put theirs in.
struct AppServices
{
    Notifier* notifier = nullptr;
    FileDialogs* fileDialogs = nullptr;
    // The view's property dialogs and export questions.
    ElementDialogs* elementDialogs = nullptr;
    ViewPrompts* viewPrompts = nullptr;
    // The hardware, complex-command and simulation dialogs.
    ConfigDialogs* configDialogs = nullptr;
    // Where the recovery copies live; empty for the user's own folder.
    QString recoveryFolder = {};
    std::chrono::milliseconds autosaveInterval = AutoSaver::kDefaultInterval;
};

// The application: one document with its file name, the main window around
// the view, the recent-file list, and what the file commands of the window
// do (New, Open, Save, Save As, the recent files, Export Picture and
// Documentation).
class CVantrelApp
{
public:
    explicit CVantrelApp(const AppServices& services = {});
    ~CVantrelApp();
    CVantrelApp(const CVantrelApp&) = delete;
    CVantrelApp& operator=(const CVantrelApp&) = delete;

    // Carries out the command line (the program's arguments without its own
    // name): a new document, or the design named by the first argument; then
    // shows the window, offers the designs that sessions ended by a crash
    // left behind and starts keeping recovery copies. False when the named
    // design could not be opened.
    bool InitInstance(const QStringList& arguments);

    CMainFrame& MainFrame() { return *frame_; }
    CVantrelDoc& Document() { return document_; }
    // The design's file; empty for a design never saved.
    const QString& PathName() const { return pathName_; }
    // The file's name, or "Untitled".
    QString Title() const;
    RecentFileList& RecentFiles() { return recentFiles_; }
    // Where the file dialogs open.
    DialogFolders& Folders() { return dialogFolders_; }
    QPrinter& Printer();
    AutoSaver& Autosave() { return *autosaver_; }

    // A new, empty design after asking to save the modified one.
    bool OnFileNew();
    // Asks for a file, then opens it.
    bool OnFileOpen();
    // Opens the design after asking to save the modified one. A file that
    // cannot be read or fails while loading keeps the current design as it
    // was: its file, content, history and modified mark.
    bool OpenDocumentFile(const QString& path);
    // Opens the design as a template, after asking to save the modified one:
    // untitled and left off the recent files, so that Save asks for a new
    // name and never writes over the design it came from.
    bool OpenTemplate(const QString& path);
    bool OnFileSave();
    bool OnFileSaveAs();
    // File > Export > Picture: asks for a PNG, SVG or PDF file, then writes
    // the view's picture.
    void OnExportPicture();
    // File > Compare With...: asks for a design (the open design's own file
    // proposed, for its saved version) and shows how the open design
    // differs from it.
    void OnFileCompare();
    // File > Export > Documentation: asks for a PDF or HTML file, then
    // writes the design's documentation into it. A file that cannot be
    // written is told and leaves an existing one as it was.
    void OnExportDocumentation();
    // "Save changes to %1?" for a modified design: Yes saves, No discards;
    // false when the user cancels or the save fails.
    bool SaveModified();

    // Opens the entry of the recent-file list. An entry that fails to open
    // leaves the list; one whose opening the user cancelled stays.
    void OpenRecentFile(int index);

private:
    enum class OpenResult
    {
        Opened,
        Cancelled,
        Failed,
    };

    OpenResult Open(const QString& path);
    OpenResult Load(const QString& path);
    void OfferRecovery();
    bool Recover(const RecoveryEntry& entry);
    // The name an export proposes: the design's, with `suffix`, beside it.
    QString ExportName(const QString& suffix) const;
    void NewDocument();
    bool DoSave(const QString& path);
    void SetPathName(const QString& path);
    void DocumentChanged();

    std::unique_ptr<Notifier> ownNotifier_;
    std::unique_ptr<FileDialogs> ownFileDialogs_;
    Notifier* notifier_;
    FileDialogs* fileDialogs_;
    QtImageCodec codec_;
    CVantrelDoc document_;
    QString pathName_;
    DialogFolders dialogFolders_{[this] { return pathName_; }};
    RecentFileList recentFiles_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<AutoSaver> autosaver_;
};

} // namespace vantrel
