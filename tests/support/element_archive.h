#pragma once

#include "archive/archive_exception.h"
#include "elements/log_element.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vantrel::test {

using ElementVector = std::vector<std::unique_ptr<LogElement>>;

// The payload one element's Serialize writes.
std::vector<std::uint8_t> StorePayload(LogElement& element);
// An element list stored as one archive of object references.
std::vector<std::uint8_t> StoreElements(ElementVector& list);
ElementVector LoadElements(std::span<const std::uint8_t> bytes);

// What loading one element's payload did to the archive.
struct PayloadLoad
{
    std::size_t bytesLeft = 0;
    std::int32_t elementVersion = 0;
};
PayloadLoad LoadPayload(LogElement& element, std::span<const std::uint8_t> bytes);
// The cause with which loading the payload fails; none when it loads.
std::optional<ArchiveCause> PayloadLoadFailure(LogElement& element,
                                               std::span<const std::uint8_t> bytes);

// The class, id, position and the meaningful input slots as one line.
std::string BaseFields(const LogElement& element);

// Stores the list, loads it back and stores that again: both stores must
// give the same bytes, and every loaded element the fields of its original
// as `describe` lists them.
void ExpectRoundTrip(ElementVector& list,
                     const std::function<std::string(const LogElement&)>& describe);

} // namespace vantrel::test
