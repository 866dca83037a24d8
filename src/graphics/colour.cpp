#include "graphics/colour.h"

#include <cstdio>

namespace vantrel {

std::string HexColour(Colour colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", RedOf(colour), GreenOf(colour),
                  BlueOf(colour));
    return text;
}

} // namespace vantrel
