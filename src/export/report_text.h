#pragma once

#include "graphics/geometry.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vantrel {

class LogElement;

// The texts the documentation writes its facts in.

// A grid cell as "(x, y)".
std::u16string CellText(Point cell);

// An element by its id and kind: "12 And".
std::u16string ElementRef(const LogElement& element);

// Elements as "12 And, 15 Delay"; `none` when there are none. A long list
// names the first kListedElements and says how many more there are.
inline constexpr std::size_t kListedElements = 40;
std::u16string ElementRefs(std::span<const LogElement* const> elements, std::u16string_view none);

// The labels (number + 1) of `count` numbers from `first`: "25-32", or "25".
std::u16string NumberRange(std::int64_t first, std::int64_t count);

// The numbers not taken, as labels in ranges: "free: 3, 5-8, 17-24", or
// "free: none".
std::u16string FreeNumbers(const std::vector<bool>& taken);

// Seconds since 1970 as a date and time: "2021-02-03 04:05:06 UTC".
std::u16string StampDate(std::int64_t seconds);

std::u16string YesNo(bool yes);

} // namespace vantrel
