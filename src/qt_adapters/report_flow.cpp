#include "qt_adapters/report_flow.h"

#include "qt_adapters/qt_text.h"

#include <QFontMetricsF>

#include <algorithm>

namespace vantrel {

namespace {

// A paragraph never ends a page with its text cut: it breaks between lines.
constexpr int kParagraphLines = 1 << 16;
// A row no taller than half a page.
constexpr double kRowShareOfPage = 0.5;
// The contents' lines a little apart, for the eye to follow across.
constexpr double kContentsLineSpacing = 1.4;

double LineSpacing(const QFont& font, const QPaintDevice& device)
{
    return QFontMetricsF(font, &device).lineSpacing();
}

} // namespace

ReportFlow::ReportFlow(const ReportFonts& fonts, const QPaintDevice& device, QSizeF area)
    : fonts_(fonts), device_(device), area_(area), gap_(LineSpacing(fonts.body, device))
{}

void ReportFlow::NewPage()
{
    pages_.emplace_back();
    y_ = 0;
    breakPending_ = false;
}

void ReportFlow::MakeRoom(double height)
{
    if (breakPending_ || pages_.empty() || (y_ > 0 && y_ + height > area_.height()))
        NewPage();
}

void ReportFlow::Text(double x, double top, const QString& text, const QFont& font)
{
    Page().texts.push_back({{x, top + QFontMetricsF(font, &device_).ascent()}, text, &font});
}

void ReportFlow::Title(const QString& title, const QString& subtitle)
{
    const double titleLine = LineSpacing(fonts_.title, device_);
    const double subtitleLine = LineSpacing(fonts_.subtitle, device_);
    const QStringList titleLines = WrapText(title, fonts_.title, device_, area_.width(), 3);
    MakeRoom(double(titleLines.size()) * titleLine + subtitleLine);
    for (const QString& line : titleLines) {
        Text(0, y_, line, fonts_.title);
        y_ += titleLine;
    }
    Text(0, y_, subtitle, fonts_.subtitle);
    y_ += subtitleLine + 2 * gap_;
}

std::vector<TableLayout> ReportFlow::LayOutTables(std::span<const ReportBlock> blocks) const
{
    std::vector<TableLayout> layouts(blocks.size());
    for (std::size_t i = 0; i < blocks.size(); ++i)
        if (const auto* table = std::get_if<ReportTable>(&blocks[i]))
            layouts[i] = LayOutTable(*table, fonts_, device_, area_.width(),
                                     area_.height() * kRowShareOfPage);
    return layouts;
}

double ReportFlow::LeadHeight(const ReportBlock& block, const TableLayout* layout) const
{
    if (const auto* table = std::get_if<ReportTable>(&block)) {
        const double caption = table->caption.empty() ? 0 : LineSpacing(fonts_.caption, device_);
        return caption + layout->header.height +
               (layout->rows.empty() ? 0 : layout->rows.front().height);
    }
    return LineSpacing(fonts_.body, device_);
}

FlowPlace ReportFlow::Section(const QString& title, std::span<const ReportBlock> blocks)
{
    const std::vector<TableLayout> layouts = LayOutTables(blocks);
    const double heading = LineSpacing(fonts_.heading, device_) + gap_ / 2;
    MakeRoom(heading + (blocks.empty() ? 0 : LeadHeight(blocks.front(), &layouts.front())));
    const FlowPlace place{PageCount() - 1, y_};
    Text(0, y_, title, fonts_.heading);
    y_ += heading;
    PlaceBlocks(blocks, layouts);
    return place;
}

void ReportFlow::Blocks(std::span<const ReportBlock> blocks)
{
    PlaceBlocks(blocks, LayOutTables(blocks));
}

void ReportFlow::PlaceBlocks(std::span<const ReportBlock> blocks,
                             const std::vector<TableLayout>& layouts)
{
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        if (const auto* table = std::get_if<ReportTable>(&blocks[i]))
            PlaceTable(*table, layouts[i]);
        else if (const auto* paragraph = std::get_if<ReportParagraph>(&blocks[i]))
            PlaceParagraph(ToQString(paragraph->text));
    }
    y_ += gap_;
}

void ReportFlow::PlaceParagraph(const QString& text)
{
    const double line = LineSpacing(fonts_.body, device_);
    for (const QString& part :
         WrapText(text, fonts_.body, device_, area_.width(), kParagraphLines)) {
        MakeRoom(line);
        Text(0, y_, part, fonts_.body);
        y_ += line;
    }
    y_ += gap_ / 2;
}

void ReportFlow::PlaceTable(const ReportTable& table, const TableLayout& layout)
{
    MakeRoom(LeadHeight(table, &layout));
    if (!table.caption.empty()) {
        Text(0, y_, ToQString(table.caption), fonts_.caption);
        y_ += LineSpacing(fonts_.caption, device_);
    }
    PlaceRow(layout, layout.header, true);
    for (const TableLayout::Row& row : layout.rows) {
        if (y_ + row.height > area_.height()) {
            NewPage();
            PlaceRow(layout, layout.header, true);
        }
        PlaceRow(layout, row, false);
    }
    y_ += gap_ / 2;
}

void ReportFlow::PlaceRow(const TableLayout& layout, const TableLayout::Row& row, bool header)
{
    const double width = layout.Width();
    if (header)
        Page().shades.emplace_back(0, y_, width, row.height);
    const QFont& font = header ? fonts_.headerCell : fonts_.cell;
    const double ascent = header ? layout.headerAscent : layout.ascent;
    const double lineHeight = header ? layout.headerLineHeight : layout.lineHeight;
    double x = 0;
    for (std::size_t c = 0; c < row.cells.size(); ++c) {
        double baseline = y_ + layout.padding + ascent;
        for (const QString& line : row.cells[c]) {
            if (!line.isEmpty())
                Page().texts.push_back({{x + layout.padding, baseline}, line, &font});
            baseline += lineHeight;
        }
        x += layout.columns[c];
    }
    y_ += row.height;
    Page().rules.emplace_back(0, y_, width, y_);
}

void ReportFlow::ContentsLine(const QString& title, int level, const QString& number,
                              const QString& numberColumn)
{
    const double line = kContentsLineSpacing * LineSpacing(fonts_.body, device_);
    MakeRoom(line);
    const QFontMetricsF metrics(fonts_.body, &device_);
    const double indent = level * 4 * metrics.averageCharWidth();
    const double column = metrics.horizontalAdvance(numberColumn) + 2 * metrics.averageCharWidth();
    const QString shown =
        metrics.elidedText(title, Qt::ElideRight, std::max(area_.width() - indent - column, 0.0));
    Text(indent, y_, shown, fonts_.body);
    // Dots lead the eye from the title to its page number.
    const double leaderStart = indent + metrics.horizontalAdvance(shown + QLatin1Char(' '));
    const double leaderEnd = area_.width() - column + metrics.averageCharWidth();
    const double dot = metrics.horizontalAdvance(QStringLiteral(" ."));
    if (leaderEnd > leaderStart + dot)
        Text(leaderStart, y_, QStringLiteral(" .").repeated(int((leaderEnd - leaderStart) / dot)),
             fonts_.body);
    Text(area_.width() - metrics.horizontalAdvance(number), y_, number, fonts_.body);
    y_ += line;
}

std::vector<TextPage> ReportFlow::TakePages()
{
    if (!pages_.empty() && pages_.back().IsEmpty())
        pages_.pop_back();
    return std::move(pages_);
}

} // namespace vantrel
