#include "qt_adapters/report_pdf.h"

#include "archive/text_codec.h"
#include "editing/page_image_cache.h"
#include "editing/view_state.h"
#include "export/pdf_outline.h"
#include "qt_adapters/print_drawing.h"
#include "qt_adapters/qt_text.h"
#include "qt_adapters/report_flow.h"
#include "qt_adapters/report_pages.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace vantrel {

namespace {

enum class PageKind
{
    Text,
    Sheet,
    Preview,
};

// A page after the contents: a page of text, a sheet of the schematic or a
// preview page, by its place in the text pages or in the sheets' plans.
struct BodyPage
{
    PageKind kind;
    std::size_t index;
    // A preview page's caption.
    std::u16string caption;
};

// A line of the contents and an entry of the outline.
struct Entry
{
    std::u16string title;
    int level;
    std::size_t bodyPage;
    double y;
};

struct DocumentLayout
{
    std::vector<TextPage> titlePages;
    std::vector<TextPage> contentsPages;
    std::vector<TextPage> textPages;
    std::vector<BodyPage> body;
    std::vector<Entry> entries;

    std::size_t FirstBodyPage() const { return titlePages.size() + contentsPages.size(); }
    std::size_t PageCount() const { return FirstBodyPage() + body.size(); }
};

bool IsPicture(const ReportBlock& block)
{
    return std::holds_alternative<ReportSheets>(block) ||
           std::holds_alternative<ReportPagePicture>(block);
}

// Lays out the sections after the contents: text flows over text pages,
// each picture takes a page of its own.
class BodyLayout
{
public:
    BodyLayout(ReportFlow& flow, const ReportPictures& pictures, DocumentLayout& layout)
        : flow_(flow), pictures_(pictures), layout_(layout)
    {}

    // Text runs flow; each picture takes pages of its own. The section's
    // entry leads to what comes first.
    void Section(const ReportSection& section)
    {
        const std::span<const ReportBlock> blocks = section.blocks;
        placed_ = false;
        std::size_t text = 0;
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            if (!IsPicture(blocks[i]))
                continue;
            if (i > text)
                PlaceText(section.title, blocks.subspan(text, i - text));
            PlacePicture(section.title, blocks[i]);
            text = i + 1;
        }
        if (text < blocks.size() || !placed_)
            PlaceText(section.title, blocks.subspan(text));
    }

    void Finish()
    {
        Sync();
        layout_.textPages = flow_.TakePages();
    }

private:
    // The flow's new pages join the body where the flow is now.
    void Sync()
    {
        while (flowPages_.size() < std::size_t(flow_.PageCount())) {
            flowPages_.push_back(layout_.body.size());
            layout_.body.push_back({PageKind::Text, flowPages_.size() - 1, {}});
        }
    }

    void PlaceText(const std::u16string& title, std::span<const ReportBlock> blocks)
    {
        if (placed_) {
            flow_.Blocks(blocks);
            return;
        }
        const FlowPlace place = flow_.Section(ToQString(title), blocks);
        Sync();
        layout_.entries.push_back({title, 0, flowPages_.at(std::size_t(place.page)), place.y});
        placed_ = true;
    }

    void PlacePicture(const std::u16string& title, const ReportBlock& block)
    {
        Sync();
        flow_.Break();
        if (!placed_)
            layout_.entries.push_back({title, 0, layout_.body.size(), 0});
        placed_ = true;
        if (std::holds_alternative<ReportSheets>(block)) {
            const PrintPlan& plan = pictures_.design;
            for (std::size_t i = 0; i < plan.sheets.size(); ++i)
                Add({PageKind::Sheet, i, {}}, title + u", " + SheetName(plan, i));
            return;
        }
        const auto& picture = std::get<ReportPagePicture>(block);
        const auto& sheets = pictures_.pages.sheets;
        const auto sheet = std::find_if(sheets.begin(), sheets.end(), [&](const PrintSheet& s) {
            return s.page == picture.page;
        });
        if (sheet != sheets.end())
            Add({PageKind::Preview, std::size_t(sheet - sheets.begin()), picture.caption},
                picture.caption);
    }

