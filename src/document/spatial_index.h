#pragma once

#include "document/id_index.h"
#include "elements/log_element.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vantrel {

// What the element lists were when something was derived from them: the
// document's change count and the lists' sizes (which also catch elements
// added or removed directly, without a change noted).
struct ListsStamp
{
    std::uint64_t changes = 0;
    std::array<std::size_t, kElementListCount> sizes{};
    friend bool operator==(const ListsStamp&, const ListsStamp&) = default;
};

// A box of grid cells, both corners included.
struct CellBox
{
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool Meets(const CellBox& other) const
    {
        return left <= other.right && other.left <= right && top <= other.bottom &&
               other.top <= bottom;
    }
};

// Where the design's elements sit and where their connections run, by grid
// cell, so that a picture, a click or a rubber band visits what meets its
// area instead of the whole design. Each element is entered at its cell,
// each connection with the box of the cells of its two ends, both under the
// element's place in the lists (a connection is drawn with the element whose
// input it feeds).
//
// Boxes of every size live in a ladder of loose grids whose buckets grow
// fourfold from rung to rung: a box goes to the finest rung whose buckets are
// larger than it, under the bucket of its top-left corner, so that it lies
// within that bucket and its right and lower neighbours. A rung is one array
// sorted by bucket; a query looks up each bucket row its area touches, or
// scans the rung when that is cheaper (an area over the whole number range).
// Cells anywhere in the 32-bit range are fine, and the memory is linear in
// the number of boxes whatever their coordinates.
class SpatialIndex
{
public:
    enum class Entry : std::uint8_t
    {
        Cell,
        Connection,
    };

    // Starts over for lists of these sizes; elements are then added by
    // their place.
    void BeginRefill(const ListsStamp& stamp);
    void Add(ElementLocation location, const CellBox& box, Entry entry);
    void EndRefill();

    // Whether the index was filled from the lists as they were at `stamp`.
    bool FilledFrom(const ListsStamp& stamp) const { return filled_ && stamp == stamp_; }

    // The places of the elements whose cell lies in `box` (with their
    // connections: or one of whose connections' boxes meets it), each once,
    // in list order.
    std::vector<ElementLocation> Query(const CellBox& box, bool withConnections) const;

private:
    struct Item
    {
        std::uint64_t bucket;
        std::uint32_t ordinal;
        Entry entry;
        CellBox box;
    };
    static constexpr int kRungs = 16;

    void QueryRung(const std::vector<Item>& rung, int shift, const CellBox& box,
                   bool withConnections, std::vector<std::uint32_t>& ordinals) const;
    ElementLocation LocationOf(std::uint32_t ordinal) const;

    std::array<std::vector<Item>, kRungs> rungs_;
    // Where each list starts among the ordinals, and one past the last.
    std::array<std::size_t, kElementListCount + 1> listStarts_{};
    ListsStamp stamp_;
    bool filled_ = false;
};

} // namespace vantrel
