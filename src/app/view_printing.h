#pragma once

#include <QSize>
#include <QString>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace vantrel {

class CVantrelDoc;
class CVantrelView;
struct ViewState;

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

// Print: the printer dialog, then the drawing.
void PrintView(QPrinter& printer, CVantrelView& view, const QString& title, QWidget* owner);
// Print Preview, remembering whether one or two pages were shown.
void PreviewView(QPrinter& printer, CVantrelView& view, const QString& title, QWidget* owner);
// Print Setup: the page and printer options used by the next print. The
// application keeps one printer for the session, so they hold until it ends.
void PrintSetup(QPrinter& printer, QWidget* owner);

} // namespace vantrel
