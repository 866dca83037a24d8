#pragma once

#include "platform/image.h"

#include <QSize>

class QPainter;

namespace vantrel {

class CVantrelDoc;
struct ViewState;

// The view's picture for a client area of the given size, drawn through the
// Qt surface: the design in Design mode, the current page in Preview design.
// `scaledBackground` is the current page's image already scaled to the
// client size (the view caches it), or none.
void RenderViewPicture(QPainter& painter, CVantrelDoc& document, const ViewState& state,
                       QSize client, const Image* scaledBackground);

// The page's background image scaled smoothly to the size; empty when the
// page has no image (or does not exist).
Image ScaledPageBackground(const CVantrelDoc& document, int page, QSize size);

} // namespace vantrel
