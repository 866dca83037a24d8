#include "editor/vantrel_view.h"

#include "archive/file_bytes.h"
#include "compiler/autosort.h"
#include "compiler/flash_image.h"
#include "document/vantrel_doc.h"
#include "editing/canvas_geometry.h"
#include "editing/configuration_commands.h"
#include "editing/connecting.h"
#include "editing/design_tool.h"
#include "editing/element_dialogs.h"
#include "editing/escape.h"
#include "editing/message_batch.h"
#include "editing/paint_editing.h"
#include "editing/paint_layer.h"
#include "editing/paint_tools.h"
#include "editing/property_editing.h"
#include "editing/schematic_renderer.h"
#include "editing/selection.h"
#include "editing/view_prompts.h"
#include "export/export_routines.h"
#include "export/io_list.h"
#include "paint/paint_kinds.h"
#include "platform/qt/qpainter_surface.h"
#include "platform/qt/qt_image.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <utility>

namespace vantrel {

namespace {

using namespace command;

bool IsElementTool(int id)
{
    return id >= kFirstElementTool && id <= kLastElementTool;
}
bool IsPaintTool(int id)
{
    return id == kPaintSelect || FindPaintKind(id) != nullptr;
}

// The tool of a kind it cannot make (the pen) cannot be chosen.
bool CanChoosePaintTool(int id)
{
    const PaintKindRow* kind = FindPaintKind(id);
    return !kind || kind->tool != PaintToolAction::None;
}

Point ToPoint(const QPointF& point)
{
    return {int(point.x()), int(point.y())};
}

ScrollRequest RequestOf(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        return ScrollRequest::LineBack;
    case QAbstractSlider::SliderSingleStepAdd:
        return ScrollRequest::LineForward;
    case QAbstractSlider::SliderPageStepSub:
        return ScrollRequest::PageBack;
    case QAbstractSlider::SliderPageStepAdd:
        return ScrollRequest::PageForward;
    case QAbstractSlider::SliderMove:
        return ScrollRequest::Track;
    case QAbstractSlider::SliderToMinimum:
        return ScrollRequest::ToStart;
    case QAbstractSlider::SliderToMaximum:
        return ScrollRequest::ToEnd;
    default:
        return ScrollRequest::Other;
    }
}

} // namespace

CVantrelView::CVantrelView(CVantrelDoc& document, ElementDialogs& dialogs,
                           ConfigDialogs& configDialogs, ViewPrompts& prompts,
                           const ImageCodec& codec, QWidget* parent)
    : QAbstractScrollArea(parent), document_(document), dialogs_(dialogs),
      configDialogs_(configDialogs), prompts_(prompts), codec_(codec)
{
    setFocusPolicy(Qt::StrongFocus);
    // The grid always scrolls over -600..600 cells in Design mode.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_NoSystemBackground);
    viewport()->setMouseTracking(false);
    timer_.setInterval(kTimerPeriodMs);
    connect(&timer_, &QTimer::timeout, this, &CVantrelView::OnTick);
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { OnScrollAction(Qt::Horizontal, action); });
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { OnScrollAction(Qt::Vertical, action); });
    WatchClipboard();
}

CVantrelView::~CVantrelView() = default;

void CVantrelView::OnInitialUpdate()
{
    state_.currentPage = 0;
    state_.logicSelection.clear();
    state_.paintSelection.clear();
    state_.connectionPreviewEnd.reset();
    state_.rubberBandCorner.reset();
    DiscardBackgroundCache();
    // The design is shown where it lies, judged by the client area, which a
    // window not yet shown has not got: until then the view starts as a new
    // one does.
    if (isVisible()) {
        ShowWholeDesign(state_, document_, ClientSize());
    } else {
        state_.zoom = 1.0;
        state_.origin = {0, 0};
        placePending_ = true;
    }
    Redraw();
}

void CVantrelView::showEvent(QShowEvent* event)
{
    QAbstractScrollArea::showEvent(event);
    if (std::exchange(placePending_, false))
        ShowWholeDesign(state_, document_, ClientSize());
}

