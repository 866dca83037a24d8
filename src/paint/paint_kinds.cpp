// The one table of paint kinds: the paint class registry, the Paint Tool menu
// and toolbar with their prompts and icons, the paint tools and the rules
// for where a new or pasted object goes derive from it. An object reaches its
// row through KindRow().
#include "paint/paint_kinds.h"

#include "archive/class_registry.h"
#include "paint/curve.h"
#include "paint/shapes.h"
#include "paint/text_stuff.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <type_traits>
#include <utility>

namespace vantrel {

namespace {

template <class Kind> std::unique_ptr<PaintStuff> Make()
{
    return std::make_unique<Kind>();
}

template <class Kind>
std::unique_ptr<PaintStuff> MakeText(Point device, const Rect& client, std::u16string text,
                                     std::int32_t page)
{
    return std::make_unique<Kind>(device, client, std::move(text), page);
}

// A row of class Kind; the calls below add what only some kinds have.
template <class Kind> struct Row : PaintKindRow
{
    constexpr Row(int paintCommand, const char* menu, const char* statusPrompt, PaintIcon picture,
                  PaintToolAction action)
        : PaintKindRow{.className = Kind::kClassName,
                       .command = paintCommand,
                       .menuText = menu,
                       .prompt = statusPrompt,
                       .icon = picture,
                       .filled = requires {&Kind::fillColors;
}, .tool = action, .drawnBeneath = false, .pastedBeneath = false, .freehand = false,
   .firstDesignVersion = 0, .make = &Make<Kind>, .makeText = nullptr
} // namespace
{
    if constexpr (std::is_base_of_v<TextStuff, Kind>)
        makeText = &MakeText<Kind>;
}

constexpr Row Beneath(bool whenDrawn, bool whenPasted) const
{
    Row row = *this;
    row.drawnBeneath = whenDrawn;
    row.pastedBeneath = whenPasted;
    return row;
}
constexpr Row Freehand(std::int32_t sinceVersion) const
{
    static_assert(std::is_base_of_v<Curve, Kind>, "only curves keep points of their own");
    Row row = *this;
    row.freehand = true;
    row.firstDesignVersion = sinceVersion;
    return row;
}
}; // namespace vantrel

using enum PaintToolAction;

// Columns: command, menu text, status prompt, icon, what the tool does; then
// where new and pasted objects go, and what only curves have.
constexpr std::array<PaintKindRow, 8> kKinds{
    Row<Curve>(32829, "Pen", nullptr, PaintIcon::Squiggle, None).Freehand(13),
    Row<Line>(32830, "Line", nullptr, PaintIcon::Line, Drag),
    Row<Circle>(32831, "Ellipse", nullptr, PaintIcon::Ellipse, Drag).Beneath(true, true),
    Row<FilledCircle>(32833, "Filled Elipse", nullptr, PaintIcon::Ellipse, Drag)
        .Beneath(true, true),
    Row<Square>(32834, "Rectangle", nullptr, PaintIcon::Rectangle, Drag).Beneath(false, true),
    Row<FilledSquare>(32837, "Filled Rectangle", nullptr, PaintIcon::Rectangle, Drag)
        .Beneath(false, true),
    Row<TextStuff>(32835, "Text", nullptr, PaintIcon::Letter, Click),
    Row<FilledText>(32836, "Filled Text", "New Filled Text", PaintIcon::Letter, Click),
};

// What an object of a class outside the table answers.
constexpr PaintKindRow kUnknownKind{.className = "PaintStuff",
                                    .command = 0,
                                    .menuText = nullptr,
                                    .prompt = nullptr,
                                    .icon = PaintIcon::Squiggle,
                                    .filled = false,
                                    .tool = None,
                                    .drawnBeneath = false,
                                    .pastedBeneath = false,
                                    .freehand = false,
                                    .firstDesignVersion = 0,
                                    .make = nullptr,
                                    .makeText = nullptr};

} // namespace

std::span<const PaintKindRow> PaintKinds()
{
    return kKinds;
}

const PaintKindRow* FindPaintKind(int command)
{
    const auto found = std::find_if(kKinds.begin(), kKinds.end(), [command](const auto& kind) {
        return kind.command == command;
    });
    return found == kKinds.end() ? nullptr : &*found;
}

const PaintKindRow& PaintKindOfClass(const char* className)
{
    const auto found = std::find_if(kKinds.begin(), kKinds.end(), [className](const auto& kind) {
        return std::strcmp(kind.className, className) == 0;
    });
    return found == kKinds.end() ? kUnknownKind : *found;
}

void RegisterPaintClasses(ClassRegistry& registry)
{
    registry.Register<FPoint>();
    for (const PaintKindRow& kind : kKinds)
        registry.Register(kind.className,
                          [make = kind.make] { return std::unique_ptr<Serializable>(make()); });
}

} // namespace vantrel
