#include "qt_adapters/block_thumbnail.h"

#include "document/notifier.h"
#include "document/vantrel_doc.h"
#include "editing/canvas_geometry.h"
#include "editing/logic_block.h"
#include "editing/schematic_renderer.h"
#include "editing/view_state.h"
#include "qt_adapters/picture_files.h"
#include "qt_adapters/qpainter_surface.h"

namespace vantrel {

std::vector<std::uint8_t> BlockThumbnail(const LogicBlock& block)
{
    SilentNotifier notifier;
    CVantrelDoc document(&notifier);
    ViewState state;
    if (!PlaceLogicBlock(document, state, block, Point{0, 0}))
        return {};
    state.logicSelection.clear(); // drawn as placed, not as selected
    const Size size{kBlockThumbnailWidth, kBlockThumbnailHeight};
    ShowWholeDesign(state, document, size);
    const QByteArray png = EncodePicture(PictureFormat::Png, QSize(size.width, size.height), 1,
                                         [&](QPainter& painter, int) {
                                             // The elements alone: no status text in so small a
                                             // picture.
                                             QPainterSurface surface(painter);
                                             const Rect client{0, 0, size.width, size.height};
                                             surface.FillRectangle(client, Rgb(255, 255, 255));
                                             surface.SetBrush(Brush::Hollow());
                                             surface.SetBackgroundMode(BackgroundMode::Transparent);
                                             DrawDesignElements(surface, document, state, client);
                                         });
    const auto* data = reinterpret_cast<const std::uint8_t*>(png.constData());
    return {data, data + png.size()};
}

} // namespace vantrel
