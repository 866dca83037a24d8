#pragma once

#include <cstdint>
#include <vector>

namespace vantrel::test {

// Design files made the way an attacker would make them: small, legal in
// their form, each aimed at one way to make a reader recurse for ever,
// allocate without bound, overflow or take more than linear time. All are
// current-version files unless said otherwise.

// A gate stored in the indirect list, read by a gate of the main list.
std::vector<std::uint8_t> GateInIndirectList();

// numInputs 0x7FFFFFFF and an input numbered 0x7FFFFFFE (twice), so that
// a table indexed by number would take gigabytes.
std::vector<std::uint8_t> HugeInputNumber();

// Counts whose 32-bit sums overflow: two remote modules of 0x7FFFFFFF
// input and output bits, a big gate over a range starting at INT_MIN and
// numInputs INT_MIN with two inputs.
std::vector<std::uint8_t> OverflowingCounts();

// `pairs` In/Out Marker pairs in a chain (each In Marker fed by the Out
// Marker before it, the first by an input), the last Out Marker read by
// `readers` gates.
std::vector<std::uint8_t> MarkerChain(int pairs, int readers);

// `count` Out Markers stored in the main list, which a load drops.
std::vector<std::uint8_t> MarkersInMainList(int count);

// A version-17 file with `count` comments in its main list, which a load
// moves to the comment list.
std::vector<std::uint8_t> CommentsInMainList(int count);

// `count` gates whose inputs name ids that no element has.
std::vector<std::uint8_t> DanglingInputs(int count);

// `count` main-list elements that all carry one id.
std::vector<std::uint8_t> SharedIds(int count);

// An empty design of `pages` page slots that all hold the image file.
std::vector<std::uint8_t> PagesHolding(const std::vector<std::uint8_t>& image, int pages);

} // namespace vantrel::test
