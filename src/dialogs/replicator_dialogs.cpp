#include "dialogs/replicator_dialogs.h"

#include "elements/el_finder.h"
#include "elements/element_kinds.h"
#include "elements/indirect_elements.h"
#include "elements/io_elements.h"
#include "qt_adapters/qt_text.h"

#include <QComboBox>
#include <QFormLayout>

namespace vantrel {

SourceChoiceDialog::SourceChoiceDialog(QWidget* parent)
    : PropertyDialog(QStringLiteral("Replicator Properties"), parent), sources_(NewList(1001))
{
    Form().addRow(sources_);
}

std::int32_t SourceChoiceDialog::ChosenId() const
{
    return ChosenData(*sources_, -1);
}

void SourceChoiceDialog::Offer(const std::u16string& label, std::int32_t id)
{
    sources_->addItem(ToQString(label), id);
}

CRepDialog::CRepDialog(const ElFinder& finder, QWidget* parent) : SourceChoiceDialog(parent)
{
    for (int i = 0; i < finder.MainCount(); ++i) {
        const LogElement* element = finder.MainAt(i);
        if (element && CanBeReplicated(*element)) {
            const auto& io = static_cast<const LogIO&>(*element);
            const bool input = NumbersOf(io) == NumberKind::Inputs;
            Offer(io.name + (input ? u", Input" : u", User In"), io.id);
        }
    }
    sources_->setCurrentIndex(sources_->count() > 0 ? 0 : -1);
}

COutMarkerDialog::COutMarkerDialog(const ElFinder& finder, bool numeric, QWidget* parent)
    : SourceChoiceDialog(parent)
{
    for (int i = 0; i < finder.IndirectCount(); ++i) {
        const auto* marker = KindAs<LogStartMarker>(finder.IndirectAt(i));
        if (marker && marker->IsNumericPin(true, 0) == numeric)
            Offer(marker->label, marker->id);
    }
    sources_->setCurrentIndex(-1);
}

} // namespace vantrel
