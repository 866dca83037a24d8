#include "editor/vantrel_view.h"

#include "document/vantrel_doc.h"
#include "editing/canvas_geometry.h"
#include "editing/connecting.h"
#include "editing/design_tool.h"
#include "editing/escape.h"
#include "editing/paint_editing.h"
#include "editing/paint_layer.h"
#include "editing/paint_tools.h"
#include "editing/property_editing.h"
#include "editing/schematic_renderer.h"
#include "editing/selection.h"
#include "qt_adapters/qpainter_surface.h"
#include "qt_adapters/qt_clipboard.h"
#include "qt_adapters/qt_image.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <utility>

namespace vantrel {

namespace {

using namespace command;

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
      configDialogs_(configDialogs), prompts_(prompts), codec_(codec),
      clipboard_(std::make_unique<QtClipboard>())
{
    setFocusPolicy(Qt::StrongFocus);
    // Blocks of the library are dropped onto the canvas.
    viewport()->setAcceptDrops(true);
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
    // Keeps Paste's state up to date when another program fills the clipboard.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &CVantrelView::Changed);
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

EditingContext CVantrelView::Context()
{
    return {document_, state_, dialogs_,    configDialogs_,
            prompts_,  codec_, *clipboard_, ClientSize()};
}

EditingQuery CVantrelView::Query() const
{
    return {document_, state_, *clipboard_};
}

bool CVantrelView::HandlesCommand(int id) const
{
    const EditingCommandRow* row = FindEditingCommand(id);
    return row && row->run;
}

bool CVantrelView::IsCommandEnabled(int id) const
{
    return IsEditingCommandEnabled(id, Query());
}

bool CVantrelView::IsCommandChecked(int id) const
{
    return IsEditingCommandChecked(id, Query());
}

void CVantrelView::OnCommand(int id)
{
    EditingContext context = Context();
    Apply(RunEditingCommand(id, context));
}

void CVantrelView::Apply(CommandEffects effects)
{
    if (effects & effect::kPageImages)
        DiscardBackgroundCache();
    if (effects & effect::kRedraw)
        Redraw();
    else if (effects & effect::kMenus)
        emit Changed();
    if (effects & effect::kProblems)
        emit ExportWarned();
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
    const Rect clientRect{0, 0, client.width(), client.height()};
    DrawViewPicture(surface, document_, state_, clientRect, background);
    if (overlay_)
        overlay_(surface, clientRect);
}

void CVantrelView::SetOverlay(Overlay overlay)
{
    overlay_ = std::move(overlay);
    Redraw();
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

void CVantrelView::DoubleClickInPreview(Point click)
{
    if (EditPaintObjectAt(document_, dialogs_, state_, click, ClientRect()))
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
