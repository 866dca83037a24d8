#include "archive/archive_exception.h"

#include "archive/text_codec.h"

namespace vantrel {

namespace {

std::u16string MessageTemplate(ArchiveCause cause)
{
    switch (cause) {
    case ArchiveCause::Generic:
        return u"An unknown error occurred while accessing %1.";
    case ArchiveCause::WriteOnLoading:
        return u"Attempted to write to the reading %1.";
    case ArchiveCause::EndOfFile:
        return u"Attempted to access %1 past its end.";
    case ArchiveCause::ReadOnStoring:
        return u"Attempted to read from the writing %1.";
    case ArchiveCause::BadIndex:
        return u"%1 has a bad format.";
    case ArchiveCause::BadClass:
        return u"%1 contained an unexpected object.";
    case ArchiveCause::BadSchema:
        return u"%1 contains an incorrect schema.";
    }
    return u"An unknown error occurred while accessing %1.";
}

std::u16string Fill(std::u16string pattern, const std::u16string& fileName)
{
    const std::u16string name = fileName.empty() ? u"an unnamed file" : fileName;
    auto at = pattern.find(u"%1");
    if (at != std::u16string::npos)
        pattern.replace(at, 2, name);
    return pattern;
}

} // namespace

CArchiveException::CArchiveException(ArchiveCause cause, std::u16string fileName)
    : std::runtime_error(ToUtf8(Fill(MessageTemplate(cause), fileName))), cause_(cause),
      fileName_(std::move(fileName))
{}

std::u16string CArchiveException::Message() const
{
    return Fill(MessageTemplate(cause_), fileName_);
}

} // namespace vantrel
