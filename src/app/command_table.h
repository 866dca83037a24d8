#pragma once

#include <QString>
#include <QStringList>

#include <span>
#include <vector>

namespace vantrel {

// The buttons of the standard toolbar, left to right; 0 stands for a
// separator.
std::span<const int> StandardToolbarLayout();

// The buttons of the element toolbar, left to right: Select, Connect, then
// the element kinds in their toolbar order.
std::vector<int> ElementToolbarCommands();

// The paint tools in the order of the Paint Tool menu and the paint toolbar:
// Select, then the tools of the paint kinds.
struct PaintToolCommand
{
    int id;
    const char* menuText;
};
std::span<const PaintToolCommand> PaintToolCommands();

// What the status bar shows while a command's menu item or button is under
// the mouse, and the button's tooltip; element kinds have theirs in the table
// of element kinds. Commands without a prompt of their own show their menu
// text in both places.
QString StatusPrompt(int id, const QString& menuText);
QString ToolTipPrompt(int id, const QString& menuText);

// A menu text without its mnemonic marks and its shortcut column.
QString PlainMenuText(const QString& menuText);

} // namespace vantrel
