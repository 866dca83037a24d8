#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vantrel {

// The system clipboard as the editor uses it: bytes under a private format
// name. The editing commands copy and paste through it, so that they run
// without a display; the desktop's clipboard implements it in the Qt adapters.
class Clipboard
{
public:
    virtual ~Clipboard() = default;
    // Whether the clipboard holds data of the format now.
    virtual bool Holds(const std::u16string& format) const = 0;
    // The bytes of the format; none when the clipboard holds none.
    virtual std::optional<std::vector<std::uint8_t>> Read(const std::u16string& format) const = 0;
    // Replaces the clipboard's content with the bytes; false when the
    // platform refused them (another program holding the clipboard).
    virtual bool Write(const std::u16string& format, std::span<const std::uint8_t> bytes) = 0;
};

} // namespace vantrel
