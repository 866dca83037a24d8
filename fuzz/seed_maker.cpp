// Writes the generated seeds of the fuzz targets into OUT/<target>/:
//   design_file        the every-kind and plant designs, saved, and the
//                      example designs
//   clipboard_payload  a mode byte and the logic or paint payload of every
//                      element or paint object of those designs, of the
//                      stored designs of the corpus folder and of the examples
//   image_codec        small images in every format the codec reads
// Usage: vantrel_fuzz_seeds OUT CORPUS_FOLDER EXAMPLES_FOLDER

#include "archive/file_bytes.h"
#include "design_steps.h"
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "editing/clipboard_payload.h"
#include "support/every_kind_design.h"
#include "support/fake_image_codec.h"
#include "support/plant_design.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include <filesystem>
#include <iostream>
#include <string>

namespace vantrel {

namespace {

namespace fs = std::filesystem;

constexpr std::uint8_t kLogicMode = 0;
constexpr std::uint8_t kPaintMode = 1;

// A 2 x 2 GIF written out by hand (Qt reads GIF but cannot write it): a
// two-colour palette and LZW codes of 3 bits, with a clear code before each
// pixel so that the code width never grows.
constexpr std::uint8_t kTinyGif[] = {'G',  'I',  'F',  '8',  '9',  'a',  0x02, 0x00, 0x02, 0x00,
                                     0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x2C,
                                     0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x02, 0x00, 0x00, 0x02,
                                     0x04, 0x04, 0xC3, 0x10, 0x05, 0x00, 0x3B};

void Write(const fs::path& path, std::span<const std::uint8_t> bytes)
{
    fs::create_directories(path.parent_path());
    WriteFileAtomically(path, bytes);
}

void WriteModePayload(const fs::path& path, std::uint8_t mode, std::vector<std::uint8_t> payload)
{
    payload.insert(payload.begin(), mode);
    Write(path, payload);
}

// Both payloads of everything in the design.
void WritePayloads(const fs::path& folder, const std::string& name, const CVantrelDoc& document)
{
    std::vector<LogElement*> elements;
    for (const ElementList& list : document.elements)
        for (const auto& element : list)
            elements.push_back(element.get());
    std::vector<PaintStuff*> paint;
    for (const auto& object : document.paintObjects)
        paint.push_back(object.get());
    WriteModePayload(folder / (name + "_logic"), kLogicMode, LogicPayload(document, elements));
    WriteModePayload(folder / (name + "_paint"), kPaintMode, PaintPayload(paint));
}

void WriteDesignSeeds(const fs::path& out, const fs::path& corpus, const fs::path& examples)
{
    const test::FakeImageCodec codec;
    SilentNotifier notifier;
    const std::pair<const char*, void (*)(CVantrelDoc&)> built[] = {
        {"every_kind", test::BuildEveryKindDesign}, {"plant", test::BuildPlant}};
    for (const auto& [name, build] : built) {
        CVantrelDoc document(&notifier);
        build(document);
        Write(out / "design_file" / (std::string(name) + ".lgc"), SaveToMemory(document, codec));
        WritePayloads(out / "clipboard_payload", name, document);
    }
    for (const auto& entry : fs::directory_iterator(corpus)) {
        const std::string name = entry.path().stem().string();
        CVantrelDoc document(&notifier);
        if (name.starts_with("design_") &&
            OpenDesign(document, entry.path(), codec) == OpenOutcome::Opened)
            WritePayloads(out / "clipboard_payload", name, document);
    }
    // The example designs are drawn as users draw: whole designs and their
    // selections as real-looking inputs.
    for (const auto& entry : fs::directory_iterator(examples)) {
        CVantrelDoc document(&notifier);
        if (entry.path().extension() != ".lgc" ||
            OpenDesign(document, entry.path(), codec) != OpenOutcome::Opened)
            continue;
        fs::copy_file(entry.path(), out / "design_file" / entry.path().filename(),
                      fs::copy_options::overwrite_existing);
        WritePayloads(out / "clipboard_payload", "example_" + entry.path().stem().string(),
                      document);
    }
}

QImage SampleImage(bool alpha)
{
    QImage image(5, 3, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgba(x * 50, y * 80, 200, alpha ? x * 60 : 255));
    return image;
}

void WriteImageSeeds(const fs::path& folder)
{
    fs::create_directories(folder);
    for (const char* format : {"png", "jpeg", "bmp", "ico", "ppm", "xpm"}) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!QImageWriter(&buffer, format).write(SampleImage(std::string(format) == "png")))
            continue; // the plug-in is not installed
        Write(
            folder / (std::string("sample.") + format),
            {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())});
    }
    Write(folder / "sample.gif", kTinyGif);
}

} // namespace

} // namespace vantrel

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: vantrel_fuzz_seeds OUT CORPUS_FOLDER EXAMPLES_FOLDER\n";
        return 2;
    }
    try {
        vantrel::WriteDesignSeeds(argv[1], argv[2], argv[3]);
        vantrel::WriteImageSeeds(std::filesystem::path(argv[1]) / "image_codec");
    } catch (const std::exception& failure) {
        std::cerr << failure.what() << '\n';
        return 1;
    }
    return 0;
}
