#include "design_steps.h"

#include "archive/archive.h"
#include "compiler/autosort.h"
#include "compiler/flash_file.h"
#include "document/design_io.h"
#include "document/system_classes.h"
#include "document/vantrel_doc.h"
#include "editing/clipboard_payload.h"
#include "editing/schematic_renderer.h"
#include "editing/selection.h"
#include "editing/view_state.h"
#include "export/json_export.h"
#include "export/remote_module_files.h"
#include "hardware/sim_element.h"
#include "qt_adapters/qpainter_surface.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
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

// Text is drawn with the fonts of a QGuiApplication, made on first use on
// the offscreen platform, as the programs draw inside one.
void EnsureGuiApplication()
{
    if (QGuiApplication::instance())
        return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "vantrel_fuzz";
    static char* argv[] = {name, nullptr};
    static const QGuiApplication application(argc, argv);
}

} // namespace

IdsBefore::IdsBefore(const CVantrelDoc& document) : nextId(document.nextElementId)
{
    for (const ElementList& list : document.elements)
        for (const auto& element : list)
            ids.insert(element->id);
}

void RequireFreshIds(const IdsBefore& before, const CVantrelDoc& document,
                     const std::vector<LogElement*>& pasted)
{
    const bool fresh = std::ranges::all_of(pasted, [&](const LogElement* element) {
        return !before.ids.contains(element->id) && element->id >= before.nextId &&
               element->id < document.nextElementId;
    });
    if (!fresh || document.nextElementId < before.nextId) {
        std::fputs("a paste gave an element an id that was taken or passed\n", stderr);
        std::abort();
    }
}

void PasteCopyOfDesign(CVantrelDoc& document)
{
    ViewState state;
    SelectAllLogic(document, state);
    const std::optional<std::vector<std::uint8_t>> payload = CopySelection(document, state);
    if (!payload)
        return;
    const IdsBefore before(document);
    if (!PastePayload(document, state, *payload))
        return;
    RequireFreshIds(before, document, state.logicSelection);
    document.Undo(state.logicSelection);
    document.Redo(state.logicSelection);
}

void DrawPictures(CVantrelDoc& document)
{
    EnsureGuiApplication();
    constexpr int kWidth = 160;
    constexpr int kHeight = 120;
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    QPainterSurface surface(painter);
    const Rect client{0, 0, kWidth, kHeight};
    ViewState state;
    DrawViewPicture(surface, document, state, client, nullptr);
    state.layoutMode = LayoutMode::Preview;
    std::map<int, std::vector<PaintStuff*>> pages;
    for (const auto& object : document.paintObjects)
        if (object->pageIndex >= 0 &&
            std::size_t(object->pageIndex) < document.pageBackgrounds.size())
            pages[object->pageIndex].push_back(object.get());
    for (auto& [page, objects] : pages) {
        state.currentPage = page;
        state.tick = 0;
        state.paintSelection.clear();
        DrawViewPicture(surface, document, state, client, nullptr);
        state.tick = 1;
        state.paintSelection = std::move(objects);
        DrawViewPicture(surface, document, state, client, nullptr);
    }
}

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
