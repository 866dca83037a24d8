#pragma once

#include <cstdint>
#include <span>

namespace vantrel {

// Whether every chunk of a PNG file, up to its IEND, fits in the bytes
// there are. The PNG library allocates a chunk's whole declared length
// before it reads the chunk (text, colour profiles, unknown chunks), so a
// few bytes can claim a gigabyte; such a file is refused before it reaches
// the decoder. Image data chunks are read piece by piece, so a file cut
// short in its image data still passes and decodes as far as it goes.
// Bytes that are not PNG pass.
bool PngChunksFit(std::span<const std::uint8_t> bytes);

// Whether the bytes begin with the PNG file signature.
bool HasPngSignature(std::span<const std::uint8_t> bytes);

} // namespace vantrel
