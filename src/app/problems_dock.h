#pragma once

#include "app/settled_refresh.h"
#include "compiler/design_problems.h"

#include <QDockWidget>

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
    ProblemsDock(CVantrelDoc& document, CVantrelView& view, QWidget* parent = nullptr);

    // Checks the design now, whatever changed.
    void Refresh();
    const std::vector<Problem>& Problems() const { return problems_; }
    QTableWidget& Table() const { return *table_; }
    // Centres and selects the element of the row, as a double click does.
    void ShowRow(int row);

private:
    CVantrelDoc& document_;
    CVantrelView& view_;
    QTableWidget* table_;
    SettledRefresh refresh_;
    std::vector<Problem> problems_;
};

} // namespace vantrel
