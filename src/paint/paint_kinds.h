#pragma once

#include "graphics/geometry.h"
#include "paint/paint_stuff.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace vantrel {

class ClassRegistry;

// How the paint tool of a kind makes an object.
enum class PaintToolAction : std::uint8_t
{
    None,  // the tool cannot be chosen: such objects come only from files
    Drag,  // dragged out from the drag anchor to the pointer
    Click, // placed with a click, with the text "Add Text" asks for
};

// The picture on the kind's toolbar button (filled for the filled kinds).
enum class PaintIcon : std::uint8_t
{
    Squiggle,
    Line,
    Ellipse,
    Rectangle,
    Letter,
};

// One paint object class and the tool of the Paint Tool menu that makes it.
struct PaintKindRow
{
    // The name the class registry and the design files know the class by.
    const char* className;
    // The Paint Tool command, which is also the view's paint tool value.
    int command;
    const char* menuText;
    // The status line, optionally followed by "\n" and the tooltip; null when
    // the menu text serves as both.
    const char* prompt;
    PaintIcon icon;
    // The kind has fill colours.
    bool filled;
    PaintToolAction tool;
    // A drawn one goes beneath every other object of the page, so that the
    // figures drawn over it stay visible.
    bool drawnBeneath;
    // A pasted one goes beneath everything on the page.
    bool pastedBeneath;
    // Drawn through points of its own, which the design's text form lists.
    bool freehand;
    // Designs of an older version drop objects of the kind.
    std::int32_t firstDesignVersion;
    // An empty object of the class, as loading a design creates it.
    std::unique_ptr<PaintStuff> (*make)();
    // Click kinds: the object with a text at a device point of the client
    // rectangle on a page; null for the others.
    std::unique_ptr<PaintStuff> (*makeText)(Point device, const Rect& client, std::u16string text,
                                            std::int32_t page);
};

// Every paint kind, in the order of the Paint Tool menu after Select.
std::span<const PaintKindRow> PaintKinds();

// The kind a Paint Tool command makes, or none (Select makes none).
const PaintKindRow* FindPaintKind(int command);

// The row of the class with that name; a row that makes nothing for a class
// the table does not know.
const PaintKindRow& PaintKindOfClass(const char* className);

// Enters the paint object classes of the table and their point class in the
// registry.
void RegisterPaintClasses(ClassRegistry& registry);

} // namespace vantrel
