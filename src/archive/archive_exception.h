#pragma once

#include <stdexcept>
#include <string>

namespace vantrel {

// Why an archive operation failed. The numbers are the causes the user sees
// reported; each has its fixed message.
enum class ArchiveCause
{
    Generic = 1,        // an over-long text length
    WriteOnLoading = 2, // writing to an archive that loads
    EndOfFile = 3,      // the stream ends inside a value
    ReadOnStoring = 4,  // reading from an archive that stores
    BadIndex = 5,       // bad table number, wrong entry kind, counter limit, nesting too deep
    BadClass = 6,       // unregistered or malformed class record
    BadSchema = 7,      // stored schema differs from the registry's
};

class CArchiveException : public std::runtime_error
{
public:
    CArchiveException(ArchiveCause cause, std::u16string fileName);

    ArchiveCause Cause() const { return cause_; }
    const std::u16string& FileName() const { return fileName_; }
    // The user-facing text, with the file name (or "an unnamed file") filled in.
    std::u16string Message() const;

private:
    ArchiveCause cause_;
    std::u16string fileName_;
};

} // namespace vantrel
