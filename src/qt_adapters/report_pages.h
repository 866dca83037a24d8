#pragma once

#include "editing/print_layout.h"

#include <QPageLayout>
#include <QSize>
#include <QString>

class QPainter;
class QPdfWriter;

namespace vantrel {

class CVantrelDoc;
struct ReportFonts;

// The pages of the documentation: A4 with margins of 15 mm, at the
// resolution of a printer's high resolution, text pages upright, the
// schematic's sheets and the preview pages across.
constexpr int kReportDotsPerInch = 1200;
QPageLayout ReportTextPageLayout();
QPageLayout ReportPicturePageLayout();

// A preview page is drawn as the command line renders it by default: a
// client area of 800 by 600 pixels.
inline constexpr QSize kPreviewPictureSize{800, 600};

// Sets the writer up for the documentation's first page, named `title`.
void SetUpReportWriter(QPdfWriter& writer, const QString& title);

// The pictures' sheets: the schematic's as File > Print plans them for a
// picture page above its footer, the preview pages' each fitted below a
// caption band of `captionBand` pixels.
struct ReportPictures
{
    PrintPlan design;
    PrintPlan pages;
    double captionBand = 0;
};

// Plans the sheets with the painter, which paints on a writer set up for
// the documentation (the labels are measured in its picture font).
ReportPictures PlanReportPictures(QPainter& painter, CVantrelDoc& document,
                                  const ReportFonts& fonts);

} // namespace vantrel
