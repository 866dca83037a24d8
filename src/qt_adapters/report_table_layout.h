#pragma once

#include "export/report_model.h"

#include <QFont>
#include <QStringList>

#include <vector>

class QPaintDevice;

namespace vantrel {

// The fonts of the documentation's pages, in the application's family.
struct ReportFonts
{
    QFont title;
    QFont subtitle;
    QFont heading;
    QFont caption;
    QFont body;
    QFont cell;
    QFont headerCell;

    static ReportFonts Make();
};

// A text broken into the lines that fit `width` with the metrics: at word
// boundaries, inside a word only where one word is wider than a line. A
// text that needs more than `maxLines` keeps that many, the last ending in
// an ellipsis.
QStringList WrapText(const QString& given, const QFont& font, const QPaintDevice& device,
                     double width, int maxLines);

// A table measured for a width: its columns and every row's lines, in the
// device's pixels.
struct TableLayout
{
    struct Row
    {
        std::vector<QStringList> cells;
        double height = 0;
    };

    std::vector<double> columns;
    Row header;
    std::vector<Row> rows;
    double padding = 0;
    double lineHeight = 0;
    double headerLineHeight = 0;
    double ascent = 0;
    double headerAscent = 0;

    double Width() const;
};

// Lays out the table in `width`: every column as wide as its widest text
// when they all fit, else the narrow ones so and the others sharing what is
// left, their texts wrapped; no row taller than `maxRowHeight`.
TableLayout LayOutTable(const ReportTable& table, const ReportFonts& fonts,
                        const QPaintDevice& device, double width, double maxRowHeight);

} // namespace vantrel
