#pragma once

#include <string>
#include <vector>

namespace vantrel {
class CVantrelDoc;
}

namespace vantrel::test {

// A small design as one is drawn by hand: named inputs, gates wired to them
// and named outputs, spread over a few grid cells like words on a line.
void FillWordsDesign(CVantrelDoc& document);

// The element labels that design shows, one word each.
std::vector<std::string> WordsDesignLabels();

} // namespace vantrel::test