    void Add(BodyPage page, std::u16string title)
    {
        layout_.entries.push_back({std::move(title), 1, layout_.body.size(), 0});
        layout_.body.push_back(std::move(page));
    }

    ReportFlow& flow_;
    const ReportPictures& pictures_;
    DocumentLayout& layout_;
    std::vector<std::size_t> flowPages_;
    // Whether the section being laid out has its entry.
    bool placed_ = false;
};

// The contents, numbering the body's pages from `firstNumber`.
std::vector<TextPage> ContentsPages(const ReportFonts& fonts, const QPaintDevice& device,
                                    QSizeF area, const DocumentLayout& layout,
                                    std::size_t firstNumber)
{
    // As wide as the largest number the document can reach.
    const QString numberColumn(
        QString::number(layout.titlePages.size() + 2 * layout.entries.size() + layout.body.size())
            .size(),
        QLatin1Char('0'));
    ReportFlow flow(fonts, device, area);
    flow.Section(QStringLiteral("Contents"), {});
    for (const Entry& entry : layout.entries)
        flow.ContentsLine(ToQString(entry.title), entry.level,
                          QString::number(firstNumber + entry.bodyPage), numberColumn);
    return flow.TakePages();
}

DocumentLayout LayOutDocument(const DesignReport& report, const ReportFonts& fonts,
                              const QPaintDevice& device, QSizeF area,
                              const ReportPictures& pictures)
{
    DocumentLayout layout;
    ReportFlow title(fonts, device, area);
    title.Title(ToQString(report.title), QStringLiteral("Design documentation"));
    title.Blocks(report.titlePage);
    layout.titlePages = title.TakePages();

    ReportFlow flow(fonts, device, area);
    BodyLayout body(flow, pictures, layout);
    for (const ReportSection& section : report.sections)
        body.Section(section);
    body.Finish();

    // The contents take as many pages whatever numbers they show.
    layout.contentsPages = ContentsPages(fonts, device, area, layout, 0);
    layout.contentsPages = ContentsPages(fonts, device, area, layout, layout.FirstBodyPage() + 1);
    return layout;
}

class PdfPainter
{
public:
    PdfPainter(QPdfWriter& writer, QPainter& painter, CVantrelDoc& document,
               const ImageCodec& codec, const ReportFonts& fonts, const ReportPictures& pictures,
               const std::u16string& title)
        : writer_(writer), painter_(painter), document_(document), pageImages_(codec),
          fonts_(fonts), pictures_(pictures), title_(title)
    {}

    bool Paint(const DocumentLayout& layout)
    {
        total_ = layout.PageCount();
        for (const auto* pages : {&layout.titlePages, &layout.contentsPages})
            for (const TextPage& page : *pages)
                if (!Text(page))
                    return false;
        for (const BodyPage& page : layout.body) {
            const bool painted = page.kind == PageKind::Text    ? Text(layout.textPages[page.index])
                                 : page.kind == PageKind::Sheet ? Sheet(page.index)
                                                                : Preview(page);
            if (!painted)
                return false;
        }
        return true;
    }

private:
    bool Begin(const QPageLayout& layout)
    {
        if (number_ > 0) {
            writer_.setPageLayout(layout);
            if (!writer_.newPage())
                return false;
        }
        ++number_;
        return true;
    }

    std::u16string PageNumber() const
    {
        return u"page " + Decimal(static_cast<long long>(number_)) + u" of " +
               Decimal(static_cast<long long>(total_));
    }

    void Footer(const std::u16string& text)
    {
        PaintFooter(painter_, QSize(writer_.width(), writer_.height()), text);
    }

