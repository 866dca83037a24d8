#include "qt_adapters/block_thumbnail.h"

#include "document/notifier.h"
#include "document/vantrel_doc.h"
#include "editing/canvas_geometry.h"
#include "editing/logic_block.h"
#include "editing/schematic_renderer.h"
#include "editing/view_state.h"
#include "qt_adapters/picture_files.h"
#include "qt_adapters/qpainter_surface.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace vantrel {

namespace {

// The largest picture a block is first drawn into, before it is cut to
// what was drawn and shrunk to the thumbnail.
constexpr int kLargestDrawing = 1600;
// White left around the elements in the thumbnail.
constexpr int kThumbnailMargin = 4;

// The elements drawn as the editor draws them, at most at their size in
// the editor, with a cell of margin all round (a figure reaches out of its
// cell on every side).
QImage DrawPlaced(CVantrelDoc& document, ViewState& state)
{
    Point first = state.logicSelection.front()->pos;
    Point last = first;
    for (const LogElement* element : state.logicSelection) {
        first = {std::min(first.x, element->pos.x), std::min(first.y, element->pos.y)};
        last = {std::max(last.x, element->pos.x), std::max(last.y, element->pos.y)};
    }
    state.logicSelection.clear(); // drawn as placed, not as selected
    const auto extent = [](int from, int to) {
        return int(std::min<double>((double(to) - from + 2) * kCellPixels, kLargestDrawing));
    };
    const Size size{extent(first.x, last.x), extent(first.y, last.y)};
    FitCells(state, first, last, size, 1.0);
    QImage image(size.width, size.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    // The elements alone: no status text in so small a picture.
    QPainterSurface surface(painter);
    surface.SetBrush(Brush::Hollow());
    surface.SetBackgroundMode(BackgroundMode::Transparent);
    DrawDesignElements(surface, document, state, Rect{0, 0, size.width, size.height});
    return image;
}

// The smallest rectangle holding every pixel that is not white; empty for
// a white image.
QRect DrawnPart(const QImage& image)
{
    const QRgb white = qRgb(255, 255, 255);
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == white)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

std::vector<std::uint8_t> BlockThumbnail(const LogicBlock& block)
{
    SilentNotifier notifier;
    CVantrelDoc document(&notifier);
    ViewState state;
    if (!PlaceLogicBlock(document, state, block, Point{0, 0}))
        return {};
    const QImage drawing = DrawPlaced(document, state);
    const QRect drawn = DrawnPart(drawing);
    const QSize size(kBlockThumbnailWidth, kBlockThumbnailHeight);
    // Shrunk to fit, never enlarged, and centred.
    const QSize room = size - QSize(2 * kThumbnailMargin, 2 * kThumbnailMargin);
    QSize shown = drawn.size();
    if (shown.width() > room.width() || shown.height() > room.height())
        shown.scale(room, Qt::KeepAspectRatio);
    const QRect target(
        QPoint((size.width() - shown.width()) / 2, (size.height() - shown.height()) / 2), shown);
    const QByteArray png = EncodePicture(PictureFormat::Png, size, 1, [&](QPainter& painter, int) {
        painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
        if (drawn.isEmpty())
            return;
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, drawing, drawn);
    });
    const auto* data = reinterpret_cast<const std::uint8_t*>(png.constData());
    return {data, data + png.size()};
}

} // namespace vantrel
