// Damaged archives must load or fail with the archive's own error: never
// crash, hang, read out of bounds or allocate without bound.
#include "archive/archive.h"

#include "document/system_classes.h"
#include "document/vantrel_doc.h"
#include "support/sample_designs.h"

#include <gtest/gtest.h>

#include <random>

namespace vantrel {
namespace {

// Two element lists: one of every kind, then either an empty list or the
// same objects again (all back references, which an owned list refuses).
std::vector<std::uint8_t> ValidArchive(bool repeatObjects)
{
    auto kinds = test::OneOfEveryKind();
    std::vector<std::unique_ptr<LogElement>> none;
    std::vector<std::uint8_t> bytes;
    CArchive ar(StoreTo, bytes, SystemClasses());
    ar.SerializeObjectList(kinds);
    ar.SerializeObjectList(repeatObjects ? kinds : none);
    return bytes;
}

// Loads the bytes as two element lists, then uses what loaded the way the
// editor and compiler would. Returns whether the load succeeded.
bool LoadAndUse(const std::vector<std::uint8_t>& bytes)
{
    CVantrelDoc document;
    try {
        CArchive ar(LoadFrom, bytes, SystemClasses());
        ar.SerializeObjectList(document.elements[kMainList]);
        ar.SerializeObjectList(document.elements[kRegisterList]);
    } catch (const CArchiveException& e) {
        EXPECT_GE(int(e.Cause()), 1);
        EXPECT_LE(int(e.Cause()), 7);
        return false;
    }
    for (auto& list : document.elements)
        std::erase(list, nullptr);
    document.RebuildLoopSet();
    std::vector<std::uint32_t> words;
    for (auto& element : document.elements[kMainList]) {
        element->Encode(words, document);
        element->Describe(document);
    }
    return true;
}

TEST(ArchiveRobustness, EveryTruncationFailsWithACause)
{
    const auto valid = ValidArchive(false);
    EXPECT_TRUE(LoadAndUse(valid));
    EXPECT_FALSE(LoadAndUse(ValidArchive(true)));
    for (std::size_t length = 0; length < valid.size(); ++length)
        EXPECT_FALSE(LoadAndUse(std::vector<std::uint8_t>(valid.begin(), valid.begin() + length)));
}

TEST(ArchiveRobustness, BitFlipsLoadOrFailWithACause)
{
    const auto valid = ValidArchive(false);
    std::mt19937 random(20261210);
    int loaded = 0;
    for (int variant = 0; variant < 4000; ++variant) {
        auto damaged = valid;
        const int flips = 1 + variant % 4;
        for (int i = 0; i < flips; ++i)
            damaged[random() % damaged.size()] ^= std::uint8_t(1u << (random() % 8));
        loaded += LoadAndUse(damaged) ? 1 : 0;
    }
    RecordProperty("loaded", loaded);
}

TEST(ArchiveRobustness, RandomBytesAfterAValidStartFailWithACause)
{
    std::mt19937 random(7);
    const auto valid = ValidArchive(true);
    for (int variant = 0; variant < 2000; ++variant) {
        std::vector<std::uint8_t> bytes(valid.begin(),
                                        valid.begin() + std::ptrdiff_t(random() % valid.size()));
        const std::size_t tail = random() % 64;
        for (std::size_t i = 0; i < tail; ++i)
            bytes.push_back(std::uint8_t(random()));
        LoadAndUse(bytes);
    }
}

} // namespace
} // namespace vantrel
