#pragma once

#include "document/complex_command.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vantrel {

class CVantrelDoc;
class ImageCodec;

// The file the controller loads, built in memory: its bytes, the compiler's
// resource report and the complex commands as the file holds them, which
// the caller hands to the document once the file is written.
struct FlashFileContent
{
    std::vector<std::uint8_t> bytes;
    std::u16string report;
    std::vector<ComplexCommand> commands;
};

// The flash file's content; the document keeps its complex commands.
FlashFileContent BuildFlashFile(CVantrelDoc& document, const ImageCodec& codec,
                                std::int32_t randomNumber);

// Writes the file the controller loads: the program image, the name table
// header with the I/O and monitor name tables, the paint objects' records,
// the background colour, the complex commands and the first page background
// as JPEG (length 0 without an image). Complex commands lose the settings of
// deleted user inputs, in the document too, but only once the file is
// written: a file that cannot be written raises FileError and leaves the
// design as it was. Returns the compiler's resource report.
std::u16string ExportFlashFile(CVantrelDoc& document, const std::filesystem::path& path,
                               const ImageCodec& codec, std::int32_t randomNumber);

} // namespace vantrel
