#include "archive/address_numbers.h"

#include <gtest/gtest.h>

#include <array>

namespace vantrel {
namespace {

// Addresses that lie close together, as consecutively allocated elements do,
// must neither collide into wrong answers nor be lost as the table grows.
TEST(AddressNumbers, FindsEveryAddedObjectAcrossGrowthAndNoOther)
{
    static std::array<std::uint64_t, 20000> storage{};
    const auto address = [](std::size_t i) { return static_cast<const void*>(&storage[i]); };
    AddressNumbers numbers;
    EXPECT_FALSE(numbers.Find(address(0)));
    for (std::size_t i = 0; i < storage.size(); i += 2)
        numbers.Add(address(i), std::uint32_t(i + 1));
    for (std::size_t i = 0; i < storage.size(); ++i) {
        const auto found = numbers.Find(address(i));
        if (i % 2 == 0)
            EXPECT_EQ(found, std::optional<std::uint32_t>(std::uint32_t(i + 1))) << i;
        else
            EXPECT_FALSE(found) << i;
    }
}

} // namespace
} // namespace vantrel
