#pragma once

#include "app/settled_refresh.h"
#include "compare/design_comparison.h"
#include "document/vantrel_doc.h"

#include <QDockWidget>

#include <memory>

class QListWidget;

namespace vantrel {

class CVantrelView;

// The "Compare" dock: how the open design differs from another design, one
// row per change worded as `vantrel-cli diff OTHER DESIGN` words it, and
// the same changes marked on the view's canvas. It follows the edits of
// the open design, comparing again shortly after the last one, until it is
// closed; a double click on an element's row centres the element (or the
// cell a removed one stood on).
class CompareDock : public QDockWidget
{
    Q_OBJECT
public:
    CompareDock(CVantrelDoc& document, CVantrelView& view, QWidget* parent = nullptr);

    // Compares the open design with `other` (named `name`) from now on, and
    // shows the dock.
    void CompareWith(std::unique_ptr<CVantrelDoc> other, const QString& name);
    // Compares again now, whatever changed.
    void Refresh();
    const DesignComparison& Comparison() const { return comparison_; }
    QListWidget& List() const { return *list_; }
    // Centres the element of the row, as a double click does.
    void ShowRow(int row);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Stop();

    CVantrelDoc& document_;
    CVantrelView& view_;
    QListWidget* list_;
    SettledRefresh refresh_;
    std::unique_ptr<CVantrelDoc> other_;
    QString otherName_;
    DesignComparison comparison_;
};

} // namespace vantrel
