#include "dialogs/freq_box.h"

#include <QComboBox>
#include <QFormLayout>

namespace vantrel {

CFreqBox::CFreqBox(int index, QWidget* parent)
    : PropertyDialog(QStringLiteral("Select Frequency"), parent), givenIndex_(index),
      frequencies_(NewList(1030,
                           {QStringLiteral("128 Hz"), QStringLiteral("64 Hz"),
                            QStringLiteral("32 Hz"), QStringLiteral("16 Hz"),
                            QStringLiteral("8 Hz"), QStringLiteral("4 Hz"), QStringLiteral("2 Hz"),
                            QStringLiteral("1 Hz"), QStringLiteral("2s"), QStringLiteral("4s"),
                            QStringLiteral("8s"), QStringLiteral("16s"), QStringLiteral("32s")},
                           index))
{
    Form().addRow(frequencies_);
}

int CFreqBox::Index() const
{
    return ChosenIndex(*frequencies_, givenIndex_);
}

} // namespace vantrel
