#include "archive/file_bytes.h"

#include "archive/text_codec.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantrel {

namespace {

// Writes all bytes to the descriptor, retrying short writes.
bool WriteAll(int fd, std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes = bytes.subspan(std::size_t(written));
    }
    return true;
}

// The process's file creation mask; it can only be read by setting it.
mode_t CurrentUmask()
{
    mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

FileError::FileError(const std::filesystem::path& path, int errorNumber)
    : std::runtime_error(path.string() + ": " + std::strerror(errorNumber)), path_(path),
      errorNumber_(errorNumber)
{}

std::u16string FileError::Message() const
{
    const std::u16string name = FromUtf8(path_.string());
    switch (errorNumber_) {
    case ENOENT:
    case ENOTDIR:
        return name + u" was not found.";
    case EACCES:
    case EPERM:
        return u"Access to " + name + u" was denied.";
    case EROFS:
    case ETXTBSY:
        return u"Unable to write to " + name + u", it is read-only or opened by someone else.";
    case EBUSY:
        return u"Unable to read from " + name + u", it is opened by someone else.";
    case ENOSPC:
    case EDQUOT:
        return u"Destination disk drive is full.";
    default:
        return name + u": " + FromUtf8(std::strerror(errorNumber_));
    }
}

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        throw FileError(path, errno);
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[65536];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    const int error = std::ferror(file) != 0 ? errno : 0;
    std::fclose(file);
    if (error != 0)
        throw FileError(path, error);
    return bytes;
}

void WriteFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes)
{
    std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
    std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        throw FileError(path, errno);
    const std::filesystem::path temporary = pattern;
    auto fail = [&](int error) {
        ::unlink(temporary.c_str());
        throw FileError(path, error);
    };
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        fail(error);
    }
    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat previous
    {};
    mode_t mode =
        ::stat(path.c_str(), &previous) == 0 ? previous.st_mode & 07777 : 0666 & ~CurrentUmask();
    ::fchmod(fd, mode);
    if (::close(fd) != 0)
        fail(errno);
    if (::rename(temporary.c_str(), path.c_str()) != 0)
        fail(errno);
}

} // namespace vantrel
