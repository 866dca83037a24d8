#include "archive/sha256.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace vantrel {
namespace {

std::span<const std::uint8_t> Bytes(std::string_view text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(Sha256, KnownVectors)
{
    const std::string million(1'000'000, 'a');
    const struct
    {
        std::string_view message;
        const char* digest;
    } cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        // 56 bytes: the length no longer fits the first padded block.
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {million, "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const auto& [message, digest] : cases)
        EXPECT_EQ(Sha256::Hex(Bytes(message)), digest) << message.size() << " bytes";
}

TEST(Sha256, PiecesOfAnySizeGiveTheDigestOfTheWhole)
{
    std::vector<std::uint8_t> bytes;
    for (int round = 0; round < 3; ++round)
        for (int value = 0; value < 256; ++value)
            bytes.push_back(std::uint8_t(value));
    const char* expected = "f3a25aa93aa2fbba28d79260535bbd6a5eb0fc1c24a8b0f04e12b484c1dfe363";
    EXPECT_EQ(Sha256::Hex(bytes), expected);
    for (std::size_t piece : {1u, 55u, 63u, 64u, 65u, 200u}) {
        Sha256 hasher;
        for (std::size_t at = 0; at < bytes.size(); at += piece)
            hasher.Update(std::span(bytes).subspan(at, std::min(piece, bytes.size() - at)));
        EXPECT_EQ(Sha256::ToHex(hasher.Finish()), expected) << "pieces of " << piece;
    }
}

} // namespace
} // namespace vantrel
