#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace vantrel {

// Numbers looked up by address: what a storing archive gave the objects and
// class names it has written, what the document's lookups have learnt about
// elements. Every element of a design passes through such a table when it
// is saved or compiled, so the table is flat (open addressing, linear
// probing) rather than a node per entry scattered over the heap.
class AddressNumbers
{
public:
    std::optional<std::uint32_t> Find(const void* address) const;
    // `address` must not be in the table yet, and must not be null.
    void Add(const void* address, std::uint32_t number);
    // Makes room for `count` addresses in all, so that filling the table
    // does not grow it step by step.
    void Reserve(std::size_t count);

private:
    struct Slot
    {
        const void* address = nullptr;
        std::uint32_t number = 0;
    };

    std::size_t SlotOf(const void* address) const;
    void Grow();
    void Rehash(std::size_t capacity);

    std::vector<Slot> slots_;
    std::size_t count_ = 0;
};

} // namespace vantrel