Size CVantrelView::ClientSize() const
{
    return {viewport()->width(), viewport()->height()};
}

Rect CVantrelView::ClientRect() const
{
    return {0, 0, viewport()->width(), viewport()->height()};
}

void CVantrelView::Redraw()
{
    viewport()->update();
    emit Changed();
}

bool CVantrelView::HandlesCommand(int id) const
{
    switch (id) {
    case kZoomIn:
    case kZoomOut:
    case kZoomOne:
    case kZoomFit:
    case kLayoutDesign:
    case kLayoutPreview:
    case kLayoutToggle:
    case kViewElementNumbers:
    case kPageSetCount:
    case kPageLeft:
    case kPageRight:
    case kEditUndo:
    case kEditRedo:
    case kEditSelectAll:
    case kAutoSort:
    case kExportFlash:
    case kExportJson:
    case kExportIoList:
    case kIoCount:
    case kIoSpeed:
    case kRemoteIo:
    case kCustomRemoteIo:
    case kComplexCommands:
    case kSimulationSetup:
    case kSimulationExport:
        return true;
    default:
        return IsElementTool(id) || IsPaintTool(id) || HandlesPaintCommand(id) ||
               HandlesEditCommand(id);
    }
}

bool CVantrelView::IsCommandEnabled(int id) const
{
    const bool design = state_.InDesign();
    switch (id) {
    case kZoomIn:
    case kZoomOut:
    case kZoomOne:
    case kZoomFit:
    case kAutoSort:
    case kViewElementNumbers:
        return design;
    case kPageSetCount:
    case kPageLeft:
    case kPageRight:
        return !design;
    case kEditUndo:
        return CanStepThrough(document_.UndoStack());
    case kEditRedo:
        return CanStepThrough(document_.RedoStack());
    case kComplexCommands:
    case kSimulationExport:
        return IsConfigurationCommandEnabled(id, document_, state_);
    default:
        if (IsElementTool(id))
            return design;
        if (IsPaintTool(id))
            return !design && CanChoosePaintTool(id);
        if (HandlesPaintCommand(id))
            return IsPaintCommandEnabled(id);
        if (HandlesEditCommand(id))
            return IsEditCommandEnabled(id);
        return HandlesCommand(id);
    }
}

bool CVantrelView::IsCommandChecked(int id) const
{
    if (IsElementTool(id))
        return id - kFirstElementTool == state_.designTool;
    if (IsPaintTool(id))
        return id == state_.paintTool;
    switch (id) {
    case kViewElementNumbers:
        return state_.showElementNumbers;
    case kLayoutDesign:
        return state_.InDesign();
    case kLayoutPreview:
        return !state_.InDesign();
    default:
        return false;
    }
}

