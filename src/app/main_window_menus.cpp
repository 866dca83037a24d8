// The menu bar and the three toolbars of the main window.
#include "app/command_table.h"
#include "app/main_window.h"
#include "app/recent_file_list.h"
#include "app/tool_icons.h"
#include "app/toolbar_icons.h"
#include "editing/command_ids.h"
#include "elements/element_kinds.h"

#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace vantrel {

using namespace command;

namespace {

QString Text(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

QMenu* CMainFrame::AddMenu(const QString& title)
{
    QMenu* menu = menuBar()->addMenu(title);
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUi);
    return menu;
}

QAction* CMainFrame::AddCommand(QMenu& menu, int id, const QString& text,
                                const QList<QKeySequence>& keys, bool checkable)
{
    auto* action = new QAction(text, this);
    action->setData(id);
    action->setShortcuts(keys);
    action->setCheckable(checkable);
    action->setStatusTip(StatusPrompt(id, text));
    action->setToolTip(ToolTipPrompt(id, text));
    connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    addAction(action); // keeps the shortcuts alive while the menu bar is hidden
    menu.addAction(action);
    actions_[id] = action;
    return action;
}

void CMainFrame::CreateMenus()
{
    CreateFileMenu();
    CreateEditMenu();
    CreateViewMenu();
    CreateToolsMenu();
    CreateActionMenu();
    CreatePaintToolMenu();
    QMenu* help = AddMenu(Text("&Help"));
    AddCommand(*help, kAppAbout, Text("&About Vantrel..."));
}

void CMainFrame::CreateFileMenu()
{
    fileMenu_ = AddMenu(Text("&File"));
    QMenu& file = *fileMenu_;
    AddCommand(file, kFileNew, Text("&New\tCtrl+N"), {QKeySequence(Qt::CTRL | Qt::Key_N)});
    AddCommand(file, kFileOpen, Text("&Open...\tCtrl+O"), {QKeySequence(Qt::CTRL | Qt::Key_O)});
    AddCommand(file, kFileSave, Text("&Save\tCtrl+S"), {QKeySequence(Qt::CTRL | Qt::Key_S)});
    AddCommand(file, kFileSaveAs, Text("Save &As..."));
    file.addSeparator();
    AddCommand(file, kFilePrint, Text("&Print...\tCtrl+P"), {QKeySequence(Qt::CTRL | Qt::Key_P)});
    AddCommand(file, kFilePrintPreview, Text("Print Pre&view"));
    AddCommand(file, kFilePrintSetup, Text("P&rint Setup..."));
    file.addSeparator();
    QMenu* exportMenu = file.addMenu(Text("Export"));
    AddCommand(*exportMenu, kExportIoList, Text("I/O List"));
    AddCommand(*exportMenu, kExportPicture, Text("Picture..."));
    file.addSeparator();
    AddCommand(file, kFileRecent, Text("Recent File"));
    for (int i = 1; i < RecentFileList::kSize; ++i)
        AddCommand(file, kFileRecent + i, {})->setVisible(false);
    recentSeparator_ = file.addSeparator();
    AddCommand(file, kAppExit, Text("E&xit"));
    UpdateRecentFileMenu();
}

void CMainFrame::CreateEditMenu()
{
    QMenu& edit = *AddMenu(Text("&Edit"));
    AddCommand(edit, kEditUndo, Text("Undo\tCtrl+Z"),
               {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)});
    AddCommand(edit, kEditRedo, Text("Redo\tCtrl+Y"), {QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit.addSeparator();
    AddCommand(edit, kEditCut, Text("Cu&t\tCtrl+X"),
               {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)});
    AddCommand(edit, kEditCopy, Text("&Copy\tCtrl+C"),
               {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    AddCommand(edit, kEditPaste, Text("&Paste\tCtrl+V"),
               {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});
    edit.addSeparator();
    AddCommand(edit, kEditReplicate, Text("Replicate\tCtrl+R"),
               {QKeySequence(Qt::CTRL | Qt::Key_R)});
    AddCommand(edit, kEditSelectAll, Text("Select All\t Ctrl+A"),
               {QKeySequence(Qt::CTRL | Qt::Key_A)});
    AddCommand(edit, kEditFind, Text("Find\tCtrl+F"), {QKeySequence(Qt::CTRL | Qt::Key_F)});
    edit.addSeparator();
    AddCommand(edit, kBackgroundColor, Text("Background Color"));
    AddCommand(edit, kImportBackground, Text("Import background"));
    QMenu* flip = edit.addMenu(Text("Flip"));
    AddCommand(*flip, kFlipHorizontally, Text("Horizontally"));
    AddCommand(*flip, kFlipVertically, Text("Vertically"));
    QMenu* corrections = edit.addMenu(Text("Corrections"));
    AddCommand(*corrections, kNormalize, Text("Normalize"));
}

void CMainFrame::CreateViewMenu()
{
    QMenu& view = *AddMenu(Text("&View"));
    AddCommand(view, kViewToolbar, Text("&Toolbar"), {}, true);
    AddCommand(view, kViewStatusBar, Text("&Status Bar"), {}, true);
    AddCommand(view, kViewElementBar, Text("Element Bar"), {}, true);
    AddCommand(view, kViewProblems, Text("&Problems"), {}, true);
    view.addSeparator();
    AddCommand(view, kViewElementNumbers, Text("Element numbers"), {}, true);
    QMenu* zoom = view.addMenu(Text("Zoom"));
    AddCommand(*zoom, kZoomIn, Text("In"));
    AddCommand(*zoom, kZoomOut, Text("Out"));
    AddCommand(*zoom, kZoomOne, Text("x1"));
    AddCommand(*zoom, kZoomFit, Text("Fit"));
    QMenu* layout = view.addMenu(Text("Layout"));
    AddCommand(*layout, kLayoutDesign, Text("Design"), {}, true);
    AddCommand(*layout, kLayoutPreview, Text("Preview design"), {}, true);
    AddCommand(*layout, kLayoutToggle, Text("Toggle"), {QKeySequence(Qt::CTRL | Qt::Key_D)});
}

void CMainFrame::CreateToolsMenu()
{
    QMenu& tools = *AddMenu(Text("&Tools"));
    QMenu* hardware = tools.addMenu(Text("Hardware Config"));
    AddCommand(*hardware, kIoCount, Text("IO Count"));
    AddCommand(*hardware, kIoSpeed, Text("IO Speed"));
    AddCommand(*hardware, kRemoteIo, Text("Remote I/O"));
    AddCommand(*hardware, kCustomRemoteIo, Text("Custom Remote I/O"));
    AddCommand(tools, kAutoSort, Text("Auto sort"));
    AddCommand(tools, kExportFlash, Text("Export to flash"));
    AddCommand(tools, kExportJson, Text("Export to JSON"));
    AddCommand(tools, kComplexCommands, Text("Complex Commands"));
    QMenu* simulation = tools.addMenu(Text("Simulation"));
    AddCommand(*simulation, kSimulationSetup, Text("Setup"));
    AddCommand(*simulation, kSimulationExport, Text("Export"));
    QMenu* pages = tools.addMenu(Text("Preview Page"));
    AddCommand(*pages, kPageSetCount, Text("Set Count"));
    AddCommand(*pages, kPageLeft, Text("Left\t(Ctr + Left)"),
               {QKeySequence(Qt::CTRL | Qt::Key_Left)});
    AddCommand(*pages, kPageRight, Text("Right\t(Ctr + Right)"),
               {QKeySequence(Qt::CTRL | Qt::Key_Right)});
}

void CMainFrame::CreateActionMenu()
{
    QMenu& action = *AddMenu(Text("&Action"));
    QMenu* create = action.addMenu(Text("New"));
    for (const ElementKindRow& kind : ElementKinds())
        AddCommand(*create, kind.command, Text(kind.menuText), {}, true);
    create->addSeparator();
    AddCommand(*create, kToolConnect, Text("Connect"), {}, true);
    AddCommand(*create, kToolSelect, Text("Select"), {}, true);
}

void CMainFrame::CreatePaintToolMenu()
{
    QMenu& paint = *AddMenu(Text("&Paint Tool"));
    for (const PaintToolCommand& tool : PaintToolCommands())
        AddCommand(paint, tool.id, Text(tool.menuText), {}, true);
}

QToolBar* CMainFrame::CreateToolBar(const QString& title, const QString& name)
{
    auto* toolBar = new QToolBar(title, this);
    toolBar->setObjectName(name);
    toolBar->setIconSize(QSize(kToolIconSize, kToolIconSize));
    toolBar->setMovable(true);
    toolBar->setFloatable(true);
    toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    return toolBar;
}

void CMainFrame::AddToolButton(QToolBar& toolBar, int id, const ToolbarIcons& icons)
{
    QAction* action = CommandAction(id);
    action->setIcon(icons.Icon(id));
    toolBar.addAction(action);
}

void CMainFrame::CreateToolBars()
{
    const ToolbarIcons icons;
    mainToolBar_ = CreateToolBar(Text("Standard"), QStringLiteral("MainToolBar"));
    for (int id : StandardToolbarLayout()) {
        if (id == 0)
            mainToolBar_->addSeparator();
        else
            AddToolButton(*mainToolBar_, id, icons);
    }
    elementToolBar_ = CreateToolBar(Text("Elements"), QStringLiteral("ElementToolBar"));
    // 47 buttons: packed tighter than the others so that they fit a screen.
    elementToolBar_->setStyleSheet(QStringLiteral("QToolButton { padding: 0px; }"));
    for (int id : ElementToolbarCommands())
        AddToolButton(*elementToolBar_, id, icons);
    paintToolBar_ = CreateToolBar(Text("Paint"), QStringLiteral("PaintToolBar"));
    for (const PaintToolCommand& tool : PaintToolCommands())
        AddToolButton(*paintToolBar_, tool.id, icons);

    addToolBar(Qt::TopToolBarArea, mainToolBar_);
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, elementToolBar_);
    addToolBar(Qt::LeftToolBarArea, paintToolBar_);
}

} // namespace vantrel
