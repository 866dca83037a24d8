#include "editor/picture_renderer.h"

#include "document/vantrel_doc.h"
#include "editor/schematic_renderer.h"
#include "editor/view_state.h"
#include "platform/qt/qpainter_surface.h"
#include "platform/qt/qt_image.h"

namespace vantrel {

void RenderViewPicture(QPainter& painter, CVantrelDoc& document, const ViewState& state,
                       QSize client, const Image* scaledBackground)
{
    QPainterSurface surface(painter);
    const Rect rect{0, 0, client.width(), client.height()};
    if (state.InDesign())
        DrawDesignPicture(surface, document, state, rect);
    else
        DrawPreviewPicture(surface, document, state, rect, scaledBackground);
}

Image ScaledPageBackground(const CVantrelDoc& document, int page, QSize size)
{
    if (page < 0 || std::size_t(page) >= document.pageBackgrounds.size())
        return {};
    const Image& image = document.pageBackgrounds[std::size_t(page)];
    if (image.IsEmpty() || size.isEmpty())
        return {};
    return FromQImage(
        WrapAsQImage(image).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

} // namespace vantrel