void CVantrelView::OnCommand(int id)
{
    if (!IsCommandEnabled(id))
        return;
    if (IsElementTool(id)) {
        state_.designTool = id - kFirstElementTool;
        emit Changed();
        return;
    }
    if (IsPaintTool(id)) {
        state_.paintTool = id;
        emit Changed();
        return;
    }
    if (IsConfigurationCommand(id)) {
        OnConfigurationCommand(id);
        return;
    }
    switch (id) {
    case kZoomIn:
        ApplyZoom(std::min(kMaxZoom, 2 * state_.zoom));
        break;
    case kZoomOut:
        ApplyZoom(std::max(kMinZoom, 0.5 * state_.zoom));
        break;
    case kZoomOne:
        ApplyZoom(1.0);
        break;
    case kZoomFit:
        FitToMainList(state_, document_, ClientSize());
        Redraw();
        break;
    case kLayoutDesign:
    case kLayoutPreview:
    case kLayoutToggle: {
        const bool toPreview = id == kLayoutPreview || (id == kLayoutToggle && state_.InDesign());
        state_.layoutMode = toPreview ? LayoutMode::Preview : LayoutMode::Design;
        Redraw();
        break;
    }
    case kViewElementNumbers:
        state_.showElementNumbers = !state_.showElementNumbers;
        Redraw();
        break;
    case kPageSetCount:
        SetCount();
        break;
    case kPageLeft:
    case kPageRight:
        if (id == kPageLeft ? PageLeft(state_) : PageRight(document_, state_)) {
            DiscardBackgroundCache();
            state_.paintSelection.clear();
            Redraw();
        }
        break;
    case kEditUndo:
        state_.logicSelection.clear();
        document_.Undo(state_.logicSelection);
        AfterHistoryStep();
        Redraw();
        break;
    case kEditRedo:
        state_.logicSelection.clear();
        document_.Redo(state_.logicSelection);
        AfterHistoryStep();
        Redraw();
        break;
    case kEditSelectAll:
        if (state_.InDesign())
            SelectAllLogic(document_, state_);
        else
            SelectAllPaint(document_, state_);
        Redraw();
        break;
    case kAutoSort:
        AutoSort(document_);
        Redraw();
        break;
    case kExportFlash:
        ExportWithReport(u"flash.lgf", RunFlashExport);
        break;
    case kExportJson:
        ExportWithReport(u"flash.lgj", RunJsonExport);
        break;
    case kExportIoList:
        ExportIoListCommand();
        break;
    default:
        if (HandlesPaintCommand(id))
            OnPaintCommand(id);
        else
            OnEditCommand(id);
        break;
    }
}

void CVantrelView::SetCount()
{
    const auto count = dialogs_.NumBox(std::int32_t(document_.pageBackgrounds.size()));
    if (count && SetPageCount(document_, state_, *count)) {
        DiscardBackgroundCache();
        Redraw();
    }
}

void CVantrelView::ExportWithReport(const char16_t* defaultName, ExportRoutine run)
{
    const std::optional<std::filesystem::path> path = prompts_.SaveFileName(defaultName);
    if (!path)
        return;
    const ExportOutcome outcome = run(document_, *path, codec_, DrawRandomNumber());
    // The design keeps what the written file was corrected in, as one step.
    StoreCorrections(document_, outcome.corrections);
    {
        const MessageBatch batch(document_);
        for (const NoticeText& message : outcome.messages)
            document_.GetNotifier().Message(message.text, message.caption, MessageButtons::Ok);
    }
    if (outcome.report)
        document_.GetNotifier().Message(*outcome.report, u"Report", MessageButtons::Ok);
    for (const FileError& failure : outcome.failures)
        ReportFileError(failure);
    Redraw();
    if (!outcome.messages.empty())
        emit ExportWarned();
}

void CVantrelView::ExportIoListCommand()
{
    const std::optional<IoListChoice> choice = prompts_.IoListExport();
    if (!choice)
        return;
    const std::string name = DefaultIoListName(choice->type, choice->csv);
    const auto path = prompts_.SaveFileName(std::u16string(name.begin(), name.end()));
    if (!path)
        return;
    try {
        ExportIoList(document_, *path, choice->type, choice->boardSize, choice->csv);
    } catch (const FileError& failure) {
        ReportFileError(failure);
    }
}

void CVantrelView::ReportFileError(const FileError& failure)
{
    document_.GetNotifier().Message(failure.Message(), kApplicationTitle, MessageButtons::Ok);
}

void CVantrelView::ApplyZoom(double zoom)
{
    SetZoom(state_, zoom, ClientSize());
    Redraw();
}

void CVantrelView::UpdateScrollBars()
{
    updatingScrollBars_ = true;
    const int low = -kScrollLimit;
    const int high = state_.InDesign() ? kScrollLimit : -kScrollLimit;
    QScrollBar* bars[] = {horizontalScrollBar(), verticalScrollBar()};
    const int extents[] = {viewport()->width(), viewport()->height()};
    const int positions[] = {state_.origin.x, state_.origin.y};
    for (int axis = 0; axis < 2; ++axis) {
        bars[axis]->setRange(low, high);
        bars[axis]->setPageStep(std::max(1, VisibleCells(extents[axis], state_.zoom)));
        bars[axis]->setValue(positions[axis]);
    }
    updatingScrollBars_ = false;
}

