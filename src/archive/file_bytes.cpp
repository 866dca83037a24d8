#include "archive/file_bytes.h"

#include "archive/text_codec.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

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

FileError FileError::MissingFolder(const std::filesystem::path& path,
                                   const std::filesystem::path& folder)
{
    FileError error(path, ENOENT);
    error.missingFolder_ = folder;
    return error;
}

std::u16string FileError::Message() const
{
    const std::u16string name = FromUtf8(path_.string());
    if (!missingFolder_.empty())
        return u"Cannot write " + name + u": the folder " + FromUtf8(missingFolder_.string()) +
               u" does not exist. Create it or choose another folder.";
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
    case ENOMEM:
        return kOutOfMemoryText;
    default:
        return name + u": " + FromUtf8(std::strerror(errorNumber_));
    }
}

namespace {

// Closes the file it holds when it goes.
class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept
    {
        std::swap(fd_, other.fd_);
        return *this;
    }
    int Get() const { return fd_; }
    // Closes it now, for the caller to see the error number; 0 when it closed.
    int Close()
    {
        const int fd = std::exchange(fd_, -1);
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// The kind and size of a file that may be read whole; FileError otherwise.
std::size_t ReadableSize(const std::filesystem::path& path, int fd)
{
    struct stat status
    {};
    if (::fstat(fd, &status) != 0)
        throw FileError(path, errno);
    if (S_ISDIR(status.st_mode))
        throw FileError(path, EISDIR);
    // A pipe or a device may never end.
    if (!S_ISREG(status.st_mode))
        throw FileError(path, ENODEV);
    if (std::uint64_t(status.st_size) > kMaxReadFileBytes)
        throw FileError(path, EFBIG);
    return std::size_t(status.st_size);
}

} // namespace

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path)
{
    // Not blocking: opening a pipe without a writer would wait for one.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0)
        throw FileError(path, errno);
    std::vector<std::uint8_t> bytes(ReadableSize(path, file.Get()));
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t read = ::read(file.Get(), bytes.data() + got, bytes.size() - got);
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0)
            throw FileError(path, errno);
        if (read == 0)
            break; // the file shrank since its size was taken
        got += std::size_t(read);
    }
    bytes.resize(got);
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

long SystemWrite(int fd, const void* data, std::size_t size)
{
    return long(::write(fd, data, size));
}

WriteCall writeCall = SystemWrite;

} // namespace

WriteCall ReplaceWriteCall(WriteCall call)
{
    return std::exchange(writeCall, call ? call : SystemWrite);
}

namespace {

// The standard output stream, or standard error, when the path names the
// very file it writes to.
std::optional<int> StandardStreamAt(const struct stat& status)
{
    for (const int stream : {STDOUT_FILENO, STDERR_FILENO}) {
        struct stat streamStatus
        {};
        if (::fstat(stream, &streamStatus) == 0 && streamStatus.st_dev == status.st_dev &&
            streamStatus.st_ino == status.st_ino)
            return stream;
    }
    return std::nullopt;
}

bool WrittenInPlace(const struct stat& status)
{
    return StandardStreamAt(status) || (!S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode));
}

// A descriptor to write the target in place with, or none when the target
// is replaced instead. A standard stream is written through a copy of the
// process's own descriptor, which also reaches a socket or a file opened
// for appending; anything else is opened for writing as it is (a device or
// a pipe has nothing to truncate).
std::optional<int> OpenInPlace(const std::filesystem::path& path)
{
    struct stat status
    {};
    if (::stat(path.c_str(), &status) != 0 || !WrittenInPlace(status))
        return std::nullopt;
    const std::optional<int> stream = StandardStreamAt(status);
    const int fd = stream ? ::fcntl(*stream, F_DUPFD_CLOEXEC, 0)
                          : ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        throw FileError(path, errno);
    return fd;
}

} // namespace

bool IsWrittenInPlace(const std::filesystem::path& path)
{
    struct stat status
    {};
    return ::stat(path.c_str(), &status) == 0 && WrittenInPlace(status);
}

