#pragma once

#include "graphics/colour.h"

#include <filesystem>

namespace vantrel {

class CVantrelDoc;
class ImageCodec;

// The preview pages' background, each change one undoable edit.

// Sets the background colour, which all pages share, and removes the image
// of page `page`, so that the page shows the colour.
void SetBackgroundColour(CVantrelDoc& document, int page, Colour colour);

// Makes the image file the background of page `page`; the file may be in any
// format the codec decodes, and the page keeps it as it is. A file that cannot
// be read or decoded is reported ("Could not load background image", with the
// image's size and the limit when it is too large) and leaves the page
// without an image. Returns whether the image was loaded.
bool ImportBackground(CVantrelDoc& document, int page, const std::filesystem::path& path,
                      const ImageCodec& codec);

} // namespace vantrel
