#pragma once

#include "graphics/colour.h"

#include <functional>
#include <optional>

class QColor;
class QWidget;

namespace vantrel {

QColor ToQColor(Colour colour);
Colour FromQColor(const QColor& colour);

// Asks for a colour, preset with `current`: the chosen colour, or none on
// Cancel. The desktop's colour dialog unless replaced.
using ColourChooser = std::function<std::optional<Colour>(QWidget* parent, Colour current)>;

std::optional<Colour> ChooseColour(QWidget* parent, Colour current);

// Replaces the colour chooser while it exists, so that a choice can be made
// without a modal dialog.
class ScopedColourChooser
{
public:
    explicit ScopedColourChooser(ColourChooser chooser);
    ~ScopedColourChooser();
    ScopedColourChooser(const ScopedColourChooser&) = delete;
    ScopedColourChooser& operator=(const ScopedColourChooser&) = delete;

private:
    ColourChooser previous_;
};

} // namespace vantrel
