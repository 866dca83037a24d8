#pragma once

#include <QIcon>

class QStyle;

namespace vantrel {

// Edge of the toolbar icons in pixels.
constexpr int kToolIconSize = 22;

// The icon of a toolbar command: element kinds show their own figure as the
// canvas draws it, the tools and the clipboard and print commands simple
// drawings, the file commands the style's standard icons. A null icon for a
// command without a button.
QIcon CommandIcon(int id, const QStyle& style);

// The program's icon: an AND gate on a blue tile.
QIcon ApplicationIcon();

} // namespace vantrel
