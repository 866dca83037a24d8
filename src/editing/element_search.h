#pragma once

#include "graphics/geometry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

class CVantrelDoc;
class LogElement;
struct ViewState;

// One element as "Find Elements" lists it: its description and its id.
struct FoundEntry
{
    std::u16string text;
    std::int32_t id = 0;
    friend bool operator==(const FoundEntry&, const FoundEntry&) = default;
};

// Every element that has a description, element lists 0 to 7 in order and
// each list in its order. Elements without one can never be found.
std::vector<FoundEntry> DescribedElements(const CVantrelDoc& document);

// Puts the element with the id in the middle of a client area of the given
// size and makes it the only selected element; false (nothing changes) when
// no element has the id.
bool ShowFoundElement(const CVantrelDoc& document, ViewState& state, std::int32_t id, Size client);

// The same for an element already at hand.
void ShowElement(LogElement& element, ViewState& state, Size client);
// Puts the cell in the middle of the client area, leaving the selection.
void ShowCell(Point cell, ViewState& state, Size client);

} // namespace vantrel
