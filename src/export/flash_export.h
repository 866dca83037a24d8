#pragma once

#include "compiler/flash_file.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace vantrel {

class CVantrelDoc;
class ImageCodec;
class Notifier;

// Builds the flash file from the design, which it only reads, and writes it
// to `path`; a file that cannot be written raises FileError. The content
// comes back for its report and its corrections.
FlashFileContent WriteFlashFile(const CVantrelDoc& document, const std::filesystem::path& path,
                                const ImageCodec& codec, std::int32_t randomNumber,
                                Notifier& messages);

// WriteFlashFile for a caller that holds the design: its messages go to the
// document's notifier and, once the file is written, the corrections are
// stored in the design as one undoable edit (a file that cannot be written
// leaves the design as it was). Returns the compiler's resource report.
std::u16string ExportFlashFile(CVantrelDoc& document, const std::filesystem::path& path,
                               const ImageCodec& codec, std::int32_t randomNumber);

} // namespace vantrel
