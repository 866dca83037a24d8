#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace vantrel {

// A file could not be read or written; the message names the file and the
// file system's own reason.
class FileError : public std::runtime_error
{
public:
    FileError(const std::filesystem::path& path, const std::string& reason);
    const std::filesystem::path& Path() const { return path_; }
    std::u16string Message() const;

private:
    std::filesystem::path path_;
};

// The whole content of a file, for an archive to load from.
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path);

// Replaces the file with `bytes` so that a failure at any point leaves the
// previous file as it was: the bytes go to a temporary file in the same
// folder, which is flushed and then renamed over the target.
void WriteFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

} // namespace vantrel
