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
        // The file is read into a design of its own, which takes the open
        // one's place only once it is complete: a file that fails half way
        // leaves the open design as it was.
        CVantrelDoc loaded(&document.GetNotifier());
        // Settings a file of an older version does not hold stay in force.
        loaded.speed = document.speed;
        loaded.backgroundColour = document.backgroundColour;
        if (!bytes.empty()) {
            CArchive ar(LoadFrom, bytes, SystemClasses(), fileName);
            loaded.Serialize(ar, codec, ImageFormat::Png);
        }
        document.SwapDesign(loaded);
        document.SetModified(false);
        return true;
    } catch (const CArchiveException& failure) {
        Report(document, ArchiveFailureText(failure, kFailed));
    } catch (const std::bad_alloc&) {
        // What was loaded is gone by now, so telling it has memory to use.
        Report(document, kOutOfMemoryText);
    } catch (const std::exception&) {
        Report(document, kFailed);
    }
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
