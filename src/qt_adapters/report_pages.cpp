#include "qt_adapters/report_pages.h"

#include "editing/view_state.h"
#include "qt_adapters/print_drawing.h"
#include "qt_adapters/report_table_layout.h"

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace vantrel {

namespace {

constexpr double kMarginMillimetres = 15;

QPageLayout A4(QPageLayout::Orientation orientation)
{
    const QMarginsF margins(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres,
                            kMarginMillimetres);
    return QPageLayout(QPageSize(QPageSize::A4), orientation, margins, QPageLayout::Millimeter);
}

} // namespace

QPageLayout ReportTextPageLayout()
{
    return A4(QPageLayout::Portrait);
}

QPageLayout ReportPicturePageLayout()
{
    return A4(QPageLayout::Landscape);
}

void SetUpReportWriter(QPdfWriter& writer, const QString& title)
{
    writer.setResolution(kReportDotsPerInch);
    writer.setPageLayout(ReportTextPageLayout());
    writer.setCreator(QStringLiteral("Vantrel"));
    writer.setTitle(title);
}

ReportPictures PlanReportPictures(QPainter& painter, CVantrelDoc& document,
                                  const ReportFonts& fonts)
{
    const QRect page = ReportPicturePageLayout().paintRectPixels(kReportDotsPerInch);
    const int footer = FooterBand(*painter.device());
    ReportPictures pictures;
    pictures.captionBand = 1.5 * QFontMetricsF(fonts.caption, painter.device()).lineSpacing();
    const SheetArea designArea{{page.width(), page.height() - footer}, kReportDotsPerInch};
    pictures.design = PlanPrint(painter, document, ViewState{}, kPreviewPictureSize, designArea);
    const SheetArea pageArea{{page.width(), page.height() - footer - int(pictures.captionBand)},
                             kReportDotsPerInch};
    pictures.pages = PlanPageSheets(
        document, {kPreviewPictureSize.width(), kPreviewPictureSize.height()}, pageArea);
    for (PrintSheet& sheet : pictures.pages.sheets)
        sheet.top += pictures.captionBand;
    return pictures;
}

} // namespace vantrel
