#include "dialogs/complex_commands_dlg.h"

#include "dialogs/command_settings_dlg.h"
#include "document/notifier.h"
#include "qt_adapters/qt_text.h"

#include <QHBoxLayout>
#include <QToolButton>

#include <algorithm>
#include <utility>

namespace vantrel {

namespace {

QToolButton* ArrowButton(Qt::ArrowType arrow, const QString& name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setObjectName(name);
    return button;
}

} // namespace

CComplexCommandsDlg::CComplexCommandsDlg(std::vector<ComplexCommand> commands,
                                         const ElFinder& finder, Notifier& notifier,
                                         DialogRunner runner, QWidget* parent)
    : ListEditorDialog(QStringLiteral("Complex Commands"), QStringLiteral("1016"),
                       std::move(runner), false, parent),
      commands_(std::move(commands)), finder_(finder), notifier_(notifier)
{
    AddAction(QStringLiteral("1017"), QStringLiteral("New"), [this] { New(); });
    AddAction(QStringLiteral("1018"), QStringLiteral("Edit"), [this] { Edit(); });
    AddAction(QStringLiteral("1042"), QStringLiteral("Clone"), [this] { Clone(); });
    AddAction(QStringLiteral("1019"), QStringLiteral("Delete"), [this] { Delete(); });

    auto* arrows = new QWidget(this);
    arrows->setObjectName(QStringLiteral("1084"));
    auto* up = ArrowButton(Qt::UpArrow, QStringLiteral("up"), arrows);
    auto* down = ArrowButton(Qt::DownArrow, QStringLiteral("down"), arrows);
    auto* arrowLayout = new QHBoxLayout(arrows);
    arrowLayout->setContentsMargins(0, 0, 0, 0);
    arrowLayout->addWidget(up);
    arrowLayout->addWidget(down);
    arrowLayout->addStretch();
    connect(up, &QToolButton::clicked, this, [this] { Move(-1); });
    connect(down, &QToolButton::clicked, this, [this] { Move(1); });
    AddControl(arrows);

    OnDoubleClick([this] { Edit(); });
    Refresh(-1);
}

void CComplexCommandsDlg::Refresh(int selected)
{
    QStringList lines;
    for (const ComplexCommand& command : commands_)
        lines.append(ToQString(command.name));
    ShowLines(lines, selected);
}

std::optional<ComplexCommand> CComplexCommandsDlg::AskSettings(const ComplexCommand& command)
{
    CCommandSettingsDlg dialog(command, finder_, this);
    if (!RunNested(dialog))
        return std::nullopt;
    return dialog.Values();
}

void CComplexCommandsDlg::New()
{
    if (std::optional<ComplexCommand> command = AskSettings(ComplexCommand(u"noname")))
        commands_.push_back(std::move(*command));
    Refresh(-1);
}

void CComplexCommandsDlg::Edit()
{
    const int row = SelectedRow();
    if (EditSelected(commands_,
                     [this](const ComplexCommand& command) { return AskSettings(command); }))
        Refresh(row);
}

void CComplexCommandsDlg::Clone()
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    if (std::optional<ComplexCommand> command = AskSettings(commands_[std::size_t(row)]))
        commands_.push_back(std::move(*command));
    Refresh(row);
}

void CComplexCommandsDlg::Delete()
{
    if (RemoveSelected(commands_, NoticeText{u"Really Delete?", u"Command deletion"}, notifier_))
        Refresh(-1);
}

void CComplexCommandsDlg::Move(int step)
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    const int target = std::clamp(row + step, 0, int(commands_.size()) - 1);
    std::swap(commands_[std::size_t(row)], commands_[std::size_t(target)]);
    Refresh(target);
}

} // namespace vantrel
