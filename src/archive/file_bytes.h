#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace vantrel {

// What the system says when an allocation fails.
inline constexpr char16_t kOutOfMemoryText[] = u"Out of memory.";

// A file could not be read or written. It keeps the system's error number,
// so the user is told the file system's own reason with the file's name.
class FileError : public std::runtime_error
{
public:
    FileError(const std::filesystem::path& path, int errorNumber);
    // A file that cannot be written because the folder it goes into does
    // not exist (ENOENT).
    static FileError MissingFolder(const std::filesystem::path& path,
                                   const std::filesystem::path& folder);

    const std::filesystem::path& Path() const { return path_; }
    int ErrorNumber() const { return errorNumber_; }
    // "%1 was not found." and its kin, with the file name filled in; for a
    // missing folder, the folder and what to do about it.
    std::u16string Message() const;

private:
    std::filesystem::path path_;
    int errorNumber_;
    std::filesystem::path missingFolder_;
};

// Far more than any real design file holds, page images included.
constexpr std::uint64_t kMaxReadFileBytes = std::uint64_t(256) << 20;

// The whole content of a regular file, for an archive to load from. Anything
// else (a folder, a pipe, a device) and a file over kMaxReadFileBytes raise
// FileError with the system's reason, before anything of its size is
// allocated.
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path);

// Replaces the file with `bytes` so that a failure at any point leaves the
// previous file as it was: the bytes go to a temporary file in the same
// folder, which is flushed and then renamed over the target. As with a file
// written in place, a symbolic link is written through (the file it points
// to is replaced, the link stays), an existing file that may not be written
// raises FileError and stays untouched, and a replaced file keeps its
// permissions. A target that is not a regular file (a device such as
// /dev/null, a named pipe, the process's standard output) is not replaced
// but written into, as a plain write would; a folder raises FileError.
void WriteFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// Whether the path names something that is written into instead of being
// replaced: an existing file that is not a regular file or a folder, or
// one of the process's standard output streams (whatever it is redirected
// to, so that "-o /dev/stdout >> log" appends as the shell asked).
bool IsWrittenInPlace(const std::filesystem::path& path);

// Whether the path names the file the process's standard output goes to.
bool IsStandardOutput(const std::filesystem::path& path);

// A file written as a stream that replaces its target only when it is
// complete: the stream goes to a temporary file in the target's folder, and
// Commit flushes it and renames it over the target. Without Commit (an
// error, an exception) the temporary file is removed and the target stays.
// Links, read-only files and permissions are treated as WriteFileAtomically
// says; a read-only target fails already here, before anything is written.
// A target written in place (IsWrittenInPlace) gets the bytes as they come
// and Commit only closes it. A failure names the error number of the system
// call that failed, so a full disk or a file-size limit is told as such.
class AtomicFileStream
{
public:
    explicit AtomicFileStream(std::filesystem::path path);
    ~AtomicFileStream();
    AtomicFileStream(const AtomicFileStream&) = delete;
    AtomicFileStream& operator=(const AtomicFileStream&) = delete;

    std::ostream& Stream() { return stream_; }
    // Raises FileError when the stream failed or the file cannot replace the target.
    void Commit();

private:
    class Buffer;

    std::filesystem::path path_; // as named, for the messages
    std::unique_ptr<Buffer> buffer_;
    std::ostream stream_;
};

// The system call through which files are written. Tests put one in that
// fails as a full disk would; it returns the one it replaces.
using WriteCall = long (*)(int fd, const void* data, std::size_t size);
WriteCall ReplaceWriteCall(WriteCall call);

} // namespace vantrel
