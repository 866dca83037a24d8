#pragma once

#include "elements/log_element.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vantrel::test {

// The per-kind contract of an element as one readable line, at size r = 20:
// its list, its input pins (offset and flags), its output pin, then only the
// properties that differ from the element base, e.g.
//   list 3, in -, out (20,-10) num, register, monitor, editable, name "A", describes "Acc: A"
std::string ContractOf(const LogElement& element, const ElFinder& finder);

// One row of a figure table: what is drawn, at which size, and the calls
// its figure must make.
struct FigureCase
{
    const char* what;
    std::unique_ptr<LogElement> element;
    int r;
    std::vector<std::string> calls;
};

// The calls of the element's own figure at view anchor (x, y) with size r,
// as a fresh recording surface records them.
std::vector<std::string> FigureCalls(const LogElement& element, const ElFinder& finder, int x,
                                     int y, int r);

// The instruction words the element emits; expects exactly WordCount of them.
std::vector<std::uint32_t> WordsOf(const LogElement& element, const ElFinder& finder);

} // namespace vantrel::test
