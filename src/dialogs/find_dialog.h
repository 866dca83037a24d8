#pragma once

#include "dialogs/property_dialog.h"
#include "editing/element_search.h"

#include <QStringList>

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;

namespace vantrel {

// "Find Elements": a search text (1023) and the elements whose description
// contains it, whatever the case (list 1024, in the order given), with their
// number below (1081). The first match is chosen at once; Up and Down move
// through the matches also while typing; a double click chooses and closes.
class CFindDialog : public PropertyDialog
{
    Q_OBJECT
public:
    explicit CFindDialog(std::vector<FoundEntry> entries, QWidget* parent = nullptr);

    // The id of the chosen match; none when no match is chosen.
    std::optional<std::int32_t> Chosen() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fill();
    // Chooses the next (+1) or previous (-1) match, staying at either end.
    void Step(int direction);

    std::vector<FoundEntry> entries_;
    QStringList folded_;
    QLineEdit* search_;
    QListWidget* results_;
    QLabel* count_;
};

} // namespace vantrel
