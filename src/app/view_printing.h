#pragma once

class QPrinter;
class QWidget;

namespace vantrel {

class CVantrelView;

// Printing the view's picture: the picture the view shows for its current
// client size, scaled to fit the printable page and centred on it.
void PrintPicture(QPrinter& printer, CVantrelView& view);

// Print: the printer dialog, then the picture.
void PrintView(QPrinter& printer, CVantrelView& view, QWidget* owner);
// Print Preview, remembering whether one or two pages were shown.
void PreviewView(QPrinter& printer, CVantrelView& view, QWidget* owner);
// Print Setup: the page and printer options used by the next print.
void PrintSetup(QPrinter& printer, QWidget* owner);

} // namespace vantrel
