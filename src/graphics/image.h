#pragma once

#include <cstdint>
#include <vector>

namespace vantrel {

// A decoded raster image (page backgrounds). Pixels are 0xAARRGGBB, row by
// row from the top, width * height of them; the empty image has no pixels.
struct Image
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool IsEmpty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const Image&, const Image&) = default;
};

} // namespace vantrel
