#include "export/pdf_outline.h"

#include <gtest/gtest.h>

#include <string>

namespace vantrel {
namespace {

// A PDF file of one page written out by hand, with its cross-reference table.
const std::string kOnePage = "%PDF-1.4\n"
                             "1 0 obj\n<< /Type /Catalog /Pages 2 0 R >>\nendobj\n"
                             "2 0 obj\n<< /Type /Pages /Kids [3 0 R] /Count 1 >>\nendobj\n"
                             "3 0 obj\n<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 100] >>\n"
                             "endobj\n"
                             "xref\n"
                             "0 4\n"
                             "0000000000 65535 f \n"
                             "0000000009 00000 n \n"
                             "0000000058 00000 n \n"
                             "0000000115 00000 n \n"
                             "trailer\n<< /Size 4 /Root 1 0 R >>\n"
                             "startxref\n186\n%%EOF\n";

std::vector<std::uint8_t> Bytes(const std::string& text)
{
    return {text.begin(), text.end()};
}

std::string Text(const std::vector<std::uint8_t>& bytes)
{
    return {bytes.begin(), bytes.end()};
}

const std::vector<PdfOutlineItem> kItems = {
    {u"Intro", 0, 90, {}},
    {u"Sheets", 0, 50, {{u"Sheet 1", 0, 100, {}}}},
};

TEST(PdfOutline, AppendsAnUpdateWithTheOutlineAndANewCatalogue)
{
    // The hand-written offsets are where the objects are.
    ASSERT_EQ(kOnePage.find("1 0 obj"), 9u);
    ASSERT_EQ(kOnePage.find("2 0 obj"), 58u);
    ASSERT_EQ(kOnePage.find("3 0 obj"), 115u);
    ASSERT_EQ(kOnePage.find("xref"), 186u);
    ASSERT_EQ(kOnePage.size(), 329u);

    std::vector<std::uint8_t> pdf = Bytes(kOnePage);
    ASSERT_TRUE(AppendPdfOutline(pdf, kItems));
    EXPECT_EQ(Text(pdf),
              kOnePage +
                  // 329
                  "1 0 obj\n<<\n/Type /Catalog\n/Pages 2 0 R\n/Outlines 4 0 R\n"
                  "/PageMode /UseOutlines\n>>\nendobj\n"
                  // 417
                  "4 0 obj\n<<\n/Type /Outlines\n/First 5 0 R\n/Last 6 0 R\n/Count 2\n>>\n"
                  "endobj\n"
                  // 488: "Intro" in UTF-16BE
                  "5 0 obj\n<<\n/Title <FEFF0049006E00740072006F>\n/Parent 4 0 R\n"
                  "/Dest [3 0 R /XYZ 0 90 0]\n/Next 6 0 R\n>>\nendobj\n"
                  // 595: closed, with one child
                  "6 0 obj\n<<\n/Title <FEFF005300680065006500740073>\n/Parent 4 0 R\n"
                  "/Dest [3 0 R /XYZ 0 50 0]\n/First 7 0 R\n/Last 7 0 R\n/Count -1\n"
                  "/Prev 5 0 R\n>>\nendobj\n"
                  // 741
                  "7 0 obj\n<<\n/Title <FEFF0053006800650065007400200031>\n/Parent 6 0 R\n"
                  "/Dest [3 0 R /XYZ 0 100 0]\n>>\nendobj\n"
                  // 845
                  "xref\n"
                  "1 1\n"
                  "0000000329 00000 n \n"
                  "4 4\n"
                  "0000000417 00000 n \n"
                  "0000000488 00000 n \n"
                  "0000000595 00000 n \n"
                  "0000000741 00000 n \n"
                  "trailer\n<<\n/Size 8\n/Root 1 0 R\n/Prev 186\n>>\n"
                  "startxref\n845\n%%EOF\n");
}

TEST(PdfOutline, FollowsEarlierUpdatesAndKeepsTheTrailersInfo)
{
    std::string withInfo = kOnePage;
    withInfo.replace(withInfo.find("/Root 1 0 R"), 11, "/Root 1 0 R /Info 3 0 R");
    std::vector<std::uint8_t> pdf = Bytes(withInfo);
    ASSERT_TRUE(AppendPdfOutline(pdf, kItems));
    const std::size_t firstUpdate = pdf.size();
    // The second update finds the catalogue and the pages through the first.
    ASSERT_TRUE(AppendPdfOutline(pdf, {{u"Again", 0, 10, {}}}));
    const std::string text = Text(pdf);
    const std::string second = text.substr(firstUpdate);
    EXPECT_EQ(second.rfind("1 0 obj\n<<\n/Type /Catalog\n/Pages 2 0 R\n/Outlines 8 0 R\n", 0), 0u)
        << second;
    EXPECT_NE(second.find("/Size 10\n/Root 1 0 R\n/Info 3 0 R\n/Prev "), std::string::npos);
    const std::size_t firstTable = text.find("xref", 329);
    EXPECT_NE(second.find("/Prev " + std::to_string(firstTable) + "\n"), std::string::npos);
}

TEST(PdfOutline, LeavesFilesItCannotReadAsTheyAre)
{
    std::string crossReferenceStream = kOnePage;
    crossReferenceStream.replace(crossReferenceStream.find("xref\n0 4"), 4, "XREF");
    std::string noCatalogue = kOnePage;
    noCatalogue.replace(noCatalogue.find("/Root 1 0 R"), 11, "/Root 9 0 R");
    std::string loopingTables = kOnePage;
    loopingTables.replace(loopingTables.find("/Size 4"), 7, "/Size 4 /Prev 186");
    for (const std::string& file :
         {crossReferenceStream, noCatalogue, loopingTables, std::string("%PDF-1.4\n"),
          std::string(), kOnePage.substr(0, 200)}) {
        std::vector<std::uint8_t> pdf = Bytes(file);
        EXPECT_FALSE(AppendPdfOutline(pdf, kItems));
        EXPECT_EQ(Text(pdf), file);
    }
    // An entry on a page the file does not have.
    std::vector<std::uint8_t> pdf = Bytes(kOnePage);
    EXPECT_FALSE(AppendPdfOutline(pdf, {{u"Nowhere", 1, 0, {}}}));
    EXPECT_EQ(Text(pdf), kOnePage);
}

} // namespace
} // namespace vantrel
