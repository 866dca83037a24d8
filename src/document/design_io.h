#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace vantrel {

class CVantrelDoc;
class ImageCodec;

// Opening and saving design files, with every failure told through the
// document's notifier in the system's own words (caption "Vantrel v2").

// Opens the file into the document. A file that cannot be read leaves the
// document as it was; a file that fails while loading leaves a new, empty
// design (never a half-loaded one). A 0-byte file opens as an empty design.
// On success the document is unmodified.
bool OpenDesign(CVantrelDoc& document, const std::filesystem::path& path, const ImageCodec& codec);

// The same for the bytes of a design file already in memory; `fileName`
// names it in messages.
bool LoadDesign(CVantrelDoc& document, std::span<const std::uint8_t> bytes,
                const std::u16string& fileName, const ImageCodec& codec);

// Saves the design as the current version. The previous file is replaced
// only once the new one is completely written; on failure it is untouched.
// On success the document is unmodified.
bool SaveDesign(CVantrelDoc& document, const std::filesystem::path& path, const ImageCodec& codec);

} // namespace vantrel
