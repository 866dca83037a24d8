#pragma once

#include "archive/archive_exception.h"
#include "elements/log_element.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vantrel::test {

using ElementVector = std::vector<std::unique_ptr<LogElement>>;

// The list as a design file stores it: a count prefix and one object
// reference (class record or class reference, then payload) per element.
std::vector<std::uint8_t> StoreElementList(ElementVector& list);
ElementVector LoadElementList(std::span<const std::uint8_t> bytes);

// The payload of one element, as its Serialize writes it.
std::vector<std::uint8_t> StorePayload(LogElement& element);
// Loads a payload into `element`: the cause of the archive failure, or none
// when it loaded.
std::optional<ArchiveCause> LoadPayload(LogElement& element, std::span<const std::uint8_t> bytes);

// The lengths at which a cut-off copy of the element's stored payload loads
// into a clone of it without failing with end of file; none for a sound payload.
std::vector<std::size_t> TruncationsThatLoad(const LogElement& element);

// The class, id, position and every input slot as one readable line.
std::string BaseFields(const LogElement& element);

} // namespace vantrel::test
