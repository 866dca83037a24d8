#pragma once

#include "dialogs/dialog_runner.h"

#include <QDialog>
#include <QStringList>

#include "document/notifier.h"

#include <functional>
#include <optional>
#include <vector>

class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace vantrel {

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

    // The item of the selected line replaced by what `ask` makes of it
    // (nothing on Cancel); false without a selected line.
    template <class Item, class Ask> bool EditSelected(std::vector<Item>& items, Ask ask)
    {
        const int row = SelectedRow();
        if (row < 0)
            return false;
        if (std::optional<Item> edited = ask(items[std::size_t(row)]))
            items[std::size_t(row)] = std::move(*edited);
        return true;
    }
    // The item of the selected line removed; false without a selected line.
    template <class Item> bool RemoveSelected(std::vector<Item>& items)
    {
        return RemoveSelectedIf(items, [] { return true; });
    }
    // The same once the question (OK and Cancel) is answered with OK.
    template <class Item>
    bool RemoveSelected(std::vector<Item>& items, const NoticeText& question, Notifier& notifier)
    {
        return RemoveSelectedIf(items, [&] {
            return notifier.Message(question.text, question.caption, MessageButtons::OkCancel) ==
                   MessageAnswer::Ok;
        });
    }

private:
    template <class Item, class Confirm>
    bool RemoveSelectedIf(std::vector<Item>& items, Confirm confirmed)
    {
        const int row = SelectedRow();
        if (row < 0)
            return false;
        if (confirmed())
            items.erase(items.begin() + row);
        return true;
    }

    DialogRunner runner_;
    QListWidget* list_;
    QVBoxLayout* column_;
};

} // namespace vantrel
