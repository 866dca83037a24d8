#pragma once

#include <cstdint>
#include <span>
#include <unordered_set>
#include <vector>

namespace vantrel {

class CVantrelDoc;
class ImageCodec;
class LogElement;

// The element ids of a design and its next id, taken before a paste.
struct IdsBefore
{
    explicit IdsBefore(const CVantrelDoc& document);

    std::unordered_set<std::int32_t> ids;
    std::int64_t nextId;
};

// A paste must give every pasted element an id no element had before and
// below the design's next id, which never goes back: ids are never handed
// out twice, nor wrapped round. Aborts (a finding) otherwise.
void RequireFreshIds(const IdsBefore& before, const CVantrelDoc& document,
                     const std::vector<LogElement*>& pasted);

// Select All, Copy and Paste in Design, as the editor does them, then undo
// and redo of the paste; the paste must take fresh ids (RequireFreshIds).
void PasteCopyOfDesign(CVantrelDoc& document);

// What the editor and the command line do with an opened design, in memory:
// the number checks, the loop set, both sorts, the flash file with the
// remote module images, the JSON export and the simulation description.
void RunDesignCommands(CVantrelDoc& document, const ImageCodec& codec);

// The pictures the editor, printing and the command line's render draw of
// the design, on a small image through the Qt surface: the design, and each
// preview page that holds paint objects, unselected at tick 0 and all
// selected at tick 1 (moving and blinking styles show only when selected).
void DrawPictures(CVantrelDoc& document);

// The design file of the document, as "Save" writes it.
std::vector<std::uint8_t> SaveToMemory(CVantrelDoc& document, const ImageCodec& codec);

// A saved design must open again, and saving it again must give the same
// bytes: a design that does not open would be lost to its user, one that
// changes would lose or invent content. Aborts (a finding for the fuzzer)
// otherwise.
void RequireReopens(std::span<const std::uint8_t> saved, const ImageCodec& codec);

} // namespace vantrel
