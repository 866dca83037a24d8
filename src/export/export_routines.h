#pragma once

#include "archive/file_bytes.h"
#include "compiler/design_corrections.h"
#include "document/notifier.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

class CVantrelDoc;
class ImageCodec;

// What an export did, for its caller to tell the user in this order: the
// messages raised while compiling and writing (unconnected inputs, complex
// commands corrected), the compiler's resource report (when there is one to
// show), then every file that could not be written. The editor shows them
// in message boxes, the command line prints them; both run the same
// routine, so they cannot disagree about what is written or said.
// The routines only read the design. What the written file corrected in it
// (resolved paint links, complex commands without deleted user inputs)
// comes back as `corrections`, empty when the export's own file was not
// written; a caller that keeps the design stores them with
// StoreCorrections, so that the design saved afterwards holds them too.
struct ExportOutcome
{
    std::vector<NoticeText> messages;
    std::optional<std::u16string> report;
    std::vector<FileError> failures;
    DesignCorrections corrections;

    bool Succeeded() const { return failures.empty(); }
};

// The folder an export's companion files go to: the export path without its
// file name ("." for a bare file name). An export written into a device or
// a pipe (IsWrittenInPlace) has no folder of its own to share, so its
// companions go to the working folder instead of beside it (into /dev).
std::filesystem::path ExportFolder(const std::filesystem::path& path);

// "Export to flash": the flash file, then the remote module files into
// `modulesFolder`, ExportFolder (path) when none is given. A flash file that
// cannot be written is reported instead of the report, and then nothing
// else is written.
ExportOutcome RunFlashExport(const CVantrelDoc& document, const std::filesystem::path& path,
                             const std::filesystem::path& modulesFolder, const ImageCodec& codec,
                             std::int32_t randomNumber);
ExportOutcome RunFlashExport(const CVantrelDoc& document, const std::filesystem::path& path,
                             const ImageCodec& codec, std::int32_t randomNumber);

// "Export to JSON": the JSON file, then the remote module files, placed as
// the flash export places them. A JSON file that cannot be created or
// written is reported, but the design is still compiled, its report still
// shown and the remote module files still written.
ExportOutcome RunJsonExport(const CVantrelDoc& document, const std::filesystem::path& path,
                            const std::filesystem::path& modulesFolder, const ImageCodec& codec,
                            std::int32_t randomNumber);
ExportOutcome RunJsonExport(const CVantrelDoc& document, const std::filesystem::path& path,
                            const ImageCodec& codec, std::int32_t randomNumber);

// The simulation description; no report.
ExportOutcome RunSimulationExport(const CVantrelDoc& document, const std::filesystem::path& path);

} // namespace vantrel
