#include "dialogs/list_editor_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <utility>

namespace vantrel {

namespace {

// Room for a module or command line without scrolling sideways.
constexpr int kListWidth = 420;
constexpr int kListHeight = 180;

} // namespace

ListEditorDialog::ListEditorDialog(const QString& title, const QString& listName,
                                   DialogRunner runner, bool withOkCancel, QWidget* parent)
    : QDialog(parent), runner_(RunnerOrModal(std::move(runner))), list_(new QListWidget(this)),
      column_(new QVBoxLayout)
{
    setWindowTitle(title);
    list_->setObjectName(listName);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMinimumSize(kListWidth, kListHeight);
    column_->setAlignment(Qt::AlignTop);

    auto* body = new QHBoxLayout;
    body->addWidget(list_, 1);
    body->addLayout(column_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    if (withOkCancel) {
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("1"));
        buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("2"));
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        layout->addWidget(buttons);
    }
    list_->setFocus();
}

QPushButton* ListEditorDialog::AddAction(const QString& name, const QString& caption,
                                         const std::function<void()>& action)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    // Enter still means OK.
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, action);
    column_->addWidget(button);
    return button;
}

void ListEditorDialog::AddControl(QWidget* control)
{
    column_->addWidget(control);
}

void ListEditorDialog::OnDoubleClick(const std::function<void()>& action)
{
    connect(list_, &QListWidget::itemDoubleClicked, this, action);
}

int ListEditorDialog::SelectedRow() const
{
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.front());
}

void ShowListLines(QListWidget& list, const QStringList& lines, int selected)
{
    const int scrolled = list.verticalScrollBar()->value();
    list.clear();
    list.addItems(lines);
    if (selected >= 0 && selected < list.count())
        list.setCurrentRow(selected);
    list.verticalScrollBar()->setValue(scrolled);
}

void ListEditorDialog::ShowLines(const QStringList& lines, int selected)
{
    ShowListLines(*list_, lines, selected);
}

bool ListEditorDialog::RunNested(QDialog& dialog)
{
    return runner_(dialog) == QDialog::Accepted;
}

} // namespace vantrel
