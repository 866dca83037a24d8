#pragma once

#include "support/stored_design.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vantrel {
class CVantrelDoc;
class Notifier;
} // namespace vantrel

namespace vantrel::test {

// The file the hand-written writer makes of `design` in the current
// version, opened as the program opens a file (page images through the fake
// codec); messages of the load go to `notifier`. None when it fails to load.
std::unique_ptr<CVantrelDoc> LoadStoredDesign(const StoredDesign& design, Notifier& notifier);

// What the program saves after loading `design`: the current version of its
// content, written by hand.
std::vector<std::uint8_t> SavedFormOf(const StoredDesign& design);

// The element with that id, in whichever list holds it; the test fails
// (and the first element is returned) when none does.
StoredElement& StoredElementWithId(StoredDesign& design, std::int32_t id);

} // namespace vantrel::test
