#include "dialogs/sim_elements_dlg.h"

#include "dialogs/sim_element_dlg.h"
#include "document/notifier.h"
#include "qt_adapters/qt_text.h"

#include <QComboBox>

#include <utility>

namespace vantrel {

CSimElementsDlg::CSimElementsDlg(std::vector<SimElement> elements, const ElFinder& finder,
                                 Notifier& notifier, DialogRunner runner, QWidget* parent)
    : ListEditorDialog(QStringLiteral("Simulator elements"), QStringLiteral("1043"),
                       std::move(runner), false, parent),
      elements_(std::move(elements)), finder_(finder), notifier_(notifier),
      types_(new QComboBox(this))
{
    types_->setObjectName(QStringLiteral("1046"));
    for (std::int32_t type = 0; type < std::int32_t(std::size(SimElement::kTypes)); ++type)
        types_->addItem(ToQString(SimElement::kTypes[type].name), type);
    types_->model()->sort(0);
    types_->setCurrentIndex(0);
    AddControl(types_);
    AddAction(QStringLiteral("1044"), QStringLiteral("New"), [this] { New(); });
    AddAction(QStringLiteral("1045"), QStringLiteral("Delete"), [this] { Delete(); });
    OnDoubleClick([this] { Edit(); });
    Refresh();
}

void CSimElementsDlg::Refresh()
{
    QStringList lines;
    for (const SimElement& element : elements_)
        lines.append(ToQString(element.name) + QStringLiteral(", ") +
                     CSimElementDlg::TypeName(element.type));
    ShowLines(lines, -1);
}

std::optional<SimElement> CSimElementsDlg::AskElement(const SimElement& element)
{
    CSimElementDlg dialog(element, finder_, this);
    if (!RunNested(dialog))
        return std::nullopt;
    return dialog.Values();
}

void CSimElementsDlg::New()
{
    const SimElement fresh(types_->currentData().toInt(), u"Enter name");
    if (std::optional<SimElement> element = AskElement(fresh))
        elements_.push_back(std::move(*element));
    Refresh();
}

void CSimElementsDlg::Edit()
{
    if (EditSelected(elements_, [this](const SimElement& element) { return AskElement(element); }))
        Refresh();
}

void CSimElementsDlg::Delete()
{
    if (RemoveSelected(elements_, NoticeText{u"Sure?", u"Delete Sim Element"}, notifier_))
        Refresh();
}

} // namespace vantrel
