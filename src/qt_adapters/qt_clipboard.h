#pragma once

#include "editing/clipboard.h"

namespace vantrel {

// The desktop's clipboard. A private format travels under the name every
// instance of the editor uses, so that instances on one display exchange
// payloads.
class QtClipboard final : public Clipboard
{
public:
    bool Holds(const std::u16string& format) const override;
    std::optional<std::vector<std::uint8_t>> Read(const std::u16string& format) const override;
    bool Write(const std::u16string& format, std::span<const std::uint8_t> bytes) override;
};

} // namespace vantrel
