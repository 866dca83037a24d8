#pragma once

#include <QByteArray>
#include <QSize>

#include <filesystem>
#include <functional>
#include <optional>

class QPainter;

namespace vantrel {

enum class PictureFormat
{
    Png,
    Jpeg,
    Bmp,
    Svg,
    Pdf,
};

// The extensions PictureFormatOf knows, as a message names them.
inline constexpr char kPictureExtensions[] = ".png, .jpg, .bmp, .svg or .pdf";

// The format a file name asks for by its extension (".png", ".jpg" or
// ".jpeg", ".bmp", ".svg", ".pdf", in any case); none for any other name.
std::optional<PictureFormat> PictureFormatOf(const std::filesystem::path& path);

// Sets the font pictures are drawn in: the application's font at the pixel
// size it has on a screen of 96 dots per inch, whatever the device's
// resolution. Texts then keep their size against the figures, which are
// drawn in pixels too, on a printer or in a vector file as on the screen.
void UsePictureFont(QPainter& painter);

// Draws picture number `page` with the painter, in pixels of the picture,
// in the painter's font.
using PictureDrawing = std::function<void(QPainter& painter, int page)>;

// Draws `pages` pictures of the size in the picture font and encodes them:
// a PNG, JPEG, BMP or SVG file of the first one, or a PDF file with one page
// each (a picture pixel a 96th of an inch, the page the size of the
// picture). Empty when the picture cannot be encoded.
QByteArray EncodePicture(PictureFormat format, QSize size, int pages, const PictureDrawing& draw);

} // namespace vantrel
