#pragma once

#include "compiler/design_corrections.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

class CVantrelDoc;
class ImageCodec;
class Notifier;

// The file the controller loads, built in memory: its bytes, the compiler's
// resource report and what the build corrected in its copies of the design
// (resolved paint links, complex commands without deleted user inputs),
// which the caller stores in the design once the file is written.
struct FlashFileContent
{
    std::vector<std::uint8_t> bytes;
    std::u16string report;
    DesignCorrections corrections;
};

// The flash file's content: the program image, the name table header with
// the I/O and monitor name tables, the paint objects' records, the
// background colour, the complex commands and the first page background as
// JPEG (length 0 without an image). The design is only read; the compile's
// warnings and the corrections' messages go to `messages` in the order they
// arise (the document's notifier when none is given).
FlashFileContent BuildFlashFile(const CVantrelDoc& document, const ImageCodec& codec,
                                std::int32_t randomNumber, Notifier& messages);
FlashFileContent BuildFlashFile(const CVantrelDoc& document, const ImageCodec& codec,
                                std::int32_t randomNumber);

} // namespace vantrel
