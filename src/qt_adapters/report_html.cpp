#include "qt_adapters/report_html.h"

#include "archive/text_codec.h"
#include "editing/page_image_cache.h"
#include "editing/view_state.h"
#include "qt_adapters/picture_files.h"
#include "qt_adapters/print_drawing.h"
#include "qt_adapters/report_pages.h"
#include "qt_adapters/report_table_layout.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include <optional>

namespace vantrel {

namespace {

// Tables scroll sideways inside their box instead of widening the page, and
// pictures shrink to the width of the screen, so a phone shows everything.
constexpr char kStyle[] =
    "body{font-family:sans-serif;color:#111;margin:0 auto;max-width:60em;padding:0 1em}"
    "h1{margin-bottom:0}.subtitle{margin-top:0;color:#555}"
    ".scroll{overflow-x:auto;margin:0 0 1em}"
    "table{border-collapse:collapse;font-size:.9em}"
    "th,td{border-bottom:1px solid #ccc;padding:.2em .6em;text-align:left;vertical-align:top}"
    "th{background:#e8e8e8}"
    "figure{margin:1em 0}figure svg{display:block;width:100%;height:auto;"
    "border:1px solid #ccc}"
    "nav ol ol{font-size:.9em}";

// Text as XML character data: the five special characters escaped, and the
// characters XML does not allow (control characters, lone surrogates)
// replaced.
std::string Escaped(std::u16string_view text)
{
    std::u16string clean(text);
    for (std::size_t i = 0; i < clean.size(); ++i) {
        const char16_t c = clean[i];
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        const bool low = c >= 0xDC00 && c <= 0xDFFF;
        const bool pairedHigh =
            high && i + 1 < clean.size() && clean[i + 1] >= 0xDC00 && clean[i + 1] <= 0xDFFF;
        if (pairedHigh) {
            ++i;
            continue;
        }
        if ((c < 0x20 && c != u'\t' && c != u'\n') || high || low || c == 0xFFFE || c == 0xFFFF)
            clean[i] = u' ';
    }
    std::string escaped;
    for (const char c : ToUtf8(clean)) {
        switch (c) {
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '&':
            escaped += "&amp;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&#39;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string SectionId(std::size_t section)
{
    return "section-" + std::to_string(section + 1);
}

// The picture of a sheet's source at its own size, as an SVG element.
class SvgPictures
{
public:
    SvgPictures(CVantrelDoc& document, const ImageCodec& codec)
        : document_(document), pageImages_(codec)
    {}

    std::optional<std::string> Sheet(const PrintSheet& sheet)
    {
        PrintSheet atOwnSize = sheet;
        atOwnSize.scale = 1;
        atOwnSize.left = 0;
        atOwnSize.top = 0;
        const QByteArray svg =
            EncodePicture(PictureFormat::Svg, QSize(sheet.source.Width(), sheet.source.Height()), 1,
                          [&](QPainter& painter, int) {
                              PaintSheet(painter, document_, ViewState{}, atOwnSize, pageImages_);
                          });
        if (svg.isEmpty())
            return std::nullopt;
        // The element alone, without the XML declaration of a file.
        const qsizetype start = svg.indexOf("<svg");
        if (start < 0)
            return std::nullopt;
        return svg.mid(start).toStdString();
    }

private:
    CVantrelDoc& document_;
    PageImageCache pageImages_;
};

class HtmlWriter
{
public:
    HtmlWriter(const DesignReport& report, const ReportPictures& pictures, SvgPictures& svg)
        : report_(report), pictures_(pictures), svg_(svg)
    {}

    std::optional<std::string> Write()
    {
        const std::string title = Escaped(report_.title);
        html_ = "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n"
                "<head>\n<meta charset=\"utf-8\"/>\n"
                "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"/>\n"
                "<title>" +
                title + " \u2014 Design documentation</title>\n<style>" + kStyle +
                "</style>\n</head>\n<body>\n<header id=\"title\">\n<h1>" + title +
                "</h1>\n<p class=\"subtitle\">Design documentation</p>\n";
        for (const ReportBlock& block : report_.titlePage)
            if (!Block(block, "title", 0))
                return std::nullopt;
        html_ += "</header>\n";
        Contents();
        for (std::size_t s = 0; s < report_.sections.size(); ++s) {
            const ReportSection& section = report_.sections[s];
            html_ +=
                "<section id=\"" + SectionId(s) + "\">\n<h2>" + Escaped(section.title) + "</h2>\n";
            for (std::size_t b = 0; b < section.blocks.size(); ++b)
                if (!Block(section.blocks[b], SectionId(s), b))
                    return std::nullopt;
            html_ += "</section>\n";
        }
        html_ += "</body>\n</html>\n";
        return std::move(html_);
    }

private:
    // The place of a picture in the page: its section, block and sheet.
    static std::string PictureId(const std::string& section, std::size_t block, std::size_t sheet)
    {
        return section + "-" + std::to_string(block + 1) + "-" + std::to_string(sheet + 1);
    }

    void Contents()
    {
        html_ += "<nav id=\"contents\">\n<h2>Contents</h2>\n<ol>\n";
        for (std::size_t s = 0; s < report_.sections.size(); ++s) {
            const ReportSection& section = report_.sections[s];
            html_ += "<li><a href=\"#" + SectionId(s) + "\">" + Escaped(section.title) + "</a>";
            std::string pictures;
            for (std::size_t b = 0; b < section.blocks.size(); ++b)
                for (const auto& [name, sheet] : PictureNames(section, section.blocks[b]))
                    pictures += "<li><a href=\"#" + PictureId(SectionId(s), b, sheet) + "\">" +
                                Escaped(name) + "</a></li>\n";
            if (!pictures.empty())
                html_ += "\n<ol>\n" + pictures + "</ol>\n";
            html_ += "</li>\n";
        }
        html_ += "</ol>\n</nav>\n";
    }

    // The pictures a block stands for: their names and their sheets.
    std::vector<std::pair<std::u16string, std::size_t>> PictureNames(const ReportSection& section,
                                                                     const ReportBlock& block) const
    {
        std::vector<std::pair<std::u16string, std::size_t>> names;
        if (std::holds_alternative<ReportSheets>(block))
            for (std::size_t i = 0; i < pictures_.design.sheets.size(); ++i)
                names.emplace_back(section.title + u", " + SheetName(pictures_.design, i), i);
        if (const auto* page = std::get_if<ReportPagePicture>(&block))
            for (std::size_t i = 0; i < pictures_.pages.sheets.size(); ++i)
                if (pictures_.pages.sheets[i].page == page->page)
                    names.emplace_back(page->caption, i);
        return names;
    }

    bool Block(const ReportBlock& block, const std::string& section, std::size_t index)
    {
        if (const auto* table = std::get_if<ReportTable>(&block)) {
            Table(*table);
            return true;
        }
        if (const auto* paragraph = std::get_if<ReportParagraph>(&block)) {
            html_ += "<p>" + Escaped(paragraph->text) + "</p>\n";
            return true;
        }
        const bool design = std::holds_alternative<ReportSheets>(block);
        const PrintPlan& plan = design ? pictures_.design : pictures_.pages;
        for (const auto& [name, sheet] : PictureNames({}, block)) {
            const std::optional<std::string> svg = svg_.Sheet(plan.sheets[sheet]);
            if (!svg)
                return false;
            const std::u16string caption = design ? SheetFooter(report_.title, plan, sheet) : name;
            html_ += "<figure id=\"" + PictureId(section, index, sheet) + "\">\n" + *svg +
                     "<figcaption>" + Escaped(caption) + "</figcaption>\n</figure>\n";
        }
        return true;
    }

    void Table(const ReportTable& table)
    {
        if (!table.caption.empty())
            html_ += "<h3>" + Escaped(table.caption) + "</h3>\n";
        html_ += "<div class=\"scroll\">\n<table>\n<thead>\n<tr>";
        for (const std::u16string& cell : table.header)
            html_ += "<th>" + Escaped(cell) + "</th>";
        html_ += "</tr>\n</thead>\n<tbody>\n";
        for (const auto& row : table.rows) {
            html_ += "<tr>";
            for (const std::u16string& cell : row)
                html_ += "<td>" + Escaped(cell) + "</td>";
            html_ += "</tr>\n";
        }
        html_ += "</tbody>\n</table>\n</div>\n";
    }

    const DesignReport& report_;
    const ReportPictures& pictures_;
    SvgPictures& svg_;
    std::string html_;
};

// The sheets as the PDF has them: planned on a writer of the same pages.
ReportPictures PlanPictures(CVantrelDoc& document, const QString& title)
{
    QByteArray scratch;
    QBuffer buffer(&scratch);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    SetUpReportWriter(writer, title);
    QPainter painter(&writer);
    return PlanReportPictures(painter, document, ReportFonts::Make());
}

} // namespace

std::vector<std::uint8_t> ReportHtml(const DesignReport& report, CVantrelDoc& document,
                                     const ImageCodec& codec)
{
    const ReportPictures pictures = PlanPictures(document, QString::fromStdU16String(report.title));
    SvgPictures svg(document, codec);
    const std::optional<std::string> html = HtmlWriter(report, pictures, svg).Write();
    if (!html)
        return {};
    return {html->begin(), html->end()};
}

} // namespace vantrel
