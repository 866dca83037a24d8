#pragma once

#include "command_line.h"
#include "stderr_notifier.h"

#include "export/io_list.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <span>

namespace vantrel {
class CVantrelDoc;
class FileError;
struct ExportOutcome;
class ImageCodec;
class JsonWriter;
} // namespace vantrel

namespace vantrel::cli {

// What every command works with: where messages and output go, and the
// image codec for page backgrounds.
struct Context
{
    std::ostream& out;
    StderrNotifier& notifier;
    const ImageCodec& codec;
};

// A fresh document for the command to read its design into, kept until the
// process ends: the process exits right after the command, and handing a
// large design's many small allocations back one by one would cost nearly
// as much as reading them. Held from a static, it stays reachable, so leak
// checkers do not count it. A second call frees the one before, whose
// reference must no longer be used.
CVantrelDoc& CommandDocument();

// Opens the design named by the command's single positional argument; false
// (after the reason was printed) when it cannot be opened.
bool OpenDesignArgument(const Arguments& arguments, CVantrelDoc& document, Context& context);

// The one design path a command takes, or a usage error.
std::filesystem::path DesignPath(const Arguments& arguments);

// Prints why a file could not be read or written.
void ReportFileError(Context& context, const FileError& failure);

// The file an -o value names, for a command whose output is one file: "-"
// is standard output.
std::filesystem::path OutputPath(const std::string& value);

// Prints an export's report on the output (on standard error when the
// export's file is standard output, so the two stay apart) and its failures
// on standard error; the exit code: success, or an output that cannot be
// written.
int Tell(const ExportOutcome& outcome, const std::filesystem::path& exported, Context& context);

// One JSON object on a line of plain UTF-8 (no byte-order mark, which only
// the exported files carry), its members written by `members`.
void PrintJsonObject(std::ostream& out, const std::function<void(JsonWriter&)>& members);

// The I/O list type a --type value names, or a usage error.
IoListType IoListTypeOption(const std::string& text);

// Writes an output file, printing the reason when that fails.
bool WriteOutput(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                 Context& context);

} // namespace vantrel::cli
