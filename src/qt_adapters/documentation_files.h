#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vantrel {

class CVantrelDoc;
class ImageCodec;

enum class DocumentationFormat
{
    Pdf,
    Html,
};

// The format a file name asks for by its extension (".pdf", ".html" or
// ".htm", in any case); none for any other name.
std::optional<DocumentationFormat> DocumentationFormatOf(const std::filesystem::path& path);

// File > Export > Documentation and `vantrel-cli report`: the design's
// documentation, named `title` (the design's file name), written into the
// file in the format its name asks for. The file is replaced only once the
// whole document is written, so a failure leaves an existing file as it
// was. The design is not changed. None when written; otherwise what to tell
// the user.
std::optional<std::u16string> WriteDocumentation(CVantrelDoc& document,
                                                 const std::filesystem::path& path,
                                                 const std::u16string& title,
                                                 const ImageCodec& codec);

} // namespace vantrel
