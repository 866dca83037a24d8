#include "dialogs/command_settings_dlg.h"

#include "dialogs/list_editor_dialog.h"
#include "elements/el_finder.h"
#include "elements/io_elements.h"
#include "qt_adapters/qt_text.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace vantrel {

namespace {

enum ChangeTo
{
    kNoAction = 0,
    kOff = 1,
    kOn = 2,
};

struct InputLine
{
    QString text;
    std::int32_t id = 0;
};

} // namespace

CCommandSettingsDlg::CCommandSettingsDlg(const ComplexCommand& command, const ElFinder& finder,
                                         QWidget* parent)
    : PropertyDialog(QStringLiteral("Command Settings"), parent), command_(command),
      finder_(finder), name_(NewEdit(1022, command.name)), inputs_(new QListWidget(this)),
      changeTo_(NewList(1021,
                        {QStringLiteral("NO ACTION"), QStringLiteral("OFF"), QStringLiteral("ON")},
                        kNoAction))
{
    SetControlId(*inputs_, 1016);
    inputs_->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* change = new QPushButton(QStringLiteral("Change"), this);
    SetControlId(*change, 1020);
    change->setAutoDefault(false);
    connect(change, &QPushButton::clicked, this, &CCommandSettingsDlg::ChangeSelected);

    Form().addRow(QStringLiteral("Name:"), name_);
    Form().addRow(inputs_);
    Form().addRow(QStringLiteral("Change to:"), changeTo_);
    Form().addRow(change);
    ShowInputs(-1);
    name_->selectAll();
}

ComplexCommand CCommandSettingsDlg::Values() const
{
    ComplexCommand command = command_;
    command.name = FromQString(name_->text());
    return command;
}

void CCommandSettingsDlg::ShowInputs(int selected)
{
    std::vector<InputLine> lines;
    for (int i = 0; i < finder_.MainCount(); ++i) {
        const auto* input = KindAs<LogUser>(finder_.MainAt(i));
        if (!input)
            continue;
        QString text = ToQString(input->name);
        if (const auto setting = command_.settings.find(input->id);
            setting != command_.settings.end())
            text += setting->second ? QStringLiteral("   ON") : QStringLiteral("   OFF");
        lines.push_back({text, input->id});
    }
    const std::int32_t firstId = lines.empty() ? 0 : lines.front().id;
    std::stable_sort(lines.begin(), lines.end(), [](const InputLine& a, const InputLine& b) {
        return a.text.compare(b.text, Qt::CaseInsensitive) < 0;
    });
    QStringList texts;
    for (const InputLine& line : lines)
        texts.append(line.text);
    if (selected < 0) {
        const auto first = std::find_if(lines.begin(), lines.end(),
                                        [&](const InputLine& line) { return line.id == firstId; });
        selected = int(first - lines.begin());
    }
    ShowListLines(*inputs_, texts, selected);
    for (int row = 0; row < inputs_->count(); ++row)
        inputs_->item(row)->setData(Qt::UserRole, lines[std::size_t(row)].id);
}

void CCommandSettingsDlg::ChangeSelected()
{
    const int row = inputs_->currentRow();
    if (row < 0 || !inputs_->item(row)->isSelected())
        return;
    const std::int32_t id = inputs_->item(row)->data(Qt::UserRole).toInt();
    switch (changeTo_->currentIndex()) {
    case kOff:
        command_.settings[id] = false;
        break;
    case kOn:
        command_.settings[id] = true;
        break;
    default:
        command_.settings.erase(id);
        break;
    }
    ShowInputs(row);
}

} // namespace vantrel