bool IsStandardOutput(const std::filesystem::path& path)
{
    struct stat status
    {};
    return ::stat(path.c_str(), &status) == 0 && StandardStreamAt(status) == STDOUT_FILENO;
}

// The stream's bytes on their way to the file: into a temporary file beside
// the target that no one else uses, or straight into a target written in
// place. It keeps the error number of the first call that failed, and
// removes a temporary file when it goes unless the file has taken the
// target's place.
class AtomicFileStream::Buffer final : public std::streambuf
{
public:
    explicit Buffer(const std::filesystem::path& named)
    {
        if (const std::optional<int> fd = OpenInPlace(named)) {
            file_ = FileDescriptor(*fd);
            inPlace_ = true;
        } else {
            target_ = LinkTarget(named);
            OpenTemporary(named);
        }
        setp(bytes_.data(), bytes_.data() + bytes_.size());
    }
    ~Buffer() override
    {
        if (!kept_ && !temporary_.empty())
            ::unlink(temporary_.c_str());
    }
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;

    bool InPlace() const { return inPlace_; }
    const std::filesystem::path& Temporary() const { return temporary_; }
    const std::filesystem::path& Target() const { return target_; }
    void Keep() { kept_ = true; }

    // Writes what is left, puts a file that replaces its target on the disk
    // and closes the file: the error number of the first failure, 0 when
    // none failed. A pipe or a device has nothing to put on a disk.
    int Finish()
    {
        if (!Drain())
            return error_;
        if (!InPlace() && ::fsync(file_.Get()) != 0)
            return errno;
        return file_.Close();
    }

protected:
    int_type overflow(int_type character) override
    {
        if (!Drain())
            return traits_type::eof();
        if (!traits_type::eq_int_type(character, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(character);
            pbump(1);
        }
        return traits_type::not_eof(character);
    }
    int sync() override { return Drain() ? 0 : -1; }

private:
    void OpenTemporary(const std::filesystem::path& named)
    {
        RequireWritable(target_, named);
        const std::filesystem::path folder =
            target_.parent_path().empty() ? "." : target_.parent_path();
        std::string pattern = (folder / ("." + target_.filename().string() + ".XXXXXX")).string();
        file_ = FileDescriptor(::mkstemp(pattern.data()));
        if (file_.Get() < 0) {
            const int error = errno;
            std::error_code ignored;
            if (error == ENOENT && !std::filesystem::exists(folder, ignored))
                throw FileError::MissingFolder(named, folder);
            throw FileError(named, error);
        }
        temporary_ = pattern;
    }

    bool Drain()
    {
        const char* data = pbase();
        auto left = std::size_t(pptr() - pbase());
        while (left > 0 && error_ == 0) {
            const long written = writeCall(file_.Get(), data, left);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                error_ = written < 0 ? errno : EIO;
            else {
                data += written;
                left -= std::size_t(written);
            }
        }
        setp(bytes_.data(), bytes_.data() + bytes_.size());
        return error_ == 0;
    }

    bool inPlace_ = false;
    std::filesystem::path target_; // the file replaced, links followed
    std::filesystem::path temporary_;
    FileDescriptor file_{-1};
    std::array<char, 65536> bytes_{};
    int error_ = 0;
    bool kept_ = false;
};

namespace {

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
    : path_(std::move(path)), buffer_(std::make_unique<Buffer>(path_)), stream_(buffer_.get())
{}

AtomicFileStream::~AtomicFileStream() = default;

void AtomicFileStream::Commit()
{
    stream_.flush();
    // The bytes reach the disk before the new file takes the old one's place.
    if (const int error = buffer_->Finish(); error != 0)
        throw FileError(path_, error);
    if (buffer_->InPlace())
        return;
    TakeOverAttributes(buffer_->Temporary(), buffer_->Target());
    if (::rename(buffer_->Temporary().c_str(), buffer_->Target().c_str()) != 0)
        throw FileError(path_, errno);
    buffer_->Keep();
}

} // namespace vantrel
