#pragma once

#include "compiler/design_problems.h"

#include <QDockWidget>
#include <QTimer>

#include <cstdint>
#include <optional>
#include <vector>

class QTableWidget;

namespace vantrel {

class CVantrelDoc;
class CVantrelView;

// The "Problems" dock: every problem of the design, one row each with what
// is wrong and the element's description, kind and cell. It follows the
// view's changes, re-checking shortly after the last one while it is shown;
// a double click on a row shows the element in the view as Find does.
class ProblemsDock : public QDockWidget
{
    Q_OBJECT
public:
    // After the last change, how long the dock waits before it checks again.
    static constexpr int kRefreshDelayMs = 150;

    ProblemsDock(CVantrelDoc& document, CVantrelView& view, QWidget* parent = nullptr);

    // Checks the design now, whatever changed.
    void Refresh();
    const std::vector<Problem>& Problems() const { return problems_; }
    QTableWidget& Table() const { return *table_; }
    // Centres and selects the element of the row, as a double click does.
    void ShowRow(int row);

private:
    void ScheduleRefresh();
    void RefreshIfChanged();

    CVantrelDoc& document_;
    CVantrelView& view_;
    QTableWidget* table_;
    QTimer refreshTimer_;
    std::vector<Problem> problems_;
    // The document's change count at the last check; none before the first.
    std::optional<std::uint64_t> checkedAt_;
};

} // namespace vantrel