    bool Text(const TextPage& page)
    {
        if (!Begin(ReportTextPageLayout()))
            return false;
        painter_.save();
        const double hairline = 0.5 * kReportDotsPerInch / 72.0;
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(QColor(232, 232, 232));
        for (const QRectF& shade : page.shades)
            painter_.drawRect(shade);
        painter_.setPen(QPen(QColor(150, 150, 150), hairline));
        for (const QLineF& rule : page.rules)
            painter_.drawLine(rule);
        painter_.setPen(Qt::black);
        const QFont* font = nullptr;
        for (const PlacedText& text : page.texts) {
            if (text.font != font)
                painter_.setFont(*(font = text.font));
            painter_.drawText(text.baseline, text.text);
        }
        painter_.restore();
        Footer(title_ + u" \u2014 " + PageNumber());
        return true;
    }

    bool Sheet(std::size_t index)
    {
        if (!Begin(ReportPicturePageLayout()))
            return false;
        PaintSheet(painter_, document_, ViewState{}, pictures_.design.sheets[index], pageImages_);
        Footer(SheetFooter(title_, pictures_.design, index) + u" \u2014 " + PageNumber());
        return true;
    }

    bool Preview(const BodyPage& page)
    {
        if (!Begin(ReportPicturePageLayout()))
            return false;
        const PrintSheet& sheet = pictures_.pages.sheets[page.index];
        painter_.save();
        painter_.setFont(fonts_.caption);
        painter_.drawText(QPointF(0, QFontMetricsF(fonts_.caption, &writer_).ascent()),
                          ToQString(page.caption));
        painter_.restore();
        PaintSheet(painter_, document_, ViewState{}, sheet, pageImages_);
        Footer(title_ + u" \u2014 " + PageNumber());
        return true;
    }

    QPdfWriter& writer_;
    QPainter& painter_;
    CVantrelDoc& document_;
    PageImageCache pageImages_;
    const ReportFonts& fonts_;
    const ReportPictures& pictures_;
    const std::u16string& title_;
    std::size_t number_ = 0;
    std::size_t total_ = 0;
};

// The top of a place on a page in points from the page's bottom, as the
// outline gives it.
int OutlineTop(const QPageLayout& page, double y)
{
    const double top = page.paintRect(QPageLayout::Point).top() + y * 72.0 / kReportDotsPerInch;
    return int(page.fullRect(QPageLayout::Point).height() - top);
}

std::vector<PdfOutlineItem> Outline(const DesignReport& report, const DocumentLayout& layout)
{
    const QPageLayout text = ReportTextPageLayout();
    const QPageLayout picture = ReportPicturePageLayout();
    std::vector<PdfOutlineItem> items{
        {report.title, 0, OutlineTop(text, 0), {}},
        {u"Contents", int(layout.titlePages.size()), OutlineTop(text, 0), {}}};
    for (const Entry& entry : layout.entries) {
        const BodyPage& page = layout.body.at(entry.bodyPage);
        PdfOutlineItem item{entry.title,
                            int(layout.FirstBodyPage() + entry.bodyPage),
                            OutlineTop(page.kind == PageKind::Text ? text : picture, entry.y),
                            {}};
        if (entry.level > 0 && items.size() > 2)
            items.back().children.push_back(std::move(item));
        else
            items.push_back(std::move(item));
    }
    return items;
}

} // namespace

std::vector<std::uint8_t> ReportPdf(const DesignReport& report, CVantrelDoc& document,
                                    const ImageCodec& codec)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    DocumentLayout layout;
    {
        QPdfWriter writer(&buffer);
        SetUpReportWriter(writer, ToQString(report.title));
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        const ReportFonts fonts = ReportFonts::Make();
        const ReportPictures pictures = PlanReportPictures(painter, document, fonts);
        const QSizeF area(writer.width(), writer.height() - FooterBand(writer));
        layout = LayOutDocument(report, fonts, writer, area, pictures);
        PdfPainter pages(writer, painter, document, codec, fonts, pictures, report.title);
        if (!pages.Paint(layout) || !painter.end())
            return {};
    }
    std::vector<std::uint8_t> pdf(bytes.begin(), bytes.end());
    if (!AppendPdfOutline(pdf, Outline(report, layout)))
        return {};
    return pdf;
}

} // namespace vantrel
