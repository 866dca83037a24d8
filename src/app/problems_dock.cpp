#include "app/problems_dock.h"

#include "editor/vantrel_view.h"
#include "qt_adapters/qt_text.h"

#include <QHeaderView>
#include <QTableWidget>

namespace vantrel {

namespace {

enum Column
{
    kProblemColumn,
    kElementColumn,
    kKindColumn,
    kCellColumn,
    kColumnCount,
};

QTableWidgetItem* Item(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

// Kinds without a description of their own go by their id.
QString ElementText(const Problem& problem)
{
    return problem.description.empty() ? QStringLiteral("Element %1").arg(problem.elementId)
                                       : ToQString(problem.description);
}

} // namespace

ProblemsDock::ProblemsDock(CVantrelDoc& document, CVantrelView& view, QWidget* parent)
    : QDockWidget(tr("Problems"), parent), document_(document), view_(view),
      table_(new QTableWidget(0, kColumnCount, this)), refresh_(document, [this] { Refresh(); })
{
    setObjectName(QStringLiteral("problemsDock"));
    table_->setObjectName(QStringLiteral("problemsTable"));
    table_->setHorizontalHeaderLabels({tr("Problem"), tr("Element"), tr("Kind"), tr("Cell")});
    table_->horizontalHeader()->setSectionResizeMode(kProblemColumn, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(kElementColumn, QHeaderView::Stretch);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWidget(table_);
    // Only a shown dock checks the design.
    connect(&view_, &CVantrelView::Changed, this, [this] {
        if (isVisible())
            refresh_.Schedule();
    });
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible)
            refresh_.RunIfChanged();
    });
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { ShowRow(row); });
}

void ProblemsDock::Refresh()
{
    problems_ = FindProblems(document_);
    refresh_.Refreshed();
    table_->setRowCount(int(problems_.size()));
    for (int row = 0; row < int(problems_.size()); ++row) {
        const Problem& problem = problems_[std::size_t(row)];
        table_->setItem(row, kProblemColumn, Item(ToQString(problem.message)));
        table_->setItem(row, kElementColumn, Item(ElementText(problem)));
        table_->setItem(row, kKindColumn, Item(ToQString(problem.elementKind)));
        table_->setItem(row, kCellColumn,
                        Item(QStringLiteral("%1, %2").arg(problem.cell.x).arg(problem.cell.y)));
    }
    setWindowTitle(problems_.empty() ? tr("Problems") : tr("Problems (%1)").arg(problems_.size()));
}

void ProblemsDock::ShowRow(int row)
{
    if (row < 0 || std::size_t(row) >= problems_.size())
        return;
    const Problem& problem = problems_[std::size_t(row)];
    view_.ShowProblemElement(problem);
}

} // namespace vantrel
