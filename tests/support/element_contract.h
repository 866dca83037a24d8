#pragma once

#include <string>

namespace vantrel {
class ElFinder;
class LogElement;
} // namespace vantrel

namespace vantrel::test {

// The per-kind contract of an element as one readable line, at size r = 20:
// its list, its input pins (offset and flags), its output pin, then only the
// properties that differ from the element base, e.g.
//   list 3, in -, out (20,-10) num, register, monitor, editable, name "A", describes "Acc: A"
std::string ContractOf(const LogElement& element, ElFinder& finder);

} // namespace vantrel::test
