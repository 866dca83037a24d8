// "vantrel-cli report": the design's documentation as PDF and HTML, read
// back the way a reader gets it (poppler for the PDF, an XML reader for the
// HTML) and held against the report the design gives.
#include "archive/text_codec.h"
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "export/design_report.h"
#include "qt_adapters/qt_image_codec.h"
#include "qt_adapters/qt_text.h"

#include "cli_run.h"
#include "report_reading.h"
#include "support/pdf_pages.h"
#include "support/report_design.h"
#include "support/test_folder.h"

#include <QProcess>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

using test::ReportRow;

// The words of the PDF's pages that stand on the same line as `word`, left
// to right, joined by spaces.
std::string LineOf(const test::PdfPage& page, const test::PdfWord& word)
{
    std::vector<test::PdfWord> line;
    for (const test::PdfWord& other : page.words)
        if (std::abs(other.yMin - word.yMin) < 1.0)
            line.push_back(other);
    std::sort(line.begin(), line.end(),
              [](const auto& a, const auto& b) { return a.xMin < b.xMin; });
    std::string text;
    for (const test::PdfWord& other : line)
        text += (text.empty() ? "" : " ") + other.text;
    return text;
}

// Every line of the PDF's pages that holds the word, as LineOf gives them.
std::vector<std::string> LinesWith(const std::vector<test::PdfPage>& pages, const std::string& word)
{
    std::vector<std::string> lines;
    for (const test::PdfPage& page : pages)
        for (const test::PdfWord& candidate : page.words)
            if (candidate.text == word)
                lines.push_back(LineOf(page, candidate));
    return lines;
}

bool AnyHolds(const std::vector<std::string>& lines, const std::string& text)
{
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.find(text) != std::string::npos;
    });
}

// The outline of a PDF file as poppler reads it (pdftohtml -xml): each
// entry's title and the page it leads to, depth first, with its depth.
struct OutlineEntry
{
    std::string title;
    int page = 0;
    int depth = 0;
};

std::vector<OutlineEntry> ReadOutline(const fs::path& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftohtml"),
                  {"-xml", "-i", "-q", "-stdout", test::Q(pdf), test::Q(pdf.parent_path() / "x")});
    EXPECT_TRUE(process.waitForFinished(60000));
    QXmlStreamReader xml(process.readAllStandardOutput());
    std::vector<OutlineEntry> entries;
    int depth = -1;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement && xml.name() == u"outline")
            ++depth;
        else if (token == QXmlStreamReader::EndElement && xml.name() == u"outline")
            --depth;
        else if (token == QXmlStreamReader::StartElement && xml.name() == u"item") {
            const int page = xml.attributes().value("page").toInt();
            entries.push_back({xml.readElementText().trimmed().toStdString(), page, depth});
        }
    }
    return entries;
}

class Report : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = test::FreshTestFolder("report");
        test::BuildReportDesign(document, codec);
        design = folder / "plant.lgc";
        ASSERT_TRUE(SaveDesign(document, design, codec));
        report = BuildDesignReport(document, u"plant.lgc");
    }

    test::CliRun Write(const fs::path& output)
    {
        return test::RunCli({"report", test::Q(design), "-o", test::Q(output)}, folder);
    }

    QtImageCodec codec;
    CVantrelDoc document;
    fs::path folder;
    fs::path design;
    DesignReport report;
};

TEST_F(Report, PdfTablesNameWhoReadsAndDrivesEverything)
{
    const fs::path pdf = folder / "plant.pdf";
    const test::CliRun run = Write(pdf);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::vector<test::PdfPage> pages = test::ReadPdfPages(pdf);
    ASSERT_FALSE(pages.empty());
    // A name of one word, then the line of its table's row.
    const struct
    {
        const char* name;
        const char* row;
    } rows[] = {
        {"Start", "1 Start (10, 0) 12 And, 19 Toggle"},
        {"Jog", "8 User Input Jog (11, 0) 12 And, 19 Toggle, 40 Timer"},
        {"Pulse", "9 Pulse User Input Pulse (16, 0) 19 Toggle"},
        {"Lamp", "3 Lamp logged (13, 0) 12 And"},
        {"Siren", "4 Siren (22, 0) 19 Toggle"},
        {"Done", "1 User Output Done logged (14, 0) 12 And"},
        {"Level", "1 Level (53, 0) 55 Register"},
        {"Valve", "1 Valve (54, 0) 52 Register"},
        {"G1", "5 Register G1 number no (51, 0) 52 Register"},
        {"G2", "6 Register G2 number no (52, 0) 54 Analog Output"},
        {"Scaled", "9 Register Scaled number no (55, 0) nobody"},
        {"Run", "Run 70 In Marker (70, 0) 19 Toggle 71 at (71, 0)"},
        {"Spare", "Spare 74 In Marker (74, 0) 12 And none"},
        {"Spare", "74 In Marker Spare (74, 0) No Out Marker reads it"},
        {"75", "75 Out Marker (75, 0) Its In Marker is gone (it names id 99)"},
    };
    for (const auto& row : rows)
        EXPECT_TRUE(AnyHolds(LinesWith(pages, row.name), row.row))
            << row.name << " has no line \"" << row.row << "\"";
    // Every page's footer names the design and the page.
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const std::string text = pages[i].Text();
        EXPECT_NE(text.find("plant.lgc"), std::string::npos) << "page " << i + 1;
        EXPECT_NE(
            text.find("page " + std::to_string(i + 1) + " of " + std::to_string(pages.size())),
            std::string::npos)
            << "page " << i + 1 << ": " << text;
    }
}

