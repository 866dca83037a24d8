#include "dialogs/in_out_config.h"

#include "document/vantrel_doc.h"
#include "elements/el_finder.h"
#include "qt_adapters/qt_text.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

#include <algorithm>

namespace vantrel {

namespace {

bool InUse(const std::vector<std::int32_t>& usage, int number)
{
    return std::size_t(number) < usage.size() && usage[std::size_t(number)] != -1;
}

} // namespace

CInOutConfig::CInOutConfig(const InOutRequest& request, QWidget* parent)
    : PropertyDialog(QStringLiteral("I/O properties"), parent), givenNumber_(request.number),
      name_(NewEdit(1000, request.name)), numbers_(NewList(1001))
{
    Form().addRow(QStringLiteral("Name:"), name_);
    Form().addRow(QStringLiteral("I/O Number:"), numbers_);
    FillNumbers(request);
}

void CInOutConfig::FillNumbers(const InOutRequest& request)
{
    // A damaged design may state a count far beyond any board; the list
    // stops where the document's number tables stop.
    const int listed = std::min(request.count, CVantrelDoc::kNumberTableLimit);
    for (int number = 0; number < listed; ++number) {
        const bool inUse = InUse(request.usage, number);
        if (inUse && !request.showInUse)
            continue;
        QString label = request.labelSource
                            ? ToQString(request.labelSource->IoLabel(number, request.isInput))
                            : QString::number(number + 1);
        if (inUse)
            label += QStringLiteral(" in use");
        numbers_->addItem(label, number);
    }
    numbers_->setCurrentIndex(numbers_->findData(request.number));
}

InOutResult CInOutConfig::Values() const
{
    return {FromQString(name_->text()), ChosenData(*numbers_, givenNumber_)};
}

} // namespace vantrel
