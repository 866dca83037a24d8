#include "qt_adapters/report_table_layout.h"

#include "qt_adapters/qt_text.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QTextLayout>

#include <algorithm>
#include <numeric>

namespace vantrel {

namespace {

// The space around a cell's text, in points.
constexpr double kCellPaddingPoints = 2.5;

QFont Sized(double points, bool bold)
{
    QFont font = QGuiApplication::font();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

double Points(double points, const QPaintDevice& device)
{
    return points * device.logicalDpiY() / 72.0;
}

// The widest text of each column with its padding.
std::vector<double> NaturalWidths(const ReportTable& table, const QFontMetricsF& cell,
                                  const QFontMetricsF& header, double padding)
{
    std::vector<double> widths(table.header.size(), 0);
    for (std::size_t c = 0; c < widths.size(); ++c)
        widths[c] = header.horizontalAdvance(ToQString(table.header[c]));
    for (const auto& row : table.rows)
        for (std::size_t c = 0; c < widths.size() && c < row.size(); ++c)
            widths[c] = std::max(widths[c], cell.horizontalAdvance(ToQString(row[c])));
    for (double& width : widths)
        width += 2 * padding;
    return widths;
}

// Columns narrower than an even share keep their width; the others share
// the rest evenly, never below `least`. The last column takes what is left
// over when all fit.
std::vector<double> FittedWidths(std::vector<double> natural, double width, double least)
{
    const double total = std::accumulate(natural.begin(), natural.end(), 0.0);
    if (natural.empty())
        return natural;
    if (total <= width) {
        natural.back() += width - total;
        return natural;
    }
    std::vector<bool> fixed(natural.size(), false);
    double left = width;
    std::size_t open = natural.size();
    for (bool changed = true; changed && open > 0;) {
        changed = false;
        const double share = left / double(open);
        for (std::size_t c = 0; c < natural.size(); ++c) {
            if (!fixed[c] && natural[c] <= share) {
                fixed[c] = true;
                left -= natural[c];
                --open;
                changed = true;
            }
        }
    }
    const double share = open > 0 ? std::max(left / double(open), least) : 0;
    for (std::size_t c = 0; c < natural.size(); ++c)
        if (!fixed[c])
            natural[c] = share;
    return natural;
}

TableLayout::Row LayOutRow(const std::vector<std::u16string>& cells, const TableLayout& layout,
                           const QFont& font, const QPaintDevice& device, double lineHeight,
                           int maxLines)
{
    TableLayout::Row row;
    int lines = 1;
    for (std::size_t c = 0; c < layout.columns.size(); ++c) {
        const QString text = c < cells.size() ? ToQString(cells[c]) : QString();
        row.cells.push_back(
            WrapText(text, font, device, layout.columns[c] - 2 * layout.padding, maxLines));
        lines = std::max(lines, int(row.cells.back().size()));
    }
    row.height = lines * lineHeight + 2 * layout.padding;
    return row;
}

} // namespace

ReportFonts ReportFonts::Make()
{
    return {Sized(20, true), Sized(12, false), Sized(14, true), Sized(10, true),
            Sized(9, false), Sized(8, false),  Sized(8, true)};
}

QStringList WrapText(const QString& given, const QFont& font, const QPaintDevice& device,
                     double width, int maxLines)
{
    // A name may hold line breaks and tabs; a cell shows them as spaces.
    QString text = given;
    for (QChar& c : text)
        if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    const QFontMetricsF metrics(font, &device);
    // A column is made as wide as its widest text; its width less the
    // padding may come out a rounding below that text's advance.
    constexpr double kRounding = 0.5;
    if (text.isEmpty() || metrics.horizontalAdvance(text) <= width + kRounding)
        return {text};
    QTextLayout layout(text, font, &device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (int(lines.size()) + 1 == maxLines) {
            lines.append(metrics.elidedText(text.mid(line.textStart()), Qt::ElideRight, width));
            break;
        }
        lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines;
}

double TableLayout::Width() const
{
    return std::accumulate(columns.begin(), columns.end(), 0.0);
}

TableLayout LayOutTable(const ReportTable& table, const ReportFonts& fonts,
                        const QPaintDevice& device, double width, double maxRowHeight)
{
    const QFontMetricsF cell(fonts.cell, &device);
    const QFontMetricsF header(fonts.headerCell, &device);
    TableLayout layout;
    layout.padding = Points(kCellPaddingPoints, device);
    layout.lineHeight = cell.lineSpacing();
    layout.headerLineHeight = header.lineSpacing();
    layout.ascent = cell.ascent();
    layout.headerAscent = header.ascent();
    // No column narrower than four average characters and its padding.
    const double least = 4 * cell.averageCharWidth() + 2 * layout.padding;
    layout.columns = FittedWidths(NaturalWidths(table, cell, header, layout.padding), width, least);
    const int maxLines = std::max(1, int((maxRowHeight - 2 * layout.padding) / layout.lineHeight));
    layout.header = LayOutRow(table.header, layout, fonts.headerCell, device,
                              layout.headerLineHeight, maxLines);
    layout.rows.reserve(table.rows.size());
    for (const auto& row : table.rows)
        layout.rows.push_back(
            LayOutRow(row, layout, fonts.cell, device, layout.lineHeight, maxLines));
    return layout;
}

} // namespace vantrel
