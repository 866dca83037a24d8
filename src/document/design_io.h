#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace vantrel {

class CVantrelDoc;
class ImageCodec;

// Opening and saving design files, with every failure told through the
// document's notifier in the system's own words (caption "Vantrel v2").

enum class OpenOutcome
{
    Opened,
    // The file could not be read: the document is as it was.
    CannotRead,
    // The file failed while loading: the document is as it was too (the
    // file is loaded aside and takes the document's place only when whole).
    Damaged,
};

// Opens the file into the document. A 0-byte file opens as an empty design.
// An opened file leaves the document unmodified.
OpenOutcome OpenDesign(CVantrelDoc& document, const std::filesystem::path& path,
                       const ImageCodec& codec);

// The same for the bytes of a design file already in memory; `fileName`
// names it in messages. False, the document as it was, when they fail.
bool LoadDesign(CVantrelDoc& document, std::span<const std::uint8_t> bytes,
                const std::u16string& fileName, const ImageCodec& codec);

// Saves the design as the current version. The previous file is replaced
// only once the new one is completely written; on failure it is untouched.
// On success the document is unmodified.
bool SaveDesign(CVantrelDoc& document, const std::filesystem::path& path, const ImageCodec& codec);

// The bytes SaveDesign writes, without marking the document saved (a copy
// kept aside, such as the recovery copy). Raises what the archive raises.
std::vector<std::uint8_t> DesignBytes(CVantrelDoc& document, const std::u16string& fileName,
                                      const ImageCodec& codec);

} // namespace vantrel
