#include "dialogs/save_block_dialog.h"

#include "dialogs/first_field_focus.h"
#include "editing/logic_block.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vantrel {

namespace {

// Wide enough for a name and a sentence of description.
constexpr int kFieldWidth = 320;

} // namespace

SaveBlockDialog::SaveBlockDialog(const QString& proposedName, bool designHasFile, QWidget* parent)
    : QDialog(parent), name_(new QLineEdit(proposedName, this)), description_(new QLineEdit(this)),
      beside_(new QRadioButton(QStringLiteral("&Beside this design"), this))
{
    setWindowTitle(QStringLiteral("Save Selection as Block"));
    name_->setObjectName(QStringLiteral("blockName"));
    name_->setMaxLength(int(kMaxBlockNameUnits));
    name_->setMinimumWidth(kFieldWidth);
    description_->setObjectName(QStringLiteral("blockDescription"));
    description_->setMaxLength(int(kMaxBlockDescriptionUnits));
    auto* mine = new QRadioButton(QStringLiteral("&My blocks"), this);
    mine->setObjectName(QStringLiteral("myBlocks"));
    mine->setChecked(true);
    beside_->setObjectName(QStringLiteral("besideDesign"));
    beside_->setEnabled(designHasFile);
    if (!designHasFile)
        beside_->setToolTip(QStringLiteral("Save the design first to keep blocks beside it"));

    auto* places = new QVBoxLayout;
    places->addWidget(mine);
    places->addWidget(beside_);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Name:"), name_);
    form->addRow(QStringLiteral("&Description:"), description_);
    form->addRow(QStringLiteral("Place:"), places);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    const auto requireName = [ok, this] { ok->setEnabled(!name_->text().trimmed().isEmpty()); };
    connect(name_, &QLineEdit::textChanged, this, requireName);
    requireName();
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void SaveBlockDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FocusFirstField(*this);
}

BlockSaveChoice SaveBlockDialog::Values() const
{
    return {name_->text().trimmed(), description_->text().trimmed(), beside_->isChecked()};
}

std::optional<BlockSaveChoice> AskBlockSave(QWidget* owner, const QString& proposedName,
                                            bool designHasFile)
{
    SaveBlockDialog dialog(proposedName, designHasFile, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Values();
}

} // namespace vantrel
