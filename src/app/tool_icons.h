#pragma once

#include <QIcon>

namespace vantrel {

// Edge of the toolbar icons in pixels.
constexpr int kToolIconSize = 22;

// The icon of a toolbar command: element kinds show their own figure as the
// canvas draws it, the other commands simple drawings of their own (drawn
// rather than loaded from the style's image files, which costs the start
// more than all the drawing). A null icon for a command without a button.
QIcon CommandIcon(int id);

// The program's icon: an AND gate on a blue tile.
QIcon ApplicationIcon();

} // namespace vantrel
