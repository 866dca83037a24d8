#include "dialogs/colour_chooser.h"

#include <QColorDialog>

#include <utility>

namespace vantrel {

namespace {

std::optional<Colour> DesktopColourDialog(QWidget* parent, Colour current)
{
    const QColor chosen = QColorDialog::getColor(ToQColor(current), parent);
    if (!chosen.isValid())
        return std::nullopt;
    return FromQColor(chosen);
}

ColourChooser& CurrentChooser()
{
    static ColourChooser chooser = DesktopColourDialog;
    return chooser;
}

} // namespace

QColor ToQColor(Colour colour)
{
    return {RedOf(colour), GreenOf(colour), BlueOf(colour)};
}

Colour FromQColor(const QColor& colour)
{
    return Rgb(std::uint8_t(colour.red()), std::uint8_t(colour.green()),
               std::uint8_t(colour.blue()));
}

std::optional<Colour> ChooseColour(QWidget* parent, Colour current)
{
    return CurrentChooser()(parent, current);
}

ScopedColourChooser::ScopedColourChooser(ColourChooser chooser)
    : previous_(std::exchange(CurrentChooser(), std::move(chooser)))
{}

ScopedColourChooser::~ScopedColourChooser()
{
    CurrentChooser() = std::move(previous_);
}

} // namespace vantrel
