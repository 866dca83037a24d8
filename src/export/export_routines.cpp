#include "export/export_routines.h"

#include "document/vantrel_doc.h"
#include "export/flash_export.h"
#include "export/json_export.h"
#include "export/remote_module_files.h"
#include "hardware/sim_element.h"

#include <cerrno>
#include <new>
#include <ostream>
#include <streambuf>

namespace vantrel {

namespace {

// Swallows whatever is written, so an export whose file cannot be created
// still runs to its end and yields its report.
class DiscardingBuffer final : public std::streambuf
{
protected:
    int_type overflow(int_type character) override { return traits_type::not_eof(character); }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

// Runs the export's work with its messages kept for the outcome, instead of
// being shown from deep inside the compile: the work reports to the log it
// is given. Memory that runs out fails the export of `path` with the
// system's message.
template <class Work>
ExportOutcome KeepingMessages(const CVantrelDoc& document, const std::filesystem::path& path,
                              Work&& work)
{
    ExportOutcome outcome;
    MessageLog log;
    try {
        const CVantrelDoc::FrozenLookups frozen(document);
        work(outcome, log);
    } catch (const std::bad_alloc&) {
        outcome.report.reset();
        outcome.corrections = {};
        outcome.failures.emplace_back(path, ENOMEM);
    }
    outcome.messages = std::move(log.notices);
    return outcome;
}

void WriteRemoteModules(const CVantrelDoc& document, const std::filesystem::path& folder,
                        ExportOutcome& outcome)
{
    try {
        ExportRemoteModules(document, folder);
    } catch (const FileError& failure) {
        outcome.failures.push_back(failure);
    }
}

JsonExportContent JsonIntoDiscard(const CVantrelDoc& document, const ImageCodec& codec,
                                  std::int32_t randomNumber, Notifier& messages)
{
    DiscardingBuffer discard;
    std::ostream nowhere(&discard);
    return WriteJsonExport(document, nowhere, codec, randomNumber, messages);
}

} // namespace

std::filesystem::path ExportFolder(const std::filesystem::path& path)
{
    if (path.parent_path().empty() || IsWrittenInPlace(path))
        return ".";
    return path.parent_path();
}

ExportOutcome RunFlashExport(const CVantrelDoc& document, const std::filesystem::path& path,
                             const std::filesystem::path& modulesFolder, const ImageCodec& codec,
                             std::int32_t randomNumber)
{
    return KeepingMessages(document, path, [&](ExportOutcome& outcome, Notifier& messages) {
        try {
            FlashFileContent content =
                WriteFlashFile(document, path, codec, randomNumber, messages);
            outcome.report = std::move(content.report);
            outcome.corrections = std::move(content.corrections);
        } catch (const FileError& failure) {
            outcome.failures.push_back(failure);
            return;
        }
        WriteRemoteModules(document, modulesFolder, outcome);
    });
}

ExportOutcome RunFlashExport(const CVantrelDoc& document, const std::filesystem::path& path,
                             const ImageCodec& codec, std::int32_t randomNumber)
{
    return RunFlashExport(document, path, ExportFolder(path), codec, randomNumber);
}

ExportOutcome RunJsonExport(const CVantrelDoc& document, const std::filesystem::path& path,
                            const std::filesystem::path& modulesFolder, const ImageCodec& codec,
                            std::int32_t randomNumber)
{
    return KeepingMessages(document, path, [&](ExportOutcome& outcome, Notifier& messages) {
        std::optional<AtomicFileStream> file;
        try {
            file.emplace(path);
        } catch (const FileError& failure) {
            outcome.failures.push_back(failure);
        }
        if (file) {
            JsonExportContent content =
                WriteJsonExport(document, file->Stream(), codec, randomNumber, messages);
            outcome.report = std::move(content.report);
            try {
                file->Commit();
                // Only a file that exists has corrections worth keeping.
                outcome.corrections = std::move(content.corrections);
            } catch (const FileError& failure) {
                outcome.failures.push_back(failure);
            }
        } else {
            outcome.report = JsonIntoDiscard(document, codec, randomNumber, messages).report;
        }
        WriteRemoteModules(document, modulesFolder, outcome);
    });
}

ExportOutcome RunJsonExport(const CVantrelDoc& document, const std::filesystem::path& path,
                            const ImageCodec& codec, std::int32_t randomNumber)
{
    return RunJsonExport(document, path, ExportFolder(path), codec, randomNumber);
}

ExportOutcome RunSimulationExport(const CVantrelDoc& document, const std::filesystem::path& path)
{
    ExportOutcome outcome;
    try {
        WriteFileAtomically(path, SimulationFileBytes(document.simulationElements, document));
    } catch (const FileError& failure) {
        outcome.failures.push_back(failure);
    }
    return outcome;
}

} // namespace vantrel
