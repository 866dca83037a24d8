#include "design_steps.h"

#include "archive/archive.h"
#include "compiler/autosort.h"
#include "compiler/flash_file.h"
#include "document/design_io.h"
#include "document/system_classes.h"
#include "document/vantrel_doc.h"
#include "export/json_export.h"
#include "export/remote_module_files.h"
#include "hardware/sim_element.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace vantrel {

namespace {

// Fixed, so that a finding replays the same bytes.
constexpr std::int32_t kRandomNumber = 4711;

void RunExports(CVantrelDoc& document, const ImageCodec& codec)
{
    // Exports run with the lookups frozen, as the export routines run them.
    const CVantrelDoc::FrozenLookups frozen(document);
    BuildFlashFile(document, codec, kRandomNumber);
    int position = 0;
    for (const RemoteIoModule& module : document.remoteIo.modules)
        RemoteModuleImage(module, position++, document.speed);
    std::ostringstream json;
    WriteJsonExport(document, json, codec, kRandomNumber);
    SimulationFileBytes(document.simulationElements, document);
}

} // namespace

void RunDesignCommands(CVantrelDoc& document, const ImageCodec& codec)
{
    for (NumberKind kind :
         {NumberKind::Inputs, NumberKind::Outputs, NumberKind::AnalogInputs,
          NumberKind::AnalogOutputs, NumberKind::UserInputs, NumberKind::UserOutputs})
        document.CheckNumbers(kind);
    document.LoopSet();
    AutoSort(document);
    RunExports(document, codec);
}

std::vector<std::uint8_t> SaveToMemory(CVantrelDoc& document, const ImageCodec& codec)
{
    std::vector<std::uint8_t> bytes;
    CArchive ar(StoreTo, bytes, SystemClasses(), u"saved.lgc");
    document.Serialize(ar, codec, ImageFormat::Png);
    return bytes;
}

void RequireReopens(std::span<const std::uint8_t> saved, const ImageCodec& codec)
{
    SilentNotifier notifier;
    CVantrelDoc reopened(&notifier);
    if (!LoadDesign(reopened, saved, u"saved.lgc", codec)) {
        std::fputs("a saved design does not open again\n", stderr);
        std::abort();
    }
    if (SaveToMemory(reopened, codec) != std::vector(saved.begin(), saved.end())) {
        std::fputs("a saved design changes when it is opened and saved again\n", stderr);
        std::abort();
    }
}

} // namespace vantrel
