#pragma once

#include <QMainWindow>

#include <map>
#include <memory>

class QLabel;
class QMenu;
class QToolBar;

namespace vantrel {

class CVantrelApp;
class CompareDock;
class ConfigDialogs;
class CVantrelDoc;
class CVantrelView;
class ElementDialogs;
class ImageCodec;
class LibraryDock;
class LockKeyPanes;
class ProblemsDock;
class ToolbarIcons;
class ViewPrompts;
struct CommandLook;

// The main window: the menu bar, the main, element and paint toolbars, the
// status bar and the view. The menus, toolbars, prompts and keys come from
// the command table: an editing command runs in the view, a window command
// here; a command without a handler is disabled.
class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    // Without dialogs or prompts of the caller's, the desktop's own property
    // dialogs and file questions are given to the view.
    CMainFrame(CVantrelApp& app, CVantrelDoc& document, const ImageCodec& codec,
               ElementDialogs* dialogs = nullptr, ViewPrompts* prompts = nullptr,
               ConfigDialogs* configDialogs = nullptr);
    ~CMainFrame() override;

    CVantrelView& View() { return *view_; }
    const CVantrelView& View() const { return *view_; }
    CVantrelApp& App() const { return app_; }
    // "NAME - Vantrel v2", with the desktop's mark of unsaved changes after
    // the name while the design is modified ("NAME* - Vantrel v2").
    void SetDocumentTitle(const QString& documentName);

    // Runs the command as its menu item does; nothing happens while it is
    // disabled. Returns whether it ran.
    bool RunCommand(int id);
    bool IsCommandEnabled(int id) const;
    bool IsCommandChecked(int id) const;
    // Brings every menu item and button up to date with the command states,
    // and the title's mark with the design's modified state.
    void UpdateCommandUi();
    // Shows the recent-file list in the File menu.
    void UpdateRecentFileMenu();

    // The menu item (and button) of a command; null for an unknown id.
    QAction* CommandAction(int id) const;
    QToolBar* MainToolBar() const { return mainToolBar_; }
    QToolBar* ElementToolBar() const { return elementToolBar_; }
    QToolBar* PaintToolBar() const { return paintToolBar_; }
    // What the status bar's message pane shows now.
    QString StatusMessage() const;
    const LockKeyPanes& LockKeys() const { return *lockKeys_; }
    // The problems panel, made on first use: most sessions never open it,
    // and the window shows sooner without it.
    ProblemsDock& Problems();
    // The problems panel when it was made, else null.
    ProblemsDock* ProblemsIfMade() const { return problemsDock_; }
    // The block library, made on first use, and when it was made.
    LibraryDock& Library();
    LibraryDock* LibraryIfMade() const { return libraryDock_; }
    // Lists the blocks again, when the library was made: after a block was
    // saved, and when the design's file (and so its blocks folder) changed.
    void RefreshLibrary();
    // The comparison panel, made on first use (File > Compare With...).
    CompareDock& Comparison();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // main_window_menus.cpp
    void CreateMenus();
    void CreateToolBars();
    QToolBar* CreateToolBar(const QString& title, const QString& name);
    void AddCommand(QMenu& menu, const CommandLook& look);
    QMenu* AddMenu(const QString& title);
    void AddToolButton(QToolBar& toolBar, int id, const ToolbarIcons& icons);

    void CreateStatusBar();

    CVantrelApp& app_;
    CVantrelDoc& document_;
    std::unique_ptr<ElementDialogs> ownDialogs_;
    std::unique_ptr<ViewPrompts> ownPrompts_;
    std::unique_ptr<ConfigDialogs> ownConfigDialogs_;
    CVantrelView* view_;
    std::map<int, QAction*> actions_;
    QToolBar* mainToolBar_ = nullptr;
    QToolBar* elementToolBar_ = nullptr;
    QToolBar* paintToolBar_ = nullptr;
    QLabel* readyPane_ = nullptr;
    LockKeyPanes* lockKeys_ = nullptr;
    ProblemsDock* problemsDock_ = nullptr;
    CompareDock* compareDock_ = nullptr;
    LibraryDock* libraryDock_ = nullptr;
};

} // namespace vantrel
