#include "app/tool_icons.h"

#include "app/command_table.h"
#include "app/symbol_surface.h"
#include "document/vantrel_doc.h"
#include "editing/ink_bounds.h"
#include "elements/element_drawing.h"
#include "elements/element_kinds.h"
#include "elements/gates.h"
#include "paint/paint_kinds.h"
#include "qt_adapters/qpainter_surface.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <functional>
#include <iterator>

namespace vantrel {

namespace {

const QColor kInk(0x20, 0x20, 0x20);
const QColor kAccent(0x1c, 0x5f, 0xb4);
const QColor kFill(0xf2, 0xc9, 0x4c);

QPixmap BlankPixmap(int side = kToolIconSize)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The drawings below are laid out on a 24 x 24 grid.
constexpr qreal kDrawingGrid = 24;

// An icon drawn with antialiasing on a transparent pixmap.
QIcon Drawn(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap = BlankPixmap();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kToolIconSize / kDrawingGrid, kToolIconSize / kDrawingGrid);
    painter.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

// Draws the element with its pin stubs in black, at anchor `anchor` and size
// r, without its labels, through `measure` when given (which then keeps the
// box of what would be drawn and leaves the device blank).
void DrawFigure(QPaintDevice& device, const LogElement& element, QPoint anchor, int r,
                int penWidth = 1, Rect* measure = nullptr)
{
    static CVantrelDoc emptyDesign;
    QPainter painter(&device);
    QFont font = painter.font();
    font.setPixelSize(std::max(8, r));
    painter.setFont(font);
    QPainterSurface canvas(painter);
    constexpr int kFar = 1 << 20;
    InkBounds box(canvas, Rect{-kFar, -kFar, kFar, kFar});
    SymbolSurface surface(measure ? static_cast<Surface&>(box) : canvas);
    surface.SetPen(Pen::Solid(penWidth, 0));
    surface.SetBrush(Brush::Hollow());
    surface.SetBackgroundMode(BackgroundMode::Transparent);
    DrawElementWithPins(surface, emptyDesign, element, anchor.x(), anchor.y(), r);
    if (measure)
        *measure = box.Bounds();
}

// The pixels a figure inks relative to its anchor. The figure is drawn on a
// scratch image just larger than the box its primitives span (which has room
// for every pen width), so only a few hundred pixels are searched.
QRect InkedPixels(const LogElement& element, int r)
{
    QImage probe(1, 1, QImage::Format_ARGB32);
    Rect box;
    DrawFigure(probe, element, {0, 0}, r, 1, &box);
    if (box.IsEmpty())
        return {};
    constexpr int kMargin = 4;
    const QPoint anchor(kMargin - box.left, kMargin - box.top);
    const int width = box.Width() + 2 * kMargin;
    const int height = box.Height() + 2 * kMargin;
    QImage scratch(width, height, QImage::Format_ARGB32);
    scratch.fill(Qt::transparent);
    DrawFigure(scratch, element, anchor, r);
    // Whole rows at a time: a row without ink is skipped by one search, and
    // an inked row only widens the bounds by its first and last ink.
    int left = width;
    int right = -1;
    int top = height;
    int bottom = -1;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        const auto inked = [](QRgb pixel) { return qAlpha(pixel) != 0; };
        const QRgb* first = std::find_if(row, row + width, inked);
        if (first == row + width)
            continue;
        const QRgb* last = std::find_if(std::make_reverse_iterator(row + width),
                                        std::make_reverse_iterator(first), inked)
                               .base() -
                           1;
        left = std::min(left, int(first - row));
        right = std::max(right, int(last - row));
        top = std::min(top, y);
        bottom = y;
    }
    if (right < 0)
        return {};
    return QRect(QPoint(left, top), QPoint(right, bottom)).translated(-anchor);
}

// The kind's figure at the largest size that fits the icon, centred.
QIcon ElementFigureIcon(const ElementKindRow& kind)
{
    const std::unique_ptr<LogElement> element = kind.make();
    constexpr int kRoom = kToolIconSize - 2;
    int r = kToolIconSize / 2;
    QRect bounds = InkedPixels(*element, r);
    while (r > 3 && (bounds.width() > kRoom || bounds.height() > kRoom))
        bounds = InkedPixels(*element, --r);
    QPixmap pixmap = BlankPixmap();
    const QPoint centreOffset((kToolIconSize - bounds.width()) / 2 - bounds.left(),
                              (kToolIconSize - bounds.height()) / 2 - bounds.top());
    DrawFigure(pixmap, *element, centreOffset, r);
    return QIcon(pixmap);
}

void DrawArrowPointer(QPainter& p)
{
    const QPointF arrow[] = {{6, 3},       {6, 19},      {10, 15.5}, {13, 21.5},
                             {15.5, 20.5}, {12.5, 14.5}, {18, 14.5}};
    p.setBrush(Qt::white);
    p.drawPolygon(arrow, int(std::size(arrow)));
}

void DrawConnectWire(QPainter& p)
{
    p.drawPolyline(QPolygonF({{4, 18}, {12, 18}, {12, 6}, {20, 6}}));
    p.setBrush(kAccent);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(4, 18), 2.5, 2.5);
    p.drawEllipse(QPointF(20, 6), 2.5, 2.5);
}

