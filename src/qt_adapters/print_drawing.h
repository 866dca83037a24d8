#pragma once

#include "editing/print_layout.h"

#include <QFont>
#include <QSize>
#include <QString>

#include <string>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace vantrel {

class CVantrelDoc;
class PageImageCache;
struct ViewState;

// Printing draws the view's picture on sheets (print_layout.h) with a footer
// under each; the printed design and the design's documentation share it.

// The footer's font: the application's, at 8 points.
QFont FooterFont();

// The band at the bottom of the device's printable area that the footer and
// the gap above it take, in device pixels.
int FooterBand(const QPaintDevice& device);

// The sheets of the view's drawing in the area: the design's (measuring the
// labels in the picture font on the painter) in Design, a sheet for each
// preview page with its picture of the client size otherwise.
PrintPlan PlanPrint(QPainter& painter, CVantrelDoc& document, const ViewState& view, QSize client,
                    const SheetArea& area);

// Draws the sheet's part of the picture at its place, scaled and clipped,
// with the page background the sheet shows from `pageImages`.
void PaintSheet(QPainter& painter, CVantrelDoc& document, const ViewState& view,
                const PrintSheet& sheet, PageImageCache& pageImages);

// The footer centred at the bottom of the printable area.
void PaintFooter(QPainter& painter, QSize printable, const std::u16string& text);

// Prints the view's drawing on the device. In Design the whole design: on
// one sheet, fitted into the printable area with a margin, when it reads
// there, else split over several sheets at a readable scale. In Preview
// design every preview page on a sheet of its own, its picture of the
// client size fitted likewise. Figures, connections and texts are scaled
// together. Each sheet has the footer "TITLE — sheet I of N", and the
// sheet's row and column when the design is split. False when the device
// cannot be painted on.
bool PrintDrawing(QPagedPaintDevice& device, CVantrelDoc& document, const ViewState& view,
                  QSize client, const QString& title);

} // namespace vantrel
