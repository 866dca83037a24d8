#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace vantrel {

// SHA-256 (FIPS 180-4), fed in pieces: the fingerprint of page images in the
// design's text form, where a hash must be the same on every machine.
class Sha256
{
public:
    using Digest = std::array<std::uint8_t, 32>;

    Sha256();
    void Update(std::span<const std::uint8_t> bytes);
    // The digest of everything fed so far; the hasher is spent afterwards.
    Digest Finish();

    // The digest of one block of bytes in 64 lower-case hexadecimal digits.
    static std::string Hex(std::span<const std::uint8_t> bytes);
    static std::string ToHex(const Digest& digest);

private:
    void Compress(const std::uint8_t* block);

    std::array<std::uint32_t, 8> state_;
    std::array<std::uint8_t, 64> pending_{};
    std::size_t pendingSize_ = 0;
    std::uint64_t totalBytes_ = 0;
};

} // namespace vantrel
