#pragma once

#include "editing/editing_commands.h"

#include <span>

namespace vantrel {

// The rows of the editing commands by family; the command table joins them.

// The conditions of the commands that work in one layout mode only.
bool InDesign(const EditingQuery& query, int id);
bool InPreview(const EditingQuery& query, int id);

// Zoom, layout, element numbers, preview pages, the design and paint tools.
std::span<const EditingCommandRow> ViewCommandRows();
// Undo, redo, the clipboard, Select All, Find, Replicate, the page background,
// flip and normalize.
std::span<const EditingCommandRow> EditCommandRows();
// Autosort, the exports and the configuration dialogs.
std::span<const EditingCommandRow> ToolsCommandRows();

} // namespace vantrel
