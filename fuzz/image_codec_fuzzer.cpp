// The bytes as a page image, through the codec the editor and the command
// line use: decoded by whichever image plug-in claims them, and a decoded
// image encoded again as a design file (PNG) and an export (JPEG) store it.
// A PNG the codec wrote must decode to an image of the same size.
//
// The programs decode inside a QGuiApplication (some plug-ins, SVG's text
// among them, need one), so the target runs in one too, on the offscreen
// platform.

#include "header_outcomes.h"
#include "qt_adapters/qt_image_codec.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Encoding is only worth its time on small images; big ones only test the
// decoders' limits.
constexpr long long kMaxPixelsToEncode = 256 * 256;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vantrel;
    static const QtImageCodec codec;
    const std::optional<Image> image = codec.Decode({data, size});
    NoteHeaderOutcome({data, size}, image.has_value());
    if (!image || static_cast<long long>(image->width) * image->height > kMaxPixelsToEncode)
        return 0;
    const std::vector<std::uint8_t> png = codec.Encode(*image, ImageFormat::Png);
    codec.Encode(*image, ImageFormat::Jpeg);
    const std::optional<Image> again = codec.Decode(png);
    if (!again || again->width != image->width || again->height != image->height) {
        std::fputs("a decoded image does not survive its PNG\n", stderr);
        std::abort();
    }
    return 0;
}