void CVantrelView::OnScrollAction(Qt::Orientation orientation, int action)
{
    const bool horizontal = orientation == Qt::Horizontal;
    QScrollBar* bar = horizontal ? horizontalScrollBar() : verticalScrollBar();
    int& origin = horizontal ? state_.origin.x : state_.origin.y;
    const int extent = horizontal ? viewport()->width() : viewport()->height();
    origin = ScrolledOrigin(origin, RequestOf(action), state_.zoom, extent, bar->sliderPosition());
    // The bar moves to the origin the rules give, not by its own steps.
    bar->setSliderPosition(origin);
    Redraw();
}

void CVantrelView::scrollContentsBy(int, int)
{
    if (updatingScrollBars_)
        return;
    state_.origin = {horizontalScrollBar()->value(), verticalScrollBar()->value()};
    Redraw();
}

void CVantrelView::OnTick()
{
    ++state_.tick;
    // A still page is not repainted: only blinking and moving objects change.
    if (!state_.InDesign() && PaintLayerChangesWithTick(document_, state_))
        viewport()->update();
}

void CVantrelView::paintEvent(QPaintEvent*)
{
    if (!state_.timerStarted) {
        timer_.start();
        state_.timerStarted = true;
    }
    UpdateScrollBars();
    // The window's backing store already composes the frame off screen and
    // shows it in one copy, so the timer's redraws never flicker.
    QPainter painter(viewport());
    RenderPicture(painter, viewport()->size());
}

void CVantrelView::RenderPicture(QPainter& painter, QSize client)
{
    const Image* background = state_.InDesign() ? nullptr : PageBackground(client);
    QPainterSurface surface(painter);
    DrawViewPicture(surface, document_, state_, {0, 0, client.width(), client.height()},
                    background);
}

const Image* CVantrelView::PageBackground(QSize client)
{
    // The scaled image is made once per page and client size.
    if (backgroundCachePage_ != state_.currentPage || backgroundCache_.width != client.width() ||
        backgroundCache_.height != client.height()) {
        const Image* page = decodedPage_.Page(document_, state_.currentPage);
        backgroundCache_ = page ? ScaledImage(*page, client) : Image{};
        backgroundCachePage_ = state_.currentPage;
    }
    return backgroundCache_.IsEmpty() ? nullptr : &backgroundCache_;
}

void CVantrelView::DiscardBackgroundCache()
{
    backgroundCache_ = Image{};
    backgroundCachePage_ = -1;
}

void CVantrelView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        ReturnToSelectTool(state_);
        emit Changed();
    } else if (event->button() == Qt::LeftButton) {
        state_.dragAnchor = ToPoint(event->position());
        state_.leftButtonHeld = true;
        state_.gestureDropped = false;
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void CVantrelView::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) || state_.gestureDropped)
        return;
    const Point at = ToPoint(event->position());
    if (state_.InDesign() && state_.designTool == kConnectTool) {
        UpdateConnectionPreview(document_, state_, at);
        viewport()->update();
        return;
    }
    if (!state_.InDesign() && DragPaintShape(state_, at, ClientRect())) {
        viewport()->update();
        return;
    }
    const bool selecting =
        state_.InDesign() ? state_.designTool == kSelectTool : state_.paintTool == kPaintSelect;
    if (selecting) {
        state_.rubberBandCorner = at;
        viewport()->update();
    }
}

// A double click edits the properties of what lies under the pointer.
void CVantrelView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        state_.leftButtonHeld = true;
        const Point at = ToPoint(event->position());
        if (state_.InDesign())
            EditElementProperties(document_, dialogs_, state_.DeviceToCell(at));
        else
            DoubleClickInPreview(at);
        Redraw();
    }
    QAbstractScrollArea::mouseDoubleClickEvent(event);
}

