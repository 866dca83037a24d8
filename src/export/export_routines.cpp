#include "export/export_routines.h"

#include "compiler/flash_file.h"
#include "document/vantrel_doc.h"
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

// Runs the export's work with the document's messages kept for the outcome,
// instead of being shown from deep inside the compile. Memory that runs out
// fails the export of `path` with the system's message.
template <class Work>
ExportOutcome KeepingMessages(CVantrelDoc& document, const std::filesystem::path& path, Work&& work)
{
    ExportOutcome outcome;
    MessageLog log;
    Notifier& shownBy = document.GetNotifier();
    document.SetNotifier(&log);
    try {
        const CVantrelDoc::FrozenLookups frozen(document);
        work(outcome);
    } catch (const std::bad_alloc&) {
        outcome.report.reset();
        outcome.failures.emplace_back(path, ENOMEM);
    } catch (...) {
        document.SetNotifier(&shownBy);
        throw;
    }
    document.SetNotifier(&shownBy);
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

std::u16string JsonIntoDiscard(CVantrelDoc& document, const ImageCodec& codec,
                               std::int32_t randomNumber)
{
    DiscardingBuffer discard;
    std::ostream nowhere(&discard);
    return WriteJsonExport(document, nowhere, codec, randomNumber);
}

} // namespace

std::filesystem::path ExportFolder(const std::filesystem::path& path)
{
    if (path.parent_path().empty() || IsWrittenInPlace(path))
        return ".";
    return path.parent_path();
}

ExportOutcome RunFlashExport(CVantrelDoc& document, const std::filesystem::path& path,
                             const std::filesystem::path& modulesFolder, const ImageCodec& codec,
                             std::int32_t randomNumber)
{
    return KeepingMessages(document, path, [&](ExportOutcome& outcome) {
        try {
            outcome.report = ExportFlashFile(document, path, codec, randomNumber);
        } catch (const FileError& failure) {
            outcome.failures.push_back(failure);
            return;
        }
        WriteRemoteModules(document, modulesFolder, outcome);
    });
}

ExportOutcome RunFlashExport(CVantrelDoc& document, const std::filesystem::path& path,
                             const ImageCodec& codec, std::int32_t randomNumber)
{
    return RunFlashExport(document, path, ExportFolder(path), codec, randomNumber);
}

ExportOutcome RunJsonExport(CVantrelDoc& document, const std::filesystem::path& path,
                            const std::filesystem::path& modulesFolder, const ImageCodec& codec,
                            std::int32_t randomNumber)
{
    return KeepingMessages(document, path, [&](ExportOutcome& outcome) {
        std::optional<AtomicFileStream> file;
        try {
            file.emplace(path);
        } catch (const FileError& failure) {
            outcome.failures.push_back(failure);
        }
        if (file) {
            outcome.report = WriteJsonExport(document, file->Stream(), codec, randomNumber);
            try {
                file->Commit();
            } catch (const FileError& failure) {
                outcome.failures.push_back(failure);
            }
        } else {
            outcome.report = JsonIntoDiscard(document, codec, randomNumber);
        }
        WriteRemoteModules(document, modulesFolder, outcome);
    });
}

ExportOutcome RunJsonExport(CVantrelDoc& document, const std::filesystem::path& path,
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
