#pragma once

#include "compiler/design_corrections.h"

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>

namespace vantrel {

class CVantrelDoc;
class ImageCodec;
class Notifier;

// What the JSON export yields besides the file: the compiler's resource
// report and what it corrected in its copies of the design, for the caller
// to store once the file is written.
struct JsonExportContent
{
    std::u16string report;
    DesignCorrections corrections;
};

// The whole design as one JSON document, in a fixed key order and without
// whitespace: the board configuration, the names of every user-visible
// input, output and register, the complex commands, the logged outputs, the
// paint layer, the temperature inputs, the simulation elements, the
// compiled program image, the page backgrounds and, last, the design file
// itself (with its page images as JPEG). The design is only read: the file
// shows its complex commands without the settings of deleted user inputs
// and its paint objects with their links resolved, worked out on copies
// that come back as the corrections. Messages go to `messages` in the
// order they arise.
JsonExportContent WriteJsonExport(const CVantrelDoc& document, std::ostream& out,
                                  const ImageCodec& codec, std::int32_t randomNumber,
                                  Notifier& messages);
// The same with the messages going to the document's notifier and the
// corrections left out; returns the report.
std::u16string WriteJsonExport(const CVantrelDoc& document, std::ostream& out,
                               const ImageCodec& codec, std::int32_t randomNumber);

} // namespace vantrel
