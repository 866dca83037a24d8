#include "dialogs/sim_element_dlg.h"

#include "elements/el_finder.h"
#include "elements/element_kinds.h"
#include "elements/io_elements.h"
#include "qt_adapters/qt_text.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

#include <algorithm>

namespace vantrel {

namespace {

int ShownLists(std::size_t slotIds)
{
    return int(std::min<std::size_t>(slotIds, CSimElementDlg::kSlotLists));
}

} // namespace

QString CSimElementDlg::TypeName(std::int32_t type)
{
    return type >= 0 && type < std::int32_t(std::size(SimElement::kTypes))
               ? ToQString(SimElement::kTypes[type].name)
               : QString();
}

CSimElementDlg::CSimElementDlg(const SimElement& element, const ElFinder& finder, QWidget* parent)
    : PropertyDialog(TypeName(element.type), parent), element_(element),
      name_(NewEdit(1000, element.name))
{
    Form().addRow(QStringLiteral("Name:"), name_);
    AddSlotLists(kFirstInputId, ShownLists(element.inputs.size()), QStringLiteral("Input %1:"),
                 inputs_);
    AddSlotLists(kFirstOutputId, ShownLists(element.outputs.size()), QStringLiteral("Output %1:"),
                 outputs_);
    FillSlotLists(finder, NumberKind::Inputs, inputs_, element.inputs);
    FillSlotLists(finder, NumberKind::Outputs, outputs_, element.outputs);
    name_->selectAll();
}

void CSimElementDlg::AddSlotLists(int firstId, int shown, const QString& caption,
                                  std::vector<QComboBox*>& lists)
{
    for (int i = 0; i < kSlotLists; ++i) {
        QComboBox* list = NewList(firstId + i);
        list->setVisible(i < shown);
        if (i < shown)
            Form().addRow(caption.arg(i + 1), list);
        lists.push_back(list);
    }
    lists.resize(std::size_t(shown));
}

void CSimElementDlg::FillSlotLists(const ElFinder& finder, NumberKind numbers,
                                   const std::vector<QComboBox*>& lists,
                                   const std::vector<std::int32_t>& slotIds)
{
    std::vector<std::pair<QString, std::int32_t>> entries;
    for (int i = 0; i < finder.MainCount(); ++i) {
        const LogElement* element = finder.MainAt(i);
        if (!element || NumbersOf(*element) != numbers)
            continue;
        const auto& io = static_cast<const LogIO&>(*element);
        entries.emplace_back(
            ToQString(io.name) + QStringLiteral(", p ") + QString::number(io.number + 1), io.id);
    }
    // Without a match a slot shows the first element of the design.
    const std::int32_t firstId = entries.empty() ? -1 : entries.front().second;
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return a.first.compare(b.first, Qt::CaseInsensitive) < 0;
    });
    for (std::size_t slot = 0; slot < lists.size(); ++slot) {
        QComboBox& list = *lists[slot];
        for (const auto& [text, id] : entries)
            list.addItem(text, id);
        const int match = list.findData(slotIds[slot]);
        list.setCurrentIndex(match >= 0 ? match : list.findData(firstId));
    }
}

SimElement CSimElementDlg::Values() const
{
    SimElement element = element_;
    element.name = FromQString(name_->text());
    for (std::size_t slot = 0; slot < inputs_.size(); ++slot)
        element.inputs[slot] = ChosenData(*inputs_[slot], element.inputs[slot]);
    for (std::size_t slot = 0; slot < outputs_.size(); ++slot)
        element.outputs[slot] = ChosenData(*outputs_[slot], element.outputs[slot]);
    return element;
}

} // namespace vantrel
