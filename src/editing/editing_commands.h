#pragma once

#include "editing/command_row.h"
#include "graphics/geometry.h"

#include <span>

namespace vantrel {

class Clipboard;
class ConfigDialogs;
class CVantrelDoc;
class ElementDialogs;
class ImageCodec;
class ViewPrompts;
struct ViewState;

// What an editing command works on: the design, the view's state and the
// questions it may ask. The editor's view fills it in; tests fill it with
// their own answers and need no window.
struct EditingContext
{
    CVantrelDoc& document;
    ViewState& state;
    ElementDialogs& dialogs;
    ConfigDialogs& configDialogs;
    ViewPrompts& prompts;
    const ImageCodec& codec;
    Clipboard& clipboard;
    // The size of the view's client area in pixels (zoom, Fit and Find
    // centre on it).
    Size client;
};

// What the enabled and checked conditions look at.
struct EditingQuery
{
    const CVantrelDoc& document;
    const ViewState& state;
    const Clipboard& clipboard;
};

// What the view must do after a command ran, as flags.
namespace effect {
enum : unsigned
{
    kNone = 0,
    // The menus' states may have changed (a tool chosen, the clipboard filled).
    kMenus = 1U << 0,
    // The picture changed: repaint, and the menus too.
    kRedraw = 1U << 1,
    // The current page's background image changed or another page shows.
    kPageImages = 1U << 2,
    // An export warned about problems of the design: show them.
    kProblems = 1U << 3,
};
} // namespace effect
using CommandEffects = unsigned;

using EditingCommandRow = CommandRow<EditingContext, EditingQuery, CommandEffects>;

// Every command the editing library carries out: the view, edit, tools,
// element tool and paint tool commands, in no particular order (the menu
// layout orders them).
std::span<const EditingCommandRow> EditingCommands();

// The row of a command, or null when the command is none of the editing
// library's.
const EditingCommandRow* FindEditingCommand(int id);

// Whether the command has a handler here and may run now, and whether its
// menu item is checked.
bool IsEditingCommandEnabled(int id, const EditingQuery& query);
bool IsEditingCommandChecked(int id, const EditingQuery& query);

// Runs the command when it is enabled; what the view must do afterwards
// (nothing when it did not run).
CommandEffects RunEditingCommand(int id, EditingContext& context);

// The query that looks at a context's world.
EditingQuery QueryOf(const EditingContext& context);

} // namespace vantrel
