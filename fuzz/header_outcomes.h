#pragma once

#include <cstdint>
#include <span>

// Qt's image plug-ins and the libraries under them are not instrumented, so
// libFuzzer cannot see which of their paths an input takes. What a reader
// tells about the bytes without decoding them (the plug-in that claims them,
// the size class of the declared size, the pixel format, the frame count)
// and whether the codec decoded them is fed back to libFuzzer as extra
// coverage, so that inputs reaching a new kind of header are kept.
void NoteHeaderOutcome(std::span<const std::uint8_t> bytes, bool decoded);
