#pragma once

#include <string>
#include <variant>
#include <vector>

namespace vantrel {

// The design's documentation as one document of sections, independent of the
// file it is written into: the PDF and the HTML writer both lay out this
// model, so they cannot disagree about what the documentation says.

struct ReportParagraph
{
    std::u16string text;
};

// A table with one header row; every row has as many cells as the header.
struct ReportTable
{
    // A heading of the table's own, for a section of several tables; may be empty.
    std::u16string caption;
    std::vector<std::u16string> header;
    std::vector<std::vector<std::u16string>> rows;
};

// The schematic as File > Print prints it: the writer plans the sheets for
// its own page, as printing plans them for the printer's.
struct ReportSheets
{};

// A preview page with its paint objects, as Preview design shows it.
struct ReportPagePicture
{
    int page = 0;
    std::u16string caption;
};

using ReportBlock = std::variant<ReportParagraph, ReportTable, ReportSheets, ReportPagePicture>;

struct ReportSection
{
    std::u16string title;
    std::vector<ReportBlock> blocks;
};

struct DesignReport
{
    // The design's name (its file name), on the title page and every footer.
    std::u16string title;
    // The title page's tables: the design's settings, its element counts and
    // the resource report.
    std::vector<ReportBlock> titlePage;
    // The sections in the order of the document; only those the design has
    // content for.
    std::vector<ReportSection> sections;
};

} // namespace vantrel
