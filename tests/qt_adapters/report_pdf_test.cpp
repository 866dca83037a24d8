// The documentation's PDF pages read back with poppler: a table longer than
// a page breaks between rows, repeats its header row on every page it
// continues on, and never cuts a row of several lines in two.
#include "archive/file_bytes.h"
#include "document/vantrel_doc.h"
#include "qt_adapters/qt_image_codec.h"
#include "qt_adapters/report_pdf.h"
#include "support/pdf_pages.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

namespace vantrel {
namespace {

std::u16string Wide(const std::string& text)
{
    return {text.begin(), text.end()};
}

std::string Tag(char letter, int row)
{
    std::string digits = std::to_string(1000 + row).substr(1);
    return letter + digits;
}

bool IsTag(const std::string& word)
{
    return word.size() == 4 && std::string("REL").find(word[0]) != std::string::npos &&
           std::all_of(word.begin() + 1, word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A table of `count` rows: "Rnnn", then a text long enough to wrap over
// several lines of its column that ends in "Ennn", then "Lnnn".
ReportTable LongTable(int count)
{
    ReportTable table{u"", {u"Ident", u"Description", u"Last"}, {}};
    for (int row = 0; row < count; ++row) {
        std::u16string text;
        for (int word = 0; word < 24 + row % 5 * 6; ++word)
            text += u"word ";
        table.rows.push_back(
            {Wide(Tag('R', row)), text + Wide(Tag('E', row)), Wide(Tag('L', row))});
    }
    return table;
}

TEST(ReportPdf, ALongTableBreaksBetweenRowsAndRepeatsItsHeader)
{
    constexpr int kRows = 120;
    DesignReport report{u"table.lgc", {}, {{u"Long table", {LongTable(kRows)}}}};
    CVantrelDoc document;
    const std::vector<std::uint8_t> pdf = ReportPdf(report, document, QtImageCodec());
    ASSERT_FALSE(pdf.empty());
    const std::filesystem::path file = test::FreshTestFolder("report_pdf") / "table.pdf";
    WriteFileAtomically(file, pdf);
    const std::vector<test::PdfPage> pages = test::ReadPdfPages(file);

    // Where each tag stands: its page and the top of its word.
    std::map<std::string, std::pair<std::size_t, double>> places;
    int tablePages = 0;
    for (std::size_t number = 0; number < pages.size(); ++number) {
        const test::PdfPage& page = pages[number];
        double header = -1;
        double firstRow = page.height;
        for (const test::PdfWord& word : page.words) {
            if (word.text == "Ident")
                header = word.yMin;
            if (IsTag(word.text)) {
                EXPECT_TRUE(places.emplace(word.text, std::pair{number, word.yMin}).second)
                    << word.text << " stands twice";
                if (word.text[0] == 'R')
                    firstRow = std::min(firstRow, word.yMin);
            }
        }
        if (firstRow == page.height)
            continue;
        ++tablePages;
        EXPECT_GE(header, 0) << "page " << number + 1 << " has rows without the header";
        EXPECT_LT(header, firstRow) << "page " << number + 1;
    }
    EXPECT_GT(tablePages, 2);
    std::pair<std::size_t, double> previous{0, 0};
    for (int row = 0; row < kRows; ++row) {
        SCOPED_TRACE(Tag('R', row));
        ASSERT_TRUE(places.contains(Tag('R', row)));
        ASSERT_TRUE(places.contains(Tag('E', row)));
        const auto start = places[Tag('R', row)];
        const auto end = places[Tag('E', row)];
        // The row's first and last line on one page, below the one before.
        EXPECT_EQ(end.first, start.first);
        EXPECT_GT(end.second, start.second);
        EXPECT_EQ(places[Tag('L', row)].first, start.first);
        EXPECT_TRUE(start > previous);
        previous = start;
    }
}

} // namespace
} // namespace vantrel
