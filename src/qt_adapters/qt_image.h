#pragma once

// vantrel::Image at the Qt boundary. Image pixels are 0xAARRGGBB, which is
// exactly QImage::Format_ARGB32 (non-premultiplied).

#include "graphics/image.h"

#include <QImage>

namespace vantrel {

// A deep copy in QImage::Format_ARGB32; the null QImage for an empty image
// or one whose pixel count does not match its size.
QImage ToQImage(const Image& image);

// A read-only QImage over the image's own pixels, without copying: valid only
// while `image` lives and is not changed. Null like ToQImage.
QImage WrapAsQImage(const Image& image);

// Any QImage converted to Format_ARGB32 and copied; the null QImage gives the
// empty image.
Image FromQImage(const QImage& image);

// The image scaled smoothly to the size, without keeping its aspect; empty
// for an empty image or size.
Image ScaledImage(const Image& image, QSize size);

} // namespace vantrel
