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
// Every stored field of an element as one readable line; each family's tests
// write their own on top of BaseFields.
using FieldsOf = std::function<std::string(const LogElement&)>;

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

// Expects that storing the list, loading it and storing it again gives the
// same bytes, and that every loaded element has the fields of its original.
void ExpectRoundTrip(ElementVector& list, const FieldsOf& fields);

// Expects that the payload (hex) followed by one sentinel byte loads into
// `element` with the expected fields and leaves exactly the sentinel.
void ExpectPayloadLoads(LogElement& element, const std::string& payloadHex,
                        const std::string& expectedFields, const FieldsOf& fields);

// Expects that every clone has the fields of its original, and that changing
// the clone's base fields and, through `changeOwnFields`, those of its kind
// leaves the original as it was.
void ExpectIndependentClones(const ElementVector& list, const FieldsOf& fields,
                             const std::function<void(LogElement&)>& changeOwnFields);

} // namespace vantrel::test
