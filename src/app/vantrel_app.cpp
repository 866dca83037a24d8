#include "app/vantrel_app.h"

#include "app/compare_dock.h"
#include "app/file_dialogs.h"
#include "app/main_window.h"
#include "app/message_box_notifier.h"
#include "app/picture_export.h"
#include "document/design_io.h"
#include "editing/message_batch.h"
#include "editor/vantrel_view.h"
#include "qt_adapters/documentation_files.h"
#include "qt_adapters/qt_text.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QStatusBar>

namespace vantrel {

CVantrelApp::CVantrelApp(const AppServices& services)
    : notifier_(services.notifier), fileDialogs_(services.fileDialogs)
{
    frame_ = std::make_unique<CMainFrame>(*this, document_, codec_, services.elementDialogs,
                                          services.viewPrompts, services.configDialogs);
    if (!notifier_) {
        ownNotifier_ = std::make_unique<MessageBoxNotifier>(frame_.get());
        notifier_ = ownNotifier_.get();
    }
    if (!fileDialogs_) {
        ownFileDialogs_ = std::make_unique<QtFileDialogs>(dialogFolders_);
        fileDialogs_ = ownFileDialogs_.get();
    }
    document_.SetNotifier(notifier_);
    autosaver_ = std::make_unique<AutoSaver>(
        document_, codec_, [this] { return pathName_; },
        services.recoveryFolder.isEmpty() ? RecoveryStore::UserStore()
                                          : RecoveryStore(services.recoveryFolder),
        services.autosaveInterval);
    QObject::connect(autosaver_.get(), &AutoSaver::failed, frame_.get(),
                     [this](const QString& message) {
                         frame_->statusBar()->showMessage(
                             QStringLiteral("The recovery copy could not be written: ") + message);
                     });
}

CVantrelApp::~CVantrelApp()
{
    // Ending normally, whether the design was saved or dropped, leaves
    // nothing to recover.
    autosaver_->Discard();
    // The window and its view go before the document they show.
    frame_.reset();
}

bool CVantrelApp::InitInstance(const QStringList& arguments)
{
    if (arguments.isEmpty())
        NewDocument();
    else if (!OpenDocumentFile(arguments.constFirst()))
        return false;
    frame_->show();
    OfferRecovery();
    autosaver_->Start();
    return true;
}

QString CVantrelApp::Title() const
{
    return pathName_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(pathName_).fileName();
}

QPrinter& CVantrelApp::Printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool CVantrelApp::OnFileNew()
{
    if (!SaveModified())
        return false;
    NewDocument();
    return true;
}

bool CVantrelApp::OnFileOpen()
{
    const QString path = fileDialogs_->OpenFileName(frame_.get());
    return !path.isEmpty() && OpenDocumentFile(path);
}

bool CVantrelApp::OpenDocumentFile(const QString& path)
{
    return Open(path) == OpenResult::Opened;
}

CVantrelApp::OpenResult CVantrelApp::Open(const QString& path)
{
    const OpenResult result = Load(path);
    if (result != OpenResult::Opened)
        return result;
    SetPathName(path);
    recentFiles_.Add(path);
    frame_->UpdateRecentFileMenu();
    DocumentChanged();
    return OpenResult::Opened;
}

bool CVantrelApp::OpenTemplate(const QString& path)
{
    if (Load(path) != OpenResult::Opened)
        return false;
    SetPathName({});
    DocumentChanged();
    return true;
}

// Replaces the design with the file's, after asking to save the modified one.
CVantrelApp::OpenResult CVantrelApp::Load(const QString& path)
{
    if (!SaveModified())
        return OpenResult::Cancelled;
    const OpenOutcome outcome = [&] {
        const MessageBatch batch(document_);
        return OpenDesign(document_, FileSystemPath(path), codec_);
    }();
    // A file that fails leaves the open design as it was.
    if (outcome != OpenOutcome::Opened)
        return OpenResult::Failed;
    autosaver_->Discard();
    return OpenResult::Opened;
}

void CVantrelApp::OfferRecovery()
{
    for (const RecoveryEntry& entry : autosaver_->Store().LeftBehind()) {
        const QString name = entry.originalPath.isEmpty()
                                 ? QStringLiteral("Untitled")
                                 : QFileInfo(entry.originalPath).fileName();
        const QString question =
            QStringLiteral("Vantrel ended without closing while %1 had unsaved changes. A copy "
                           "saved at %2 was kept.\n\nRecover it?")
                .arg(name,
                     entry.savedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm")));
        const bool wanted = notifier_->Message(FromQString(question), kApplicationTitle,
                                               MessageButtons::YesNo) == MessageAnswer::Yes;
        if (!wanted || Recover(entry))
            RecoveryStore::Discard(entry);
    }
}

// Opens the copy as the modified design of its own file, so that Save writes
// there. False, keeping the copy for the next start, when the user cancels
// or the copy cannot be read now.
bool CVantrelApp::Recover(const RecoveryEntry& entry)
{
    switch (Load(entry.designFile)) {
    case OpenResult::Cancelled:
        return false;
    case OpenResult::Failed:
        // A damaged copy holds nothing worth keeping; one that cannot be
        // read now may be readable later.
        return QFileInfo(entry.designFile).isReadable();
    case OpenResult::Opened:
        break;
    }
    document_.SetModified(true);
    SetPathName(entry.originalPath);
    DocumentChanged();
    // The recovered design is only safe once this session has its own copy.
    autosaver_->SaveNow();
    return autosaver_->Store().HasCopy();
}

bool CVantrelApp::OnFileSave()
{
    return pathName_.isEmpty() ? OnFileSaveAs() : DoSave(pathName_);
}

bool CVantrelApp::OnFileSaveAs()
{
    const QString proposed = pathName_.isEmpty() ? Title() + QStringLiteral(".lgc") : pathName_;
    const QString path = fileDialogs_->SaveFileName(frame_.get(), proposed);
    return !path.isEmpty() && DoSave(path);
}

bool CVantrelApp::SaveModified()
{
    if (!document_.IsModified())
        return true;
    const std::u16string question = u"Save changes to " + FromQString(Title()) + u"?";
    switch (notifier_->Message(question, kApplicationTitle, MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes:
        return OnFileSave();
    case MessageAnswer::No:
        // The user dropped the changes, so their copy goes too.
        autosaver_->Discard();
        return true;
    default:
        return false;
    }
}

QString CVantrelApp::ExportName(const QString& suffix) const
{
    const QString name = QFileInfo(Title()).completeBaseName() + suffix;
    return pathName_.isEmpty() ? name : QFileInfo(pathName_).dir().filePath(name);
}

void CVantrelApp::OnExportPicture()
{
    const QString path =
        fileDialogs_->PictureFileName(frame_.get(), ExportName(QStringLiteral(".png")));
    if (!path.isEmpty())
        ExportPicture(frame_->View(), FileSystemPath(path), *notifier_);
}

void CVantrelApp::OnFileCompare()
{
    const QString path = fileDialogs_->CompareFileName(frame_.get(), pathName_);
    if (path.isEmpty())
        return;
    auto other = std::make_unique<CVantrelDoc>();
    other->SetNotifier(notifier_);
    const OpenOutcome outcome = [&] {
        const MessageBatch batch(*other);
        return OpenDesign(*other, FileSystemPath(path), codec_);
    }();
    if (outcome == OpenOutcome::Opened)
        frame_->Comparison().CompareWith(std::move(other), QFileInfo(path).fileName());
}

void CVantrelApp::OnExportDocumentation()
{
    const QString path =
        fileDialogs_->DocumentationFileName(frame_.get(), ExportName(QStringLiteral(".pdf")));
    if (path.isEmpty())
        return;
    if (const auto failure =
            WriteDocumentation(document_, FileSystemPath(path), FromQString(Title()), codec_))
        notifier_->Message(*failure +
                               u" The documentation was not written; export it into another file.",
                           kApplicationTitle, MessageButtons::Ok);
}

void CVantrelApp::NewDocument()
{
    document_.ResetDocument();
    document_.SetModified(false);
    SetPathName({});
    DocumentChanged();
    autosaver_->Discard();
}

bool CVantrelApp::DoSave(const QString& path)
{
    if (!SaveDesign(document_, FileSystemPath(path), codec_))
        return false;
    autosaver_->Discard();
    SetPathName(path);
    recentFiles_.Add(path);
    frame_->UpdateRecentFileMenu();
    return true;
}

void CVantrelApp::SetPathName(const QString& path)
{
    pathName_ = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    frame_->SetDocumentTitle(Title());
    frame_->RefreshLibrary();
}

void CVantrelApp::DocumentChanged()
{
    frame_->View().OnInitialUpdate();
    frame_->UpdateCommandUi();
}

void CVantrelApp::OpenRecentFile(int index)
{
    const QString path = recentFiles_.Files().value(index);
    if (path.isEmpty() || Open(path) != OpenResult::Failed)
        return;
    recentFiles_.Remove(recentFiles_.Files().indexOf(path));
    frame_->UpdateRecentFileMenu();
}

} // namespace vantrel
