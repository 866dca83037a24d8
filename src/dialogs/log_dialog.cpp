#include "dialogs/log_dialog.h"

#include "elements/el_finder.h"
#include "elements/io_elements.h"
#include "qt_adapters/qt_text.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vantrel {

namespace {

LogElement* Lookup(const ElFinder& finder, std::int32_t id)
{
    return finder.FindById(id);
}

// A button of the list's own actions: Enter still means OK.
QPushButton* ActionButton(const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    return button;
}

} // namespace

LogDialog::LogDialog(const LoggedUserOut& element, const ElFinder& finder, QWidget* parent)
    : PropertyDialog(QStringLiteral("Logged User Output"), parent),
      copy_(static_cast<LoggedUserOut*>(element.Clone().release())), finder_(finder),
      name_(NewEdit(1076, copy_->name)), logged_(new QListWidget(this)), candidates_(NewList(1078)),
      add_(ActionButton(QStringLiteral("Add"), this)),
      delete_(ActionButton(QStringLiteral("Delete"), this))
{
    SetControlId(*logged_, 1077);
    SetControlId(*add_, 1074);
    SetControlId(*delete_, 1075);
    logged_->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* group = new QGroupBox(QStringLiteral("Additional logged outputs"), this);
    auto* choice = new QHBoxLayout;
    choice->addWidget(candidates_, 1);
    choice->addWidget(add_);
    choice->addWidget(delete_);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(logged_);
    groupLayout->addLayout(choice);

    Form().addRow(QStringLiteral("Name:"), name_);
    Form().addRow(group);

    connect(add_, &QPushButton::clicked, this, &LogDialog::AddChosen);
    connect(delete_, &QPushButton::clicked, this, &LogDialog::DeleteSelected);
    connect(logged_, &QListWidget::itemSelectionChanged, this, &LogDialog::UpdateButtons);
    Refill();
}

LogDialog::~LogDialog() = default;

LoggedOutputs LogDialog::Values() const
{
    return {FromQString(name_->text()), copy_->loggedIds};
}

bool LogDialog::IsLogged(std::int32_t id) const
{
    const std::vector<std::int32_t>& ids = copy_->loggedIds;
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

void LogDialog::OfferCandidate(const LogElement* element)
{
    if (IsLogged(element->id) || element->id == copy_->id)
        return;
    candidates_->addItem(ToQString(element->Describe(finder_)), element->id);
}

void LogDialog::Refill()
{
    candidates_->clear();
    for (int i = 0; i < finder_.MainCount(); ++i) {
        const LogElement* element = finder_.MainAt(i);
        if (IsKind<LogIO>(element))
            OfferCandidate(element);
    }
    std::vector<LogElement*> monitored;
    finder_.MonitorList(monitored);
    for (const LogElement* element : monitored)
        OfferCandidate(element);
    candidates_->setCurrentIndex(candidates_->count() > 0 ? 0 : -1);

    logged_->clear();
    for (std::int32_t id : copy_->loggedIds) {
        if (const LogElement* element = Lookup(finder_, id)) {
            auto* item = new QListWidgetItem(ToQString(element->Describe(finder_)), logged_);
            item->setData(Qt::UserRole, id);
        }
    }
    UpdateButtons();
}

void LogDialog::AddChosen()
{
    if (candidates_->currentIndex() < 0)
        return;
    const LogElement* chosen = Lookup(finder_, candidates_->currentData().toInt());
    if (!chosen)
        return;
    if (!IsLogged(chosen->id) && chosen->id != copy_->id)
        copy_->loggedIds.push_back(chosen->id);
    Refill();
}

void LogDialog::DeleteSelected()
{
    const QList<QListWidgetItem*> selected = logged_->selectedItems();
    if (selected.isEmpty())
        return;
    const std::int32_t id = selected.front()->data(Qt::UserRole).toInt();
    std::erase(copy_->loggedIds, id);
    Refill();
}

void LogDialog::UpdateButtons()
{
    add_->setEnabled(candidates_->count() > 0);
    delete_->setEnabled(!logged_->selectedItems().isEmpty());
}

} // namespace vantrel