void DrawTextTool(QPainter& p, bool filled)
{
    if (filled) {
        p.setBrush(kFill);
        p.drawRect(QRectF(3.5, 3.5, 17, 17));
    }
    QFont font = p.font();
    font.setPixelSize(16);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QRectF(0, 0, kDrawingGrid, kDrawingGrid), Qt::AlignCenter, QStringLiteral("A"));
}

// The box the ellipse and rectangle tools show.
const QRectF kShapeBox(4.5, 6.5, 15, 11);

void DrawSquiggle(QPainter& p, bool /*filled*/)
{
    QPainterPath squiggle(QPointF(3, 17));
    squiggle.cubicTo(7, 7, 11, 21, 15, 11);
    p.drawPath(squiggle);
    p.setBrush(kFill);
    p.drawPolygon(QPolygonF({{15, 11}, {19, 3}, {22, 5}, {17, 13}}));
}

void DrawLineTool(QPainter& p, bool /*filled*/)
{
    p.drawLine(QPointF(4, 20), QPointF(20, 4));
}

void DrawEllipseTool(QPainter& p, bool filled)
{
    p.setBrush(filled ? QBrush(kFill) : QBrush());
    p.drawEllipse(kShapeBox);
}

void DrawRectangleTool(QPainter& p, bool filled)
{
    p.setBrush(filled ? QBrush(kFill) : QBrush());
    p.drawRect(kShapeBox);
}

// The picture of a paint kind's tool, by the icon its row names.
void DrawPaintKind(QPainter& p, const PaintKindRow& kind)
{
    using Drawing = void (*)(QPainter&, bool);
    // In the order of PaintIcon.
    static constexpr Drawing kDrawings[] = {DrawSquiggle, DrawLineTool, DrawEllipseTool,
                                            DrawRectangleTool, DrawTextTool};
    static_assert(std::size(kDrawings) == std::size_t(PaintIcon::Letter) + 1);
    kDrawings[std::size_t(kind.icon)](p, kind.filled);
}

void DrawScissors(QPainter& p)
{
    p.drawLine(QPointF(7, 3), QPointF(16, 16));
    p.drawLine(QPointF(17, 3), QPointF(8, 16));
    p.setPen(QPen(kAccent, 1.8));
    p.drawEllipse(QPointF(6.5, 18), 3, 3);
    p.drawEllipse(QPointF(17.5, 18), 3, 3);
}

void DrawPage(QPainter& p, const QRectF& page)
{
    p.setBrush(Qt::white);
    p.drawRect(page);
    for (qreal y = page.top() + 3; y < page.bottom() - 1; y += 3)
        p.drawLine(QPointF(page.left() + 2.5, y), QPointF(page.right() - 2.5, y));
}

// A sheet with its top right corner folded over.
void DrawNewSheet(QPainter& p)
{
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{5.5, 2.5}, {14.5, 2.5}, {19.5, 7.5}, {19.5, 21.5}, {5.5, 21.5}}));
    p.drawPolyline(QPolygonF({{14.5, 2.5}, {14.5, 7.5}, {19.5, 7.5}}));
}

