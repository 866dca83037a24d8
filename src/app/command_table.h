#pragma once

#include <QString>
#include <QStringList>

#include <span>

namespace vantrel {

// One element kind of the Action > New menu: the command that chooses it as
// the design tool, its menu text and the class the editor creates for it.
struct ElementKindCommand
{
    int id;
    const char* menuText;
    const char* className;
};

// The 45 element kinds in the order of the Action > New menu.
std::span<const ElementKindCommand> ElementKindCommands();
const ElementKindCommand* FindElementKindCommand(int id);

// The buttons of the element toolbar, left to right: Select, Connect, then
// the kinds.
std::span<const int> ElementToolbarCommands();

// The paint tools in the order of the Paint Tool menu and the paint toolbar.
struct PaintToolCommand
{
    int id;
    const char* menuText;
};
std::span<const PaintToolCommand> PaintToolCommands();

// What the status bar shows while a command's menu item or button is under
// the mouse, and the button's tooltip. Commands without a prompt of their
// own show their menu text in both places.
QString StatusPrompt(int id, const QString& menuText);
QString ToolTipPrompt(int id, const QString& menuText);

// A menu text without its mnemonic marks and its shortcut column.
QString PlainMenuText(const QString& menuText);

} // namespace vantrel
