#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vantrel::test {

// A word of a PDF page as poppler's pdftotext -bbox reads it back, in points
// from the page's top-left corner.
struct PdfWord
{
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
    std::string text;

    bool Overlaps(const PdfWord& other) const
    {
        return xMin < other.xMax && other.xMin < xMax && yMin < other.yMax && other.yMin < yMax;
    }
};

struct PdfPage
{
    double width = 0;
    double height = 0;
    std::vector<PdfWord> words;

    // The page's text, its words separated by spaces.
    std::string Text() const;
};

// The pages of a PDF file with their words (pdftotext -bbox); none when the
// file cannot be read.
std::vector<PdfPage> ReadPdfPages(const std::filesystem::path& pdf);

// The page count pdfinfo gives; -1 when it cannot read the file.
int PdfPageCount(const std::filesystem::path& pdf);

// Renders page `page` (1 = the first) to a PNG beside `png` at 72 dots per
// inch, a pixel a point (pdftoppm); false when that fails.
bool RenderPdfPage(const std::filesystem::path& pdf, int page, const std::filesystem::path& png);

// Renders every page the same way in one run, into "STEM-N.png" files
// beside `stem`; their paths in page order, none when that fails.
std::vector<std::filesystem::path> RenderPdfPages(const std::filesystem::path& pdf,
                                                  const std::filesystem::path& stem);

} // namespace vantrel::test
