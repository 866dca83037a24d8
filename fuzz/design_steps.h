#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vantrel {

class CVantrelDoc;
class ImageCodec;

// What the editor and the command line do with an opened design, in memory:
// the number checks, the loop set, both sorts, the flash file with the
// remote module images, the JSON export and the simulation description.
void RunDesignCommands(CVantrelDoc& document, const ImageCodec& codec);

// The design file of the document, as "Save" writes it.
std::vector<std::uint8_t> SaveToMemory(CVantrelDoc& document, const ImageCodec& codec);

// A saved design must open again, and saving it again must give the same
// bytes: a design that does not open would be lost to its user, one that
// changes would lose or invent content. Aborts (a finding for the fuzzer)
// otherwise.
void RequireReopens(std::span<const std::uint8_t> saved, const ImageCodec& codec);

} // namespace vantrel
