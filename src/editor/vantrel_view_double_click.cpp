// A double click edits the properties of what lies under the pointer.
#include "editor/vantrel_view.h"

#include "editing/property_editing.h"

#include <QMouseEvent>

namespace vantrel {

void CVantrelView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const Point at{int(event->position().x()), int(event->position().y())};
        if (state_.InDesign())
            EditElementProperties(document_, dialogs_, state_.DeviceToCell(at));
        else
            DoubleClickInPreview(at);
        Redraw();
    }
    QAbstractScrollArea::mouseDoubleClickEvent(event);
}

} // namespace vantrel
