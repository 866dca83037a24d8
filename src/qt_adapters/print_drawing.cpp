#include "qt_adapters/print_drawing.h"

#include "editing/page_image_cache.h"
#include "qt_adapters/picture_files.h"
#include "qt_adapters/qpainter_surface.h"
#include "qt_adapters/qt_image_codec.h"
#include "qt_adapters/qt_text.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>

namespace vantrel {

namespace {

constexpr double kFooterPoints = 8;
// Between the drawing's area and the footer: a sixteenth of an inch.
constexpr double kFooterGapInches = 1.0 / 16;

} // namespace

QFont FooterFont()
{
    QFont font = QGuiApplication::font();
    font.setPointSizeF(kFooterPoints);
    return font;
}

int FooterBand(const QPaintDevice& device)
{
    return QFontMetrics(FooterFont(), &device).height() +
           int(kFooterGapInches * device.logicalDpiY());
}

PrintPlan PlanPrint(QPainter& painter, CVantrelDoc& document, const ViewState& view, QSize client,
                    const SheetArea& area)
{
    if (!view.InDesign())
        return PlanPageSheets(document, {client.width(), client.height()}, area);
    painter.save();
    UsePictureFont(painter);
    PrintPlan plan;
    {
        QPainterSurface metrics(painter);
        plan = PlanDesignSheets(metrics, document, view, area);
    }
    painter.restore();
    return plan;
}

void PaintSheet(QPainter& painter, CVantrelDoc& document, const ViewState& view,
                const PrintSheet& sheet, PageImageCache& pageImages)
{
    painter.save();
    painter.translate(sheet.left, sheet.top);
    painter.scale(sheet.scale, sheet.scale);
    painter.translate(-sheet.source.left, -sheet.source.top);
    painter.setClipRect(
        QRect(sheet.source.left, sheet.source.top, sheet.source.Width(), sheet.source.Height()));
    UsePictureFont(painter);
    {
        QPainterSurface surface(painter);
        DrawSheet(surface, document, view, sheet, pageImages.Page(document, sheet.page));
    }
    painter.restore();
}

void PaintFooter(QPainter& painter, QSize printable, const std::u16string& text)
{
    painter.save();
    painter.setFont(FooterFont());
    {
        QPainterSurface surface(painter);
        surface.SetBackgroundMode(BackgroundMode::Transparent);
        const Size extent = surface.TextExtent(text);
        surface.DrawText((printable.width() - extent.width) / 2, printable.height() - extent.height,
                         text);
    }
    painter.restore();
}

bool PrintDrawing(QPagedPaintDevice& device, CVantrelDoc& document, const ViewState& view,
                  QSize client, const QString& title)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QSize printable(device.width(), device.height());
    const SheetArea area{{printable.width(), printable.height() - FooterBand(device)},
                         double(device.logicalDpiY())};
    const PrintPlan plan = PlanPrint(painter, document, view, client.expandedTo(QSize(1, 1)), area);
    const std::u16string name = FromQString(title);
    // Sheets go page by page, so one decoded page image at a time.
    const QtImageCodec codec;
    PageImageCache pageImages(codec);
    for (std::size_t i = 0; i < plan.sheets.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        PaintSheet(painter, document, view, plan.sheets[i], pageImages);
        PaintFooter(painter, printable, SheetFooter(name, plan, i));
    }
    return painter.end();
}

} // namespace vantrel
