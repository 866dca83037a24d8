#include "document/design_io.h"

#include "archive/archive.h"
#include "archive/file_bytes.h"
#include "archive/text_codec.h"
#include "document/system_classes.h"
#include "document/vantrel_doc.h"

#include <new>

namespace vantrel {

namespace {

std::u16string ArchiveFailureText(const CArchiveException& failure, const char16_t* otherwise)
{
    switch (failure.Cause()) {
    case ArchiveCause::EndOfFile:
    case ArchiveCause::BadIndex:
    case ArchiveCause::BadClass:
    case ArchiveCause::BadSchema:
        return u"Unexpected file format.";
    default:
        return otherwise;
    }
}

void Report(CVantrelDoc& document, const std::u16string& text)
{
    document.GetNotifier().Message(text, kApplicationTitle, MessageButtons::Ok);
}

} // namespace

OpenOutcome OpenDesign(CVantrelDoc& document, const std::filesystem::path& path,
                       const ImageCodec& codec)
{
    std::vector<std::uint8_t> bytes;
    try {
        bytes = ReadFileBytes(path);
    } catch (const FileError& failure) {
        Report(document, failure.Message());
        return OpenOutcome::CannotRead;
    } catch (const std::bad_alloc&) {
        Report(document, kOutOfMemoryText);
        return OpenOutcome::CannotRead;
    }
    return LoadDesign(document, bytes, FromUtf8(path.filename().string()), codec)
               ? OpenOutcome::Opened
               : OpenOutcome::Damaged;
}

bool LoadDesign(CVantrelDoc& document, std::span<const std::uint8_t> bytes,
                const std::u16string& fileName, const ImageCodec& codec)
{
    constexpr const char16_t* kFailed = u"Failed to open document.";
    try {
        document.SetModified(true);
        if (bytes.empty()) {
            document.ResetDocument();
        } else {
            CArchive ar(LoadFrom, bytes, SystemClasses(), fileName);
            document.Serialize(ar, codec, ImageFormat::Png);
        }
        document.SetModified(false);
        return true;
    } catch (const CArchiveException& failure) {
        Report(document, ArchiveFailureText(failure, kFailed));
    } catch (const std::bad_alloc&) {
        // What was loaded goes first, so that telling it has memory to use.
        document.ResetDocument();
        Report(document, kOutOfMemoryText);
    } catch (const std::exception&) {
        Report(document, kFailed);
    }
    document.ResetDocument();
    document.SetModified(false);
    return false;
}

bool SaveDesign(CVantrelDoc& document, const std::filesystem::path& path, const ImageCodec& codec)
{
    constexpr const char16_t* kFailed = u"Failed to save document.";
    try {
        WriteFileAtomically(path, DesignBytes(document, FromUtf8(path.filename().string()), codec));
        document.SetModified(false);
        return true;
    } catch (const FileError& failure) {
        Report(document, failure.Message());
    } catch (const CArchiveException& failure) {
        Report(document, ArchiveFailureText(failure, kFailed));
    } catch (const std::bad_alloc&) {
        Report(document, kOutOfMemoryText);
    } catch (const std::exception&) {
        Report(document, kFailed);
    }
    return false;
}

std::vector<std::uint8_t> DesignBytes(CVantrelDoc& document, const std::u16string& fileName,
                                      const ImageCodec& codec)
{
    std::vector<std::uint8_t> bytes;
    CArchive ar(StoreTo, bytes, SystemClasses(), fileName);
    document.Serialize(ar, codec, ImageFormat::Png);
    return bytes;
}

} // namespace vantrel
