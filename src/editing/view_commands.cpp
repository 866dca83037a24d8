// The view commands: zoom, layout, element numbers and preview pages, and the
// choice of the design and paint tools. They change what the view shows, and
// the page count, nothing else of the design.
#include "document/vantrel_doc.h"
#include "editing/canvas_geometry.h"
#include "editing/editing_command_groups.h"
#include "editing/element_dialogs.h"
#include "editing/view_state.h"
#include "elements/element_kinds.h"
#include "paint/paint_kinds.h"

#include <algorithm>
#include <vector>

namespace vantrel {

namespace {

using namespace command;

CommandEffects Zoom(EditingContext& context, int id)
{
    double zoom = 1.0;
    if (id == kZoomIn)
        zoom = std::min(kMaxZoom, 2 * context.state.zoom);
    else if (id == kZoomOut)
        zoom = std::max(kMinZoom, 0.5 * context.state.zoom);
    SetZoom(context.state, zoom, context.client);
    return effect::kRedraw;
}

CommandEffects ZoomToFit(EditingContext& context, int)
{
    FitToMainList(context.state, context.document, context.client);
    return effect::kRedraw;
}

CommandEffects ChooseLayout(EditingContext& context, int id)
{
    const bool toPreview =
        id == kLayoutPreview || (id == kLayoutToggle && context.state.InDesign());
    context.state.layoutMode = toPreview ? LayoutMode::Preview : LayoutMode::Design;
    return effect::kRedraw;
}

bool LayoutShown(const EditingQuery& query, int id)
{
    return query.state.InDesign() == (id == kLayoutDesign);
}

CommandEffects ToggleElementNumbers(EditingContext& context, int)
{
    context.state.showElementNumbers = !context.state.showElementNumbers;
    return effect::kRedraw;
}

bool ElementNumbersShown(const EditingQuery& query, int)
{
    return query.state.showElementNumbers;
}

CommandEffects SetCount(EditingContext& context, int)
{
    const auto count =
        context.dialogs.NumBox(std::int32_t(context.document.pageBackgrounds.size()));
    if (count && SetPageCount(context.document, context.state, *count))
        return effect::kPageImages | effect::kRedraw;
    return effect::kNone;
}

CommandEffects TurnPage(EditingContext& context, int id)
{
    const bool turned =
        id == kPageLeft ? PageLeft(context.state) : PageRight(context.document, context.state);
    if (!turned)
        return effect::kNone;
    context.state.paintSelection.clear();
    return effect::kPageImages | effect::kRedraw;
}

CommandEffects ChooseDesignTool(EditingContext& context, int id)
{
    context.state.designTool = id - kFirstElementTool;
    return effect::kMenus;
}

bool DesignToolChosen(const EditingQuery& query, int id)
{
    return id - kFirstElementTool == query.state.designTool;
}

CommandEffects ChoosePaintTool(EditingContext& context, int id)
{
    context.state.paintTool = id;
    return effect::kMenus;
}

bool PaintToolChosen(const EditingQuery& query, int id)
{
    return id == query.state.paintTool;
}

// The tool of a kind it cannot make (the pen) cannot be chosen.
bool CanChoosePaintTool(const EditingQuery& query, int id)
{
    const PaintKindRow* kind = FindPaintKind(id);
    return !query.state.InDesign() && (!kind || kind->tool != PaintToolAction::None);
}

EditingCommandRow DesignToolRow(CommandLook look)
{
    look.check = CommandCheck::Checkable;
    return {look, ChooseDesignTool, InDesign, DesignToolChosen};
}

EditingCommandRow PaintToolRow(CommandLook look)
{
    look.check = CommandCheck::Checkable;
    return {look, ChoosePaintTool, CanChoosePaintTool, PaintToolChosen};
}

const EditingCommandRow kViewRows[] = {
    {CheckableLook(kViewElementNumbers, "Element numbers"), ToggleElementNumbers, InDesign,
     ElementNumbersShown},
    {PlainLook(kZoomIn, "In"), Zoom, InDesign, nullptr},
    {PlainLook(kZoomOut, "Out"), Zoom, InDesign, nullptr},
    {PlainLook(kZoomOne, "x1"), Zoom, InDesign, nullptr},
    {PlainLook(kZoomFit, "Fit"), ZoomToFit, InDesign, nullptr},
    {CheckableLook(kLayoutDesign, "Design"), ChooseLayout, nullptr, LayoutShown},
    {CheckableLook(kLayoutPreview, "Preview design"), ChooseLayout, nullptr, LayoutShown},
    {PlainLook(kLayoutToggle, "Toggle", nullptr, {"Ctrl+D"}), ChooseLayout, nullptr, nullptr},
    {PlainLook(kPageSetCount, "Set Count"), SetCount, InPreview, nullptr},
    {PlainLook(kPageLeft, "Left\t(Ctr + Left)", nullptr, {"Ctrl+Left"}), TurnPage, InPreview,
     nullptr},
    {PlainLook(kPageRight, "Right\t(Ctr + Right)", nullptr, {"Ctrl+Right"}), TurnPage, InPreview,
     nullptr},
};

} // namespace

std::span<const EditingCommandRow> ViewCommandRows()
{
    static const std::vector<EditingCommandRow> rows = [] {
        std::vector<EditingCommandRow> all(std::begin(kViewRows), std::end(kViewRows));
        for (const ElementKindRow& kind : ElementKinds())
            all.push_back(DesignToolRow(
                {kind.command, kind.menuText, kind.prompt, {}, {}, ButtonPicture::ElementFigure}));
        all.push_back(DesignToolRow(
            {kToolConnect, "Connect", "Connect Tool", {}, {}, ButtonPicture::ConnectWire}));
        all.push_back(
            DesignToolRow({kToolSelect, "Select", "Select Tool", {}, {}, ButtonPicture::Pointer}));
        all.push_back(
            PaintToolRow({kPaintSelect, "Select", nullptr, {}, {}, ButtonPicture::Pointer}));
        for (const PaintKindRow& kind : PaintKinds())
            all.push_back(PaintToolRow(
                {kind.command, kind.menuText, kind.prompt, {}, {}, ButtonPicture::PaintKind}));
        return all;
    }();
    return rows;
}

} // namespace vantrel
