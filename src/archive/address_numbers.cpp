#include "archive/address_numbers.h"

namespace vantrel {

namespace {

constexpr std::size_t kFirstCapacity = 64;

// Objects are at least 8-byte aligned, so the low bits carry nothing; the
// multiplication spreads the rest over the whole word.
std::size_t Mix(const void* address)
{
    const auto bits = std::uint64_t(reinterpret_cast<std::uintptr_t>(address));
    return std::size_t((bits >> 3) * 0x9E3779B97F4A7C15ULL >> 16);
}

} // namespace

std::size_t AddressNumbers::SlotOf(const void* address) const
{
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = Mix(address) & mask;
    while (slots_[slot].address && slots_[slot].address != address)
        slot = (slot + 1) & mask;
    return slot;
}

std::optional<std::uint32_t> AddressNumbers::Find(const void* address) const
{
    if (slots_.empty())
        return std::nullopt;
    const Slot& slot = slots_[SlotOf(address)];
    if (!slot.address)
        return std::nullopt;
    return slot.number;
}

void AddressNumbers::Add(const void* address, std::uint32_t number)
{
    // At most half full, so probe runs stay short.
    if (2 * (count_ + 1) > slots_.size())
        Grow();
    slots_[SlotOf(address)] = Slot{address, number};
    ++count_;
}

void AddressNumbers::Reserve(std::size_t count)
{
    std::size_t capacity = slots_.empty() ? kFirstCapacity : slots_.size();
    while (capacity < 2 * count)
        capacity *= 2;
    if (capacity > slots_.size())
        Rehash(capacity);
}

void AddressNumbers::Grow()
{
    Rehash(slots_.empty() ? kFirstCapacity : 2 * slots_.size());
}

void AddressNumbers::Rehash(std::size_t capacity)
{
    std::vector<Slot> old(capacity);
    old.swap(slots_);
    for (const Slot& slot : old)
        if (slot.address)
            slots_[SlotOf(slot.address)] = slot;
}

} // namespace vantrel
