#include "app/main_window.h"

#include "app/app_settings.h"
#include "app/command_table.h"
#include "app/compare_dock.h"
#include "app/focus_after_dialogs.h"
#include "app/library_dock.h"
#include "app/lock_key_panes.h"
#include "app/problems_dock.h"
#include "app/tool_icons.h"
#include "app/vantrel_app.h"
#include "editing/command_ids.h"
#include "editor/vantrel_view.h"

#include "dialogs/qt_config_dialogs.h"
#include "dialogs/qt_element_dialogs.h"
#include "dialogs/qt_view_prompts.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QLabel>

#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

namespace vantrel {

using namespace command;

namespace {

// Whether the library was shown when the window last closed.
constexpr char kLibraryShownKey[] = "library/shown";

} // namespace

CMainFrame::CMainFrame(CVantrelApp& app, CVantrelDoc& document, const ImageCodec& codec,
                       ElementDialogs* dialogs, ViewPrompts* prompts, ConfigDialogs* configDialogs)
    : app_(app), document_(document),
      ownDialogs_(dialogs ? nullptr : std::make_unique<QtElementDialogs>(this)),
      ownPrompts_(prompts ? nullptr : std::make_unique<QtViewPrompts>(this, &app.Folders())),
      ownConfigDialogs_(configDialogs ? nullptr : std::make_unique<QtConfigDialogs>(this)),
      view_(new CVantrelView(document, dialogs ? *dialogs : *ownDialogs_,
                             configDialogs ? *configDialogs : *ownConfigDialogs_,
                             prompts ? *prompts : *ownPrompts_, codec, this))
{
    setWindowIcon(ApplicationIcon());
    setCentralWidget(view_);
    setDockOptions(dockOptions() | QMainWindow::AnimatedDocks);
    CreateMenus();
    CreateToolBars();
    CreateStatusBar();
    setAcceptDrops(true);
    connect(view_, &CVantrelView::Changed, this, &CMainFrame::UpdateCommandUi);
    // The problems the export warned about, with their elements at hand.
    connect(view_, &CVantrelView::ExportWarned, this, [this] {
        Problems().show();
        Problems().raise();
        Problems().Refresh();
        UpdateCommandUi();
    });
    new FocusAfterDialogs(*this, *view_);
    SetDocumentTitle(QStringLiteral("Untitled"));
    resize(QSize(1440, 900).boundedTo(screen()->availableSize()));
    if (UserSettings()->value(QLatin1String(kLibraryShownKey), false).toBool())
        Library().show();
    UpdateCommandUi();
}

CMainFrame::~CMainFrame()
{
    // Closing the window hides the dock, whose signal must not reach a frame
    // whose actions are already gone.
    for (QDockWidget* dock : std::initializer_list<QDockWidget*>{problemsDock_, libraryDock_})
        if (dock)
            disconnect(dock, nullptr, this, nullptr);
}

void CMainFrame::SetDocumentTitle(const QString& documentName)
{
    // "[*]" is where the desktop shows the unsaved-changes mark; one that a
    // file name holds is doubled, which shows it as it is.
    QString name = documentName;
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(QStringLiteral("%1[*] - Vantrel v2").arg(name));
    setWindowModified(document_.IsModified());
}

bool CMainFrame::RunCommand(int id)
{
    if (!IsCommandEnabled(id))
        return false;
    if (view_->HandlesCommand(id))
        view_->OnCommand(id);
    else
        FindWindowCommand(id)->run(*this, id);
    UpdateCommandUi();
    return true;
}

bool CMainFrame::IsCommandEnabled(int id) const
{
    if (view_->HandlesCommand(id))
        return view_->IsCommandEnabled(id);
    const WindowCommandRow* row = FindWindowCommand(id);
    return row && row->run && (!row->enabled || row->enabled(*this, id));
}

bool CMainFrame::IsCommandChecked(int id) const
{
    if (view_->HandlesCommand(id))
        return view_->IsCommandChecked(id);
    const WindowCommandRow* row = FindWindowCommand(id);
    return row && row->checked && row->checked(*this, id);
}

void CMainFrame::UpdateCommandUi()
{
    setWindowModified(document_.IsModified());
    for (const auto& [id, action] : actions_) {
        action->setEnabled(IsCommandEnabled(id));
        if (action->isCheckable())
            action->setChecked(IsCommandChecked(id));
    }
}

QAction* CMainFrame::CommandAction(int id) const
{
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

void CMainFrame::UpdateRecentFileMenu()
{
    constexpr int kLongestEntry = 420; // pixels; longer paths lose their middle
    const QStringList& files = app_.RecentFiles().Files();
    for (int i = 0; i < RecentFileList::kSize; ++i) {
        QAction* action = CommandAction(kFileRecent + i);
        if (i < files.size()) {
            const QString path = fontMetrics().elidedText(QDir::toNativeSeparators(files[i]),
                                                          Qt::ElideMiddle, kLongestEntry);
            action->setText(
                QStringLiteral("&%1 %2").arg(i + 1).arg(QString(path).replace('&', "&&")));
        } else {
            action->setText(i == 0 ? QStringLiteral("Recent File") : QString());
        }
        action->setVisible(i == 0 || i < files.size());
        action->setEnabled(i < files.size());
    }
}

QString CMainFrame::StatusMessage() const
{
    const QString message = statusBar()->currentMessage();
    return message.isEmpty() ? readyPane_->text() : message;
}

void CMainFrame::CreateStatusBar()
{
    readyPane_ = new QLabel(QStringLiteral("Ready"), statusBar());
    statusBar()->addWidget(readyPane_, 1);
    lockKeys_ = new LockKeyPanes(*statusBar());
}

ProblemsDock& CMainFrame::Problems()
{
    if (!problemsDock_) {
        problemsDock_ = new ProblemsDock(document_, *view_, this);
        addDockWidget(Qt::BottomDockWidgetArea, problemsDock_);
        // Out of the way until asked for; its own close button keeps the
        // View menu's check mark true.
        problemsDock_->hide();
        connect(problemsDock_, &QDockWidget::visibilityChanged, this, &CMainFrame::UpdateCommandUi);
    }
    return *problemsDock_;
}

LibraryDock& CMainFrame::Library()
{
    if (!libraryDock_) {
        libraryDock_ = new LibraryDock(
            *view_, [this] { return app_.PathName(); }, this);
        addDockWidget(Qt::LeftDockWidgetArea, libraryDock_);
        libraryDock_->hide();
        connect(libraryDock_, &QDockWidget::visibilityChanged, this, &CMainFrame::UpdateCommandUi);
    }
    return *libraryDock_;
}

void CMainFrame::RefreshLibrary()
{
    if (libraryDock_)
        libraryDock_->Refresh();
}

CompareDock& CMainFrame::Comparison()
{
    if (!compareDock_) {
        compareDock_ = new CompareDock(document_, *view_, this);
        addDockWidget(Qt::RightDockWidgetArea, compareDock_);
    }
    return *compareDock_;
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!app_.SaveModified()) {
        event->ignore();
        return;
    }
    UserSettings()->setValue(QLatin1String(kLibraryShownKey),
                             libraryDock_ && !libraryDock_->isHidden());
    event->accept();
}

namespace {

QString FirstLocalFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

} // namespace

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!FirstLocalFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QString path = FirstLocalFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    activateWindow();
    // Opened once the drop is over, so that its questions and messages do
    // not run inside the drag and drop.
    QMetaObject::invokeMethod(
        this, [this, path] { app_.OpenDocumentFile(path); }, Qt::QueuedConnection);
}

} // namespace vantrel
