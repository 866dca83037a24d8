#pragma once

#include "graphics/image.h"
#include "graphics/image_codec.h"

namespace vantrel {
class CVantrelDoc;
}

namespace vantrel::test {

// A preview page as an engineer would draw one for the controller's display:
// three tanks with their levels, three gauges, pump lamps, pipes, a trend
// with three traces, frames and labels. It holds every paint class in each
// of its styles ("Solid color", "Blinking", "Moving"), with progress displays
// on the lines, ellipses, filled rectangles and texts. Added to `page`,
// whose background image becomes DisplayPageBackground, encoded by `codec`.
void AddDisplayPage(CVantrelDoc& document, int page, const ImageCodec& codec);

// A dark panel with a faint grid: the page background of the display page.
Image DisplayPageBackground(int width, int height);

// `count` paint objects on `page` with pens `width` pixels wide, every class
// in turn, eight "Blinking" then eight "Moving", with progress displays,
// spread over the page.
void AddAnimatedPaintObjects(CVantrelDoc& document, int page, int count, int width);

} // namespace vantrel::test