TEST_F(Report, PdfOutlineLeadsToEverySectionAndSheet)
{
    const fs::path pdf = folder / "plant.pdf";
    ASSERT_EQ(Write(pdf).exitCode, 0);
    const std::vector<OutlineEntry> outline = ReadOutline(pdf);
    std::vector<std::string> top;
    for (const OutlineEntry& entry : outline)
        if (entry.depth == 0)
            top.push_back(entry.title);
    std::vector<std::string> expected{"plant.lgc", "Contents"};
    for (const ReportSection& section : report.sections)
        expected.push_back(ToUtf8(section.title));
    EXPECT_EQ(top, expected);
    // The pages the outline names rise; the schematic's sheets and the
    // preview pages end the document, a page each, each with an entry below
    // its section's.
    int last = 0;
    std::map<std::string, std::vector<OutlineEntry>> below;
    std::string section;
    for (const OutlineEntry& entry : outline) {
        EXPECT_GE(entry.page, last) << entry.title;
        last = entry.page;
        if (entry.depth == 0)
            section = entry.title;
        else
            below[section].push_back(entry);
    }
    const std::vector<OutlineEntry>& sheets = below["Schematic"];
    const std::vector<OutlineEntry>& previews = below["Preview pages"];
    ASSERT_FALSE(sheets.empty());
    ASSERT_EQ(previews.size(), 2u);
    EXPECT_EQ(test::PdfPageCount(pdf), sheets.front().page - 1 + int(sheets.size()) + 2);
    const std::vector<test::PdfPage> pages = test::ReadPdfPages(pdf);
    // A sheet's page has the footer of a printed sheet; a preview page's
    // its caption.
    const std::string sheetTitle = "Schematic, ";
    for (const OutlineEntry& sheet : sheets)
        EXPECT_NE(pages.at(sheet.page - 1).Text().find(sheet.title.substr(sheetTitle.size())),
                  std::string::npos)
            << sheet.title;
    for (const OutlineEntry& preview : previews)
        EXPECT_NE(pages.at(preview.page - 1).Text().find(preview.title), std::string::npos)
            << preview.title;
    EXPECT_EQ(sheets.front().title,
              "Schematic, sheet 1 of " + std::to_string(sheets.size()) + " (row 1, column 1)");
}

TEST_F(Report, HtmlIsOneWellFormedFileWithTheSameTableRows)
{
    const fs::path html = folder / "plant.html";
    const test::CliRun run = Write(html);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<ReportRow> rows = test::ReadHtmlRows(html);
    for (const ReportRow& row : test::TableRows(report))
        EXPECT_NE(std::find(rows.begin(), rows.end(), row), rows.end())
            << "no row " << ::testing::PrintToString(row);
    // Nothing the page needs lies outside it: pictures are inline SVG or data.
    const std::string text = test::ReadFile(html);
    EXPECT_EQ(text.find("src=\"http"), std::string::npos);
    EXPECT_EQ(text.find("href=\"http"), std::string::npos);
    EXPECT_NE(text.find("<svg"), std::string::npos);
    EXPECT_NE(text.find("data:image/png;base64,"), std::string::npos);
    EXPECT_EQ(test::SortedFileNames(folder), (std::vector<std::string>{"plant.html", "plant.lgc"}));
}

TEST_F(Report, FailuresLeaveNoFileAndExitAsTheOtherCommands)
{
    const fs::path locked = folder / "locked";
    fs::create_directory(locked);
    ::chmod(locked.c_str(), 0500);
    const bool rootWritesAnyway = ::access(locked.c_str(), W_OK) == 0;
    fs::create_directory(folder / "folder.pdf");
    const struct
    {
        QStringList arguments;
        int exitCode;
    } cases[] = {
        {{"report", test::Q(design)}, 2},
        {{"report", test::Q(design), "-o", test::Q(folder / "plant.txt")}, 2},
        {{"report", test::Q(folder / "missing.lgc"), "-o", test::Q(folder / "m.pdf")}, 3},
        {{"report", test::Q(design), "-o", test::Q(folder / "no" / "such" / "x.pdf")}, 4},
        {{"report", test::Q(design), "-o", test::Q(folder / "no" / "such" / "x.html")}, 4},
        // A folder where the file should go stays a folder.
        {{"report", test::Q(design), "-o", test::Q(folder / "folder.pdf")}, 4},
    };
    for (const auto& c : cases) {
        const test::CliRun run = test::RunCli(c.arguments, folder);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(' ').toStdString() << run.err;
        EXPECT_FALSE(run.err.empty());
    }
    if (!rootWritesAnyway) {
        EXPECT_EQ(Write(locked / "x.pdf").exitCode, 4);
    }
    ::chmod(locked.c_str(), 0700);
    EXPECT_TRUE(fs::is_empty(locked));
    EXPECT_EQ(test::SortedFileNames(folder),
              (std::vector<std::string>{"folder.pdf", "locked", "plant.lgc"}));
    EXPECT_TRUE(fs::is_empty(folder / "folder.pdf"));
}

} // namespace
} // namespace vantrel
