#pragma once

#include "editing/command_row.h"

#include <QKeySequence>
#include <QList>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace vantrel {

class CMainFrame;

// The command table has two parts with rows of one shape: the editing
// commands, carried out by the editing library on the view's document and
// state (editing/editing_commands.h), and the window's own commands below,
// carried out here on the main window and the application (files, printing,
// the bars and panels, About, Exit).
using WindowCommandRow = CommandRow<CMainFrame, CMainFrame, void>;
std::span<const WindowCommandRow> WindowCommands();
const WindowCommandRow* FindWindowCommand(int id);

// The look of any command of the table; null for an unknown id.
const CommandLook* FindCommandLook(int id);

// Where the commands sit in the menu bar, as data: a menu opens with its
// title, holds commands, separators and submenus, and closes with End.
enum class MenuEntryKind : std::uint8_t
{
    Menu,
    Command,
    Separator,
    End,
};
struct MenuEntry
{
    MenuEntryKind kind;
    int id;            // Command
    const char* title; // Menu
};
std::span<const MenuEntry> MenuLayout();

// The buttons of the standard toolbar, left to right; 0 stands for a
// separator.
std::span<const int> StandardToolbarLayout();

// The buttons of the element toolbar, left to right: Select, Connect, then
// the element kinds in their toolbar order.
std::vector<int> ElementToolbarCommands();

// The buttons of the paint toolbar: Select, then the tools of the paint
// kinds, as in the Paint Tool menu.
std::span<const int> PaintToolbarCommands();

// What the status bar shows while a command's menu item or button is under
// the mouse, and the button's tooltip. Commands without a prompt of their own
// show their menu text in both places.
QString StatusPrompt(const CommandLook& look);
QString ToolTipPrompt(const CommandLook& look);

// The command's keys, the one the menu shows first.
QList<QKeySequence> Shortcuts(const CommandLook& look);

// A menu text without its mnemonic marks and its shortcut column.
QString PlainMenuText(const QString& menuText);

} // namespace vantrel