void CVantrelView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    state_.leftButtonHeld = false;
    if (std::exchange(state_.gestureDropped, false))
        return;
    const Point release = ToPoint(event->position());
    if (state_.InDesign())
        ReleaseInDesign(release);
    else
        ReleasePaintTool(document_, dialogs_, state_, release, ClientRect(),
                         event->buttons().testFlag(Qt::RightButton));
    state_.rubberBandCorner.reset();
    Redraw();
}

void CVantrelView::ReleaseInDesign(Point release)
{
    const int digit = HeldInputDigit(digitsHeld_);
    if (ReleaseDesignTool(document_, dialogs_, state_, release, digit) == ReleaseOutcome::Selecting)
        SelectLogicByRelease(document_, state_, release);
}

void CVantrelView::wheelEvent(QWheelEvent* event)
{
    const int delta =
        event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    if (event->modifiers() & Qt::ControlModifier) {
        OnCommand(delta > 0 ? kZoomIn : kZoomOut);
    } else if (event->modifiers() & Qt::ShiftModifier) {
        OnScrollAction(Qt::Horizontal, delta > 0 ? QAbstractSlider::SliderSingleStepSub
                                                 : QAbstractSlider::SliderSingleStepAdd);
    } else {
        OnScrollAction(Qt::Vertical, delta > 0 ? QAbstractSlider::SliderSingleStepSub
                                               : QAbstractSlider::SliderSingleStepAdd);
    }
    event->accept();
}

void CVantrelView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (CancelWithEscape(state_))
            Redraw();
        return;
    }
    if (event->key() >= Qt::Key_1 && event->key() <= Qt::Key_4)
        digitsHeld_[std::size_t(event->key() - Qt::Key_1)] = true;
    if (state_.InDesign())
        KeyInDesign(event);
    else
        KeyInPreview(event);
}

void CVantrelView::keyReleaseEvent(QKeyEvent* event)
{
    if (!event->isAutoRepeat() && event->key() >= Qt::Key_1 && event->key() <= Qt::Key_4)
        digitsHeld_[std::size_t(event->key() - Qt::Key_1)] = false;
    QAbstractScrollArea::keyReleaseEvent(event);
}

void CVantrelView::KeyInDesign(QKeyEvent* event)
{
    bool changed = false;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        OnCommand(kZoomIn);
        return;
    case Qt::Key_Minus:
        OnCommand(kZoomOut);
        return;
    case Qt::Key_Left:
        changed = MoveLogicSelection(document_, state_, -1, 0);
        break;
    case Qt::Key_Up:
        changed = MoveLogicSelection(document_, state_, 0, -1);
        break;
    case Qt::Key_Right:
        changed = MoveLogicSelection(document_, state_, 1, 0);
        break;
    case Qt::Key_Down:
        changed = MoveLogicSelection(document_, state_, 0, 1);
        break;
    case Qt::Key_Delete:
        changed = DeleteLogicSelection(document_, state_);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    if (changed)
        Redraw();
}

void CVantrelView::KeyInPreview(QKeyEvent* event)
{
    PaintKey key = PaintKey::Other;
    switch (event->key()) {
    case Qt::Key_Left:
        key = PaintKey::Left;
        break;
    case Qt::Key_Up:
        key = PaintKey::Up;
        break;
    case Qt::Key_Right:
        key = PaintKey::Right;
        break;
    case Qt::Key_Down:
        key = PaintKey::Down;
        break;
    case Qt::Key_A:
        key = PaintKey::NarrowX;
        break;
    case Qt::Key_D:
        key = PaintKey::WidenX;
        break;
    case Qt::Key_S:
        key = PaintKey::NarrowY;
        break;
    case Qt::Key_W:
        key = PaintKey::WidenY;
        break;
    case Qt::Key_Delete:
        key = PaintKey::Delete;
        break;
    default:
        break;
    }
    if (EditPaintSelection(document_, state_, key, event->isAutoRepeat()))
        Redraw();
    else
        QAbstractScrollArea::keyPressEvent(event);
}

} // namespace vantrel
