#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

// An entry of a PDF document's outline (its bookmarks): a title that leads
// to a place on a page, with entries of its own below it.
struct PdfOutlineItem
{
    std::u16string title;
    // The page, 0 for the first.
    int page = 0;
    // The top of the place, in points from the bottom of the page.
    int top = 0;
    std::vector<PdfOutlineItem> children;
};

// Gives a PDF file an outline, which the writers of PDF files do not always
// offer, by appending an incremental update: the outline's objects, a new
// version of the document catalogue that names them (and asks the viewer to
// show them), a cross-reference section for those objects and a trailer
// that leads back to the file's own. Everything the file held stays as it
// was, byte for byte. Entries with children start closed.
//
// Reads only what it needs: the trailer and cross-reference tables (classic
// tables, following earlier updates), the catalogue and the page tree. False,
// leaving `pdf` unchanged, when the file is not one it can read that way or
// an entry names a page the file does not have.
bool AppendPdfOutline(std::vector<std::uint8_t>& pdf, const std::vector<PdfOutlineItem>& items);

} // namespace vantrel
