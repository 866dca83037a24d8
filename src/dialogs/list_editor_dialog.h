#pragma once

#include "dialogs/qt_element_dialogs.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace vantrel {

// The runner of a dialog shown to the user: QDialog::exec.
int ExecDialog(QDialog& dialog);

// Shows the lines with line `selected` selected (none when out of range);
// the list keeps its scroll position.
void ShowListLines(QListWidget& list, const QStringList& lines, int selected);

// The frame of the dialogs that edit a list of items: the list box with a
// column of action buttons beside it, and OK and Cancel below when the
// dialog has them. The dialogs they open for one item run through the given
// runner, so that a test can answer them without a modal loop.
class ListEditorDialog : public QDialog
{
    Q_OBJECT
protected:
    ListEditorDialog(const QString& title, const QString& listName, DialogRunner runner,
                     bool withOkCancel, QWidget* parent);

    // An action button in the column, named `name`.
    QPushButton* AddAction(const QString& name, const QString& caption,
                           const std::function<void()>& action);
    // Any other control, placed in the column.
    void AddControl(QWidget* control);
    // A double click on a line.
    void OnDoubleClick(const std::function<void()>& action);

    // The selected line, -1 when none is.
    int SelectedRow() const;
    void ShowLines(const QStringList& lines, int selected);
    // Runs a dialog about one item; true on OK.
    bool RunNested(QDialog& dialog);

    QListWidget& List() { return *list_; }

private:
    DialogRunner runner_;
    QListWidget* list_;
    QVBoxLayout* column_;
};

} // namespace vantrel
