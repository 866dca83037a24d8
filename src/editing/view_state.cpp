#include "editing/view_state.h"

#include "elements/log_element.h"
#include "paint/paint_stuff.h"

namespace vantrel {

int ViewState::ElementSize() const
{
    return vantrel::ElementSize(zoom);
}

Point ViewState::DeviceToCell(Point device) const
{
    const double pitch = kCellPixels * zoom;
    return {int((device.x + pitch / 2) / pitch) + origin.x,
            int((device.y + pitch / 2) / pitch) + origin.y};
}

Point ViewState::CellToDevice(Point cell) const
{
    return CellToView(cell, origin, zoom);
}

} // namespace vantrel
