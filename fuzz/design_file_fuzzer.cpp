// The bytes as a design file: opened, checked, sorted, compiled, exported,
// drawn, copied and pasted into itself and saved as the editor and the
// command line do, then the saved file opened again.
//
// Page images go through the small test codec (its own format, at most
// 255 x 255 pixels), so that a page's image is decoded, kept and encoded on
// save without each run spending its time in a real image decoder; the
// real decoders have a target of their own.

#include "design_steps.h"
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "support/fake_image_codec.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vantrel;
    static const test::FakeImageCodec codec;
    SilentNotifier notifier;
    CVantrelDoc document(&notifier);
    if (!LoadDesign(document, {data, size}, u"fuzz.lgc", codec))
        return 0;
    RunDesignCommands(document, codec);
    DrawPictures(document);
    PasteCopyOfDesign(document);
    RequireReopens(SaveToMemory(document, codec), codec);
    return 0;
}
