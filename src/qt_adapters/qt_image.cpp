#include "qt_adapters/qt_image.h"

#include <cstring>

namespace vantrel {

namespace {

bool IsConsistent(const Image& image)
{
    return !image.IsEmpty() &&
           image.pixels.size() == std::size_t(image.width) * std::size_t(image.height);
}

} // namespace

QImage WrapAsQImage(const Image& image)
{
    if (!IsConsistent(image))
        return {};
    return QImage(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                  qsizetype(image.width) * 4, QImage::Format_ARGB32);
}

QImage ToQImage(const Image& image)
{
    return WrapAsQImage(image).copy();
}

Image FromQImage(const QImage& image)
{
    if (image.isNull())
        return {};
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    Image result;
    result.width = argb.width();
    result.height = argb.height();
    result.pixels.resize(std::size_t(result.width) * std::size_t(result.height));
    for (int y = 0; y < result.height; ++y)
        std::memcpy(result.pixels.data() + std::size_t(y) * std::size_t(result.width),
                    argb.constScanLine(y), std::size_t(result.width) * 4);
    return result;
}

Image ScaledImage(const Image& image, QSize size)
{
    if (!IsConsistent(image) || size.isEmpty())
        return {};
    return FromQImage(
        WrapAsQImage(image).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

} // namespace vantrel
