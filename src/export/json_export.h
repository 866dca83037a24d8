#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>

namespace vantrel {

class CVantrelDoc;
class ImageCodec;

// The whole design as one JSON document, in a fixed key order and without
// whitespace: the board configuration, the names of every user-visible
// input, output and register, the complex commands, the logged outputs, the
// paint layer, the temperature inputs, the simulation elements, the
// compiled program image, the page backgrounds and, last, the design file
// itself (with its page images as JPEG). Complex commands lose the settings
// of deleted user inputs and paint objects keep their resolved links, as
// for any export. Returns the compiler's resource report.
std::u16string WriteJsonExport(CVantrelDoc& document, std::ostream& out, const ImageCodec& codec,
                               std::int32_t randomNumber);

} // namespace vantrel
