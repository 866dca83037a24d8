#pragma once

#include "qt_adapters/print_drawing.h"

#include <QString>

class QPrinter;
class QWidget;

namespace vantrel {

class CVantrelView;

// Print: the printer dialog, then the drawing.
void PrintView(QPrinter& printer, CVantrelView& view, const QString& title, QWidget* owner);
// Print Preview, remembering whether one or two pages were shown.
void PreviewView(QPrinter& printer, CVantrelView& view, const QString& title, QWidget* owner);
// Print Setup: the page and printer options used by the next print. The
// application keeps one printer for the session, so they hold until it ends.
void PrintSetup(QPrinter& printer, QWidget* owner);

} // namespace vantrel
