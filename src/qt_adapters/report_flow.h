#pragma once

#include "export/report_model.h"
#include "qt_adapters/report_table_layout.h"

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <span>
#include <vector>

class QPaintDevice;

namespace vantrel {

// A line of text on a page: its baseline's start, in the device's pixels
// from the top-left corner of the area pages are filled in.
struct PlacedText
{
    QPointF baseline;
    QString text;
    const QFont* font = nullptr;
};

// What a page of text shows.
struct TextPage
{
    std::vector<QRectF> shades; // the header rows' backgrounds
    std::vector<QLineF> rules;
    std::vector<PlacedText> texts;

    bool IsEmpty() const { return shades.empty() && rules.empty() && texts.empty(); }
};

// Where something begins: the page (0 for the first the flow filled) and
// the height on it.
struct FlowPlace
{
    int page = 0;
    double y = 0;
};

// Lays text out top to bottom over pages of one area, starting a page where
// the next thing does not fit: headings stay with the start of what follows
// them, tables break between rows and repeat their header row, no row is cut.
class ReportFlow
{
public:
    ReportFlow(const ReportFonts& fonts, const QPaintDevice& device, QSizeF area);

    // The title of the document and a line under it.
    void Title(const QString& title, const QString& subtitle);
    // A section's heading and its tables and paragraphs (pictures are not
    // laid out here); where its heading went.
    FlowPlace Section(const QString& title, std::span<const ReportBlock> blocks);
    // Tables and paragraphs without a heading.
    void Blocks(std::span<const ReportBlock> blocks);
    // A line of a table of contents: the title (cut to fit, with an ellipsis),
    // indented by its level, and the page number at the right edge, in a
    // column as wide as `numberColumn`.
    void ContentsLine(const QString& title, int level, const QString& number,
                      const QString& numberColumn);
    // Whatever comes next goes on a new page.
    void Break() { breakPending_ = true; }

    // The pages begun so far, the one being filled included.
    int PageCount() const { return int(pages_.size()); }
    std::vector<TextPage> TakePages();

private:
    // Goes on to a new page unless `height` fits below what the page holds.
    void MakeRoom(double height);
    void NewPage();
    TextPage& Page() { return pages_.back(); }
    void Text(double x, double top, const QString& text, const QFont& font);
    void PlaceParagraph(const QString& text);
    void PlaceTable(const ReportTable& table, const TableLayout& layout);
    void PlaceRow(const TableLayout& layout, const TableLayout::Row& row, bool header);
    // The height the block needs on the page it starts on: a heading is kept
    // with it.
    double LeadHeight(const ReportBlock& block, const TableLayout* layout) const;
    void PlaceBlocks(std::span<const ReportBlock> blocks, const std::vector<TableLayout>& layouts);
    std::vector<TableLayout> LayOutTables(std::span<const ReportBlock> blocks) const;

    const ReportFonts& fonts_;
    const QPaintDevice& device_;
    QSizeF area_;
    std::vector<TextPage> pages_;
    double y_ = 0;
    bool breakPending_ = true;
    double gap_;
};

} // namespace vantrel
