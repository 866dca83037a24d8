#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vantrel {

// The one place where text changes encoding. The core keeps text as UTF-16.

// UTF-16 to UTF-8. A lone surrogate becomes U+FFFD so the output is always
// valid UTF-8; a surrogate pair becomes one four-byte sequence.
std::string ToUtf8(std::u16string_view text);
// UTF-8 to UTF-16; malformed sequences become U+FFFD.
std::u16string FromUtf8(std::string_view text);

// The 8-bit code page of the flash file's name tables, the I/O lists and old
// 8-bit archive strings: Windows-1252 (ASCII unchanged). Characters it cannot
// represent become '?'.
std::string ToCodePage(std::u16string_view text);
std::u16string FromCodePage(std::span<const std::uint8_t> bytes);

// The decimal text of a number, as the system shows numbers ("%d").
std::u16string Decimal(long long value);

// ASCII literal to UTF-16, for the system's own fixed texts.
std::u16string Ascii(std::string_view text);

} // namespace vantrel
