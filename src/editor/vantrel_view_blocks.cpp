// Placing blocks of the library: from the library's list onto the view's
// centre, or dragged onto a cell.
#include "editor/vantrel_view.h"

#include "archive/file_bytes.h"
#include "document/vantrel_doc.h"
#include "editing/logic_block.h"
#include "qt_adapters/qt_text.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

namespace vantrel {

namespace {

// The block file a drag carries; empty for anything else.
QString DraggedBlockFile(const QMimeData* data)
{
    if (!data || !data->hasFormat(QLatin1String(kBlockMimeType)))
        return {};
    return QString::fromUtf8(data->data(QLatin1String(kBlockMimeType)));
}

} // namespace

Point CVantrelView::CentreCell() const
{
    return state_.DeviceToCell({viewport()->width() / 2, viewport()->height() / 2});
}

bool CVantrelView::PlaceBlockFile(const std::filesystem::path& file, std::optional<Point> cell)
{
    Notifier& notifier = document_.GetNotifier();
    BlockReading reading;
    try {
        reading = ReadLogicBlock(ReadFileBytes(file));
    } catch (const FileError& failure) {
        notifier.Message(failure.Message(), kApplicationTitle, MessageButtons::Ok);
        return false;
    }
    if (!reading.block) {
        notifier.Message(FromQString(PathText(file)) + u": " + reading.problem, kApplicationTitle,
                         MessageButtons::Ok);
        return false;
    }
    // Blocks are logic: placing one shows the design.
    state_.layoutMode = LayoutMode::Design;
    const bool placed =
        PlaceLogicBlock(document_, state_, *reading.block, cell.value_or(CentreCell()));
    setFocus();
    Redraw();
    return placed;
}

void CVantrelView::dragEnterEvent(QDragEnterEvent* event)
{
    // Entering asks what moving asks: whether a block may land here.
    dragMoveEvent(event);
}

void CVantrelView::dragMoveEvent(QDragMoveEvent* event)
{
    if (state_.InDesign() && !DraggedBlockFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void CVantrelView::dropEvent(QDropEvent* event)
{
    const QString file = DraggedBlockFile(event->mimeData());
    if (!state_.InDesign() || file.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    const QPoint at = event->position().toPoint();
    const Point cell = state_.DeviceToCell({at.x(), at.y()});
    // Placed once the drop is over, so that a message about the file does
    // not run inside the drag and drop.
    QMetaObject::invokeMethod(
        this, [this, file, cell] { PlaceBlockFile(FileSystemPath(file), cell); },
        Qt::QueuedConnection);
}

} // namespace vantrel
