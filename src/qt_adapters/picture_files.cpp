#include "qt_adapters/picture_files.h"

#include "qt_adapters/file_extension.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>

namespace vantrel {

namespace {

constexpr int kScreenDotsPerInch = 96;
constexpr int kFastPngQuality = 80;

void DrawPicture(QPainter& painter, int page, const PictureDrawing& draw)
{
    painter.save();
    UsePictureFont(painter);
    draw(painter, page);
    painter.restore();
}

// An image file of the picture in one of Qt's image formats, at the
// format's quality (-1 for its default).
QByteArray EncodeImage(QSize size, const PictureDrawing& draw, const char* format, int quality)
{
    QImage picture(size, QImage::Format_RGB32);
    {
        QPainter painter(&picture);
        DrawPicture(painter, 0, draw);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, format, quality))
        return {};
    return bytes;
}

QByteArray EncodeSvg(QSize size, const PictureDrawing& draw)
{
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(kScreenDotsPerInch);
    generator.setTitle(QStringLiteral("Vantrel design"));
    QPainter painter;
    if (!painter.begin(&generator))
        return {};
    DrawPicture(painter, 0, draw);
    return painter.end() ? svg : QByteArray();
}

QByteArray EncodePdf(QSize size, int pages, const PictureDrawing& draw)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kScreenDotsPerInch);
    writer.setCreator(QStringLiteral("Vantrel"));
    const QPageSize pageSize(QSizeF(size) / kScreenDotsPerInch, QPageSize::Inch,
                             QStringLiteral("Picture"), QPageSize::ExactMatch);
    writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        DrawPicture(painter, page, draw);
    }
    return painter.end() ? pdf : QByteArray();
}

} // namespace

std::optional<PictureFormat> PictureFormatOf(const std::filesystem::path& path)
{
    const std::string extension = LowerCaseExtension(path);
    if (extension == ".png")
        return PictureFormat::Png;
    if (extension == ".jpg" || extension == ".jpeg")
        return PictureFormat::Jpeg;
    if (extension == ".bmp")
        return PictureFormat::Bmp;
    if (extension == ".svg")
        return PictureFormat::Svg;
    if (extension == ".pdf")
        return PictureFormat::Pdf;
    return std::nullopt;
}

void UsePictureFont(QPainter& painter)
{
    QFont font = QGuiApplication::font();
    const int deviceDpi = painter.device() ? painter.device()->logicalDpiY() : kScreenDotsPerInch;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * kScreenDotsPerInch / std::max(deviceDpi, 1));
    painter.setFont(font);
}

QByteArray EncodePicture(PictureFormat format, QSize size, int pages, const PictureDrawing& draw)
{
    switch (format) {
    case PictureFormat::Png:
        // Qt's PNG quality picks the zlib level; this one is level 1, which
        // deflates a schematic (mostly white, long runs) nearly as small as
        // the default level in a fraction of the time.
        return EncodeImage(size, draw, "PNG", kFastPngQuality);
    case PictureFormat::Jpeg:
        return EncodeImage(size, draw, "JPEG", -1);
    case PictureFormat::Bmp:
        return EncodeImage(size, draw, "BMP", -1);
    case PictureFormat::Svg:
        return EncodeSvg(size, draw);
    case PictureFormat::Pdf:
        return EncodePdf(size, std::max(pages, 1), draw);
    }
    return {};
}

} // namespace vantrel
