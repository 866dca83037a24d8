#include "qt_adapters/qt_image_codec.h"

#include "qt_adapters/png_chunks.h"
#include "qt_adapters/qt_image.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QImageWriter>

#include <limits>
#include <type_traits>

namespace vantrel {

namespace {

bool IsAcceptableSize(QSize size)
{
    return size.width() > 0 && size.height() > 0 && size.width() <= QtImageCodec::kMaxDimension &&
           size.height() <= QtImageCodec::kMaxDimension &&
           qint64(size.width()) * qint64(size.height()) <= QtImageCodec::kMaxPixels;
}

// Reads the one image behind `reader`, refusing absurd declared sizes before
// any pixel is decoded. Handlers that cannot tell the size up front (no or an
// empty size) are left to Qt's allocation limit; the decoded size is checked
// again, for headers that claim less than the image holds.
std::optional<Image> ReadImage(QImageReader& reader)
{
    try {
        const QSize declared = reader.size();
        if (!declared.isEmpty() && !IsAcceptableSize(declared))
            return std::nullopt;
        QImage image;
        if (!reader.read(&image) || image.isNull() || !IsAcceptableSize(image.size()))
            return std::nullopt;
        return FromQImage(image);
    } catch (...) {
        return std::nullopt;
    }
}

// Calls `use` with a reader over the bytes; nothing when there are none or
// too many for Qt.
template <typename Use>
std::invoke_result_t<Use, QImageReader&> WithReader(std::span<const std::uint8_t> bytes, Use use)
{
    if (bytes.empty() || bytes.size() > std::size_t(std::numeric_limits<int>::max()))
        return {};
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                                    qsizetype(bytes.size()));
    QBuffer buffer;
    buffer.setData(data);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&buffer);
    return use(reader);
}

} // namespace

QtImageCodec::QtImageCodec()
{
    QImageReader::setAllocationLimit(kAllocationLimitMb);
}

std::optional<Image> QtImageCodec::Decode(std::span<const std::uint8_t> bytes) const
{
    // The PNG library allocates a chunk's claimed length before reading it.
    if (!PngChunksFit(bytes))
        return std::nullopt;
    return WithReader(bytes, ReadImage);
}

std::optional<OversizedImage> QtImageCodec::Oversized(std::span<const std::uint8_t> bytes) const
{
    return WithReader(bytes, [](QImageReader& reader) -> std::optional<OversizedImage> {
        const QSize declared = reader.size();
        if (declared.isEmpty() || IsAcceptableSize(declared))
            return std::nullopt;
        return OversizedImage{{declared.width(), declared.height()}, kMaxDimension, kMaxPixels};
    });
}

bool QtImageCodec::IsImageFile(std::span<const std::uint8_t> bytes) const
{
    return WithReader(bytes, [](QImageReader& reader) { return reader.canRead(); });
}

bool QtImageCodec::IsPng(std::span<const std::uint8_t> bytes) const
{
    return HasPngSignature(bytes);
}

std::vector<std::uint8_t> QtImageCodec::Encode(const Image& image, ImageFormat format) const
{
    QImage qimage = ToQImage(image);
    if (qimage.isNull())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    QImageWriter writer(&buffer, format == ImageFormat::Png ? "png" : "jpeg");
    if (format == ImageFormat::Jpeg) {
        writer.setQuality(kJpegQuality);
        qimage = qimage.convertToFormat(QImage::Format_RGB32);
    }
    if (!writer.write(qimage))
        return {};
    buffer.close();
    return {bytes.cbegin(), bytes.cend()};
}

} // namespace vantrel
