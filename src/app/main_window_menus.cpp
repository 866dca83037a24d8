// The menu bar and the three toolbars of the main window.
#include "app/command_table.h"
#include "app/main_window.h"
#include "app/tool_icons.h"
#include "app/toolbar_icons.h"

#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <vector>

namespace vantrel {

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

void CMainFrame::AddCommand(QMenu& menu, const CommandLook& look)
{
    const int id = look.id;
    auto* action = new QAction(Text(look.menuText), this);
    action->setData(id);
    action->setShortcuts(Shortcuts(look));
    action->setCheckable(look.check == CommandCheck::Checkable);
    action->setStatusTip(StatusPrompt(look));
    action->setToolTip(ToolTipPrompt(look));
    connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    addAction(action); // keeps the shortcuts alive while the menu bar is hidden
    menu.addAction(action);
    actions_[id] = action;
}

// The menus as the layout lists them; every item is a command of the table.
void CMainFrame::CreateMenus()
{
    std::vector<QMenu*> open;
    for (const MenuEntry& entry : MenuLayout()) {
        switch (entry.kind) {
        case MenuEntryKind::Menu:
            open.push_back(open.empty() ? AddMenu(Text(entry.title))
                                        : open.back()->addMenu(Text(entry.title)));
            break;
        case MenuEntryKind::Command:
            AddCommand(*open.back(), *FindCommandLook(entry.id));
            break;
        case MenuEntryKind::Separator:
            open.back()->addSeparator();
            break;
        case MenuEntryKind::End:
            open.pop_back();
            break;
        }
    }
    UpdateRecentFileMenu();
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
    for (int id : PaintToolbarCommands())
        AddToolButton(*paintToolBar_, id, icons);

    addToolBar(Qt::TopToolBarArea, mainToolBar_);
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, elementToolBar_);
    addToolBar(Qt::LeftToolBarArea, paintToolBar_);
}

} // namespace vantrel
