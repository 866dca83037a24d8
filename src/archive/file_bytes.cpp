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

// Links followed before a path counts as a loop, as the system counts them.
constexpr int kMaxLinkHops = 40;

// The file that a path names once its symbolic links are followed. A save
// replaces that file and leaves the link a link; a dangling link names the
// file it points to, which the save then creates.
std::filesystem::path LinkTarget(const std::filesystem::path& path)
{
    std::filesystem::path target = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(target, error)))
            return target;
        const std::filesystem::path next = std::filesystem::read_symlink(target, error);
        if (error)
            throw FileError(path, error.value());
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    throw FileError(path, ELOOP);
}

// An existing file is replaced only when it may be written, as writing it
// in place would require: a rename asks only the folder, so it would
// silently replace a file its user has protected. For an ordinary user the
// system's access check decides. Root passes that check for every file, so
// a file whose owner may not write it counts as read-only for everyone:
// that is the mark a user sets to keep a file as it is.
void RequireWritable(const std::filesystem::path& target, const std::filesystem::path& named)
{
    struct stat status
    {};
    if (::stat(target.c_str(), &status) != 0)
        return; // no file to protect; creating one reports its own failure
    if (S_ISDIR(status.st_mode))
        throw FileError(named, EISDIR);
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        throw FileError(named, errno);
    if ((status.st_mode & S_IWUSR) == 0)
        throw FileError(named, EACCES);
}

// A name for a temporary file beside the target that no one else uses.
std::filesystem::path TemporaryBeside(const std::filesystem::path& target,
                                      const std::filesystem::path& named)
{
    RequireWritable(target, named);
    std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        throw FileError(named, errno);
    ::close(fd);
    return pattern;
}

// The replacement takes the previous file's permissions and, where the
// system allows it, its owner, so that a save changes only the content. A
// new file gets the permissions a plain create would give it.
void TakeOverAttributes(const std::filesystem::path& temporary, const std::filesystem::path& target)
{
    struct stat previous
    {};
    if (::stat(target.c_str(), &previous) != 0) {
        ::chmod(temporary.c_str(), 0666 & ~CurrentUmask());
        return;
    }
    if (::chown(temporary.c_str(), previous.st_uid, previous.st_gid) != 0) {
        // Only root may give a file away; anyone else keeps owning the copy.
    }
    ::chmod(temporary.c_str(), previous.st_mode & 07777);
}

} // namespace

AtomicFileStream::AtomicFileStream(std::filesystem::path path)
    : path_(std::move(path)), target_(LinkTarget(path_)),
      temporary_(TemporaryBeside(target_, path_)),
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
    TakeOverAttributes(temporary_, target_);
    if (::rename(temporary_.c_str(), target_.c_str()) != 0)
        throw FileError(path_, errno);
    committed_ = true;
}

} // namespace vantrel
