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
    AtomicFileStream file(path);
    file.Stream().write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    file.Commit();
}

namespace {

// A name for a temporary file beside the target that no one else uses.
std::filesystem::path TemporaryBeside(const std::filesystem::path& path)
{
    std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
    std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        throw FileError(path, errno);
    ::close(fd);
    return pattern;
}

} // namespace

AtomicFileStream::AtomicFileStream(std::filesystem::path path)
    : path_(std::move(path)), temporary_(TemporaryBeside(path_)),
      stream_(temporary_, std::ios::binary | std::ios::trunc)
{
    if (!stream_)
        throw FileError(path_, errno != 0 ? errno : EIO);
}

AtomicFileStream::~AtomicFileStream()
{
    if (!committed_) {
        stream_.close();
        ::unlink(temporary_.c_str());
    }
}

void AtomicFileStream::Commit()
{
    errno = 0;
    stream_.flush();
    const bool written = bool(stream_);
    stream_.close();
    if (!written || stream_.fail())
        throw FileError(path_, errno != 0 ? errno : EIO);
    // The bytes reach the disk before the new file takes the old one's place.
    if (const int fd = ::open(temporary_.c_str(), O_RDONLY); fd >= 0) {
        const bool synced = ::fsync(fd) == 0;
        const int error = errno;
        ::close(fd);
        if (!synced)
            throw FileError(path_, error);
    }
    struct stat previous
    {};
    const mode_t mode =
        ::stat(path_.c_str(), &previous) == 0 ? previous.st_mode & 07777 : 0666 & ~CurrentUmask();
    ::chmod(temporary_.c_str(), mode);
    if (::rename(temporary_.c_str(), path_.c_str()) != 0)
        throw FileError(path_, errno);
    committed_ = true;
}

} // namespace vantrel
