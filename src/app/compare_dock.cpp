#include "app/compare_dock.h"

#include "editing/comparison_marks.h"
#include "editor/vantrel_view.h"
#include "qt_adapters/qt_text.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QPointer>

namespace vantrel {

CompareDock::CompareDock(CVantrelDoc& document, CVantrelView& view, QWidget* parent)
    : QDockWidget(tr("Compare"), parent), document_(document), view_(view),
      list_(new QListWidget(this)), refresh_(document, [this] { Refresh(); })
{
    setObjectName(QStringLiteral("compareDock"));
    list_->setObjectName(QStringLiteral("compareList"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    setWidget(list_);
    // Only a running comparison follows the edits.
    connect(&view_, &CVantrelView::Changed, this, [this] {
        if (other_)
            refresh_.Schedule();
    });
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { ShowRow(list_->row(item)); });
}

void CompareDock::CompareWith(std::unique_ptr<CVantrelDoc> other, const QString& name)
{
    other_ = std::move(other);
    otherName_ = name;
    // The view may outlive the dock while the window is taken down.
    view_.SetOverlay([dock = QPointer<CompareDock>(this)](Surface& surface, const Rect& client) {
        if (dock && dock->other_)
            DrawComparisonMarks(surface, *dock->other_, dock->document_, dock->comparison_,
                                dock->view_.State(), client);
    });
    Refresh();
    show();
    raise();
}

void CompareDock::Refresh()
{
    if (!other_)
        return;
    comparison_ = CompareDesigns(*other_, document_);
    refresh_.Refreshed();
    list_->clear();
    for (const DesignChange& change : comparison_.changes) {
        // A long line (a whole added element) is read in full in its tip.
        const QString line = QString::fromStdString(DiffLine(change));
        list_->addItem(line);
        list_->item(list_->count() - 1)->setToolTip(line);
    }
    setWindowTitle(tr("Compare with %1 (%2)").arg(otherName_).arg(comparison_.changes.size()));
    view_.viewport()->update();
}

void CompareDock::ShowRow(int row)
{
    if (row < 0 || std::size_t(row) >= comparison_.changes.size())
        return;
    const std::optional<std::int32_t> id = ChangedElementId(comparison_.changes[std::size_t(row)]);
    if (!id)
        return;
    for (const ElementDifference& difference : comparison_.elements)
        if (difference.id == *id) {
            const std::optional<Point> cell =
                difference.afterCell ? difference.afterCell : difference.beforeCell;
            view_.ShowElementOrCell(*id, cell.value_or(Point{}));
            return;
        }
}

void CompareDock::closeEvent(QCloseEvent* event)
{
    Stop();
    QDockWidget::closeEvent(event);
}

// Closing ends the comparison: the marks leave the canvas and the other
// design is let go.
void CompareDock::Stop()
{
    refresh_.Forget();
    view_.SetOverlay({});
    other_.reset();
    comparison_ = {};
    list_->clear();
}

} // namespace vantrel