void DrawOpenFolder(QPainter& p)
{
    p.setBrush(QColor(0xd9, 0xa4, 0x41));
    p.drawPolygon(
        QPolygonF({{2.5, 5.5}, {8.5, 5.5}, {10.5, 7.5}, {18.5, 7.5}, {18.5, 19.5}, {2.5, 19.5}}));
    p.setBrush(kFill);
    p.drawPolygon(QPolygonF({{2.5, 19.5}, {6.5, 11.5}, {22.5, 11.5}, {18.5, 19.5}}));
}

void DrawDisk(QPainter& p)
{
    p.setBrush(kAccent);
    p.drawPolygon(QPolygonF({{3.5, 3.5}, {17.5, 3.5}, {20.5, 6.5}, {20.5, 20.5}, {3.5, 20.5}}));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7.5, 3.5, 9, 6));
    p.drawRect(QRectF(6.5, 13.5, 11, 7));
}

void DrawCopy(QPainter& p)
{
    DrawPage(p, QRectF(3.5, 2.5, 11, 14));
    DrawPage(p, QRectF(9.5, 7.5, 11, 14));
}

void DrawPaste(QPainter& p)
{
    p.setBrush(QColor(0xc0, 0x8a, 0x4a));
    p.drawRoundedRect(QRectF(3.5, 4.5, 14, 17), 1.5, 1.5);
    p.setBrush(QColor(0x9a, 0x9a, 0x9a));
    p.drawRect(QRectF(7.5, 2.5, 6, 4));
    DrawPage(p, QRectF(10.5, 9.5, 10, 12));
}

void DrawPrinter(QPainter& p)
{
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7.5, 2.5, 9, 7));
    p.setBrush(QColor(0xb8, 0xb8, 0xb8));
    p.drawRoundedRect(QRectF(2.5, 9.5, 19, 9), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 15.5, 11, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2e, 0xa0, 0x43));
    p.drawEllipse(QPointF(18.5, 12.5), 1.2, 1.2);
}

void DrawHelp(QPainter& p)
{
    p.setBrush(kAccent);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
    QFont font = p.font();
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, kDrawingGrid, kDrawingGrid), Qt::AlignCenter, QStringLiteral("?"));
}

} // namespace

QIcon CommandIcon(int id)
{
    if (const ElementKindRow* kind = FindElementKind(id))
        return ElementFigureIcon(*kind);
    if (const PaintKindRow* kind = FindPaintKind(id))
        return Drawn([kind](QPainter& p) { DrawPaintKind(p, *kind); });
    const CommandLook* look = FindCommandLook(id);
    if (!look)
        return {};
    static constexpr std::pair<ButtonPicture, void (*)(QPainter&)> kDrawings[] = {
        {ButtonPicture::Pointer, DrawArrowPointer},
        {ButtonPicture::ConnectWire, DrawConnectWire},
        {ButtonPicture::NewSheet, DrawNewSheet},
        {ButtonPicture::OpenFolder, DrawOpenFolder},
        {ButtonPicture::Disk, DrawDisk},
        {ButtonPicture::Scissors, DrawScissors},
        {ButtonPicture::Copy, DrawCopy},
        {ButtonPicture::Paste, DrawPaste},
        {ButtonPicture::Printer, DrawPrinter},
        {ButtonPicture::Help, DrawHelp},
    };
    for (const auto& [picture, draw] : kDrawings)
        if (picture == look->icon)
            return Drawn(draw);
    return {};
}

QIcon ApplicationIcon()
{
    constexpr int kSide = 64;
    QPixmap tile = BlankPixmap(kSide);
    {
        QPainter painter(&tile);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kAccent);
        painter.drawRoundedRect(QRectF(2, 2, kSide - 4, kSide - 4), 10, 10);
    }
    QImage figure(kSide, kSide, QImage::Format_ARGB32);
    figure.fill(Qt::transparent);
    DrawFigure(figure, LogAnd{}, {kSide / 2 - 4, kSide / 2}, 16, 3);
    // The figure is drawn in black; the tile shows it in white.
    QPainter painter(&tile);
    QImage white(figure.size(), QImage::Format_ARGB32);
    white.fill(Qt::white);
    QPainter mask(&white);
    mask.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    mask.drawImage(0, 0, figure);
    mask.end();
    painter.drawImage(0, 0, white);
    painter.end();
    return QIcon(tile);
}

} // namespace vantrel
