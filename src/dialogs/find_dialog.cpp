#include "dialogs/find_dialog.h"

#include "qt_adapters/qt_text.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>

namespace vantrel {

CFindDialog::CFindDialog(std::vector<FoundEntry> entries, QWidget* parent)
    : PropertyDialog(QStringLiteral("Find Elements"), parent), entries_(std::move(entries)),
      search_(NewEdit(1023, {})), results_(new QListWidget(this)),
      count_(new QLabel(QStringLiteral("0 results"), this))
{
    SetControlId(*results_, 1024);
    SetControlId(*count_, 1081);
    results_->setSelectionMode(QAbstractItemView::SingleSelection);
    // The description is compared in lower case, so it is folded once here.
    for (const FoundEntry& entry : entries_)
        folded_.append(ToQString(entry.text).toLower());
    Form().addRow(QStringLiteral("Find:"), search_);
    Form().addRow(results_);
    Form().addRow(count_);
    connect(search_, &QLineEdit::textChanged, this, &CFindDialog::Fill);
    connect(results_, &QListWidget::itemDoubleClicked, this, &CFindDialog::accept);
    search_->installEventFilter(this);
    results_->installEventFilter(this);
    Fill();
}

void CFindDialog::Fill()
{
    const QString wanted = search_->text().toLower();
    results_->clear();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (!folded_[qsizetype(i)].contains(wanted))
            continue;
        auto* item = new QListWidgetItem(ToQString(entries_[i].text), results_);
        item->setData(Qt::UserRole, entries_[i].id);
        if (results_->count() == 1)
            results_->setCurrentItem(item);
    }
    count_->setText(QStringLiteral("%1 results").arg(results_->count()));
}

void CFindDialog::Step(int direction)
{
    if (results_->count() == 0)
        return;
    const int row = results_->selectedItems().isEmpty() ? -1 : results_->currentRow();
    const int next = row < 0 ? 0 : std::clamp(row + direction, 0, results_->count() - 1);
    results_->setCurrentRow(next);
}

bool CFindDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Down || key == Qt::Key_Up) && results_->count() > 0) {
            Step(key == Qt::Key_Down ? 1 : -1);
            return true;
        }
    }
    return PropertyDialog::eventFilter(watched, event);
}

std::optional<std::int32_t> CFindDialog::Chosen() const
{
    const QList<QListWidgetItem*> chosen = results_->selectedItems();
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.front()->data(Qt::UserRole).toInt();
}

} // namespace vantrel
