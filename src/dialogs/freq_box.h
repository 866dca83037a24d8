#pragma once

#include "dialogs/property_dialog.h"

class QComboBox;

namespace vantrel {

// "Select Frequency": the clock's frequency as an index into a fixed list
// from "128 Hz" (0) down to "32s" (12).
class CFreqBox : public PropertyDialog
{
    Q_OBJECT
public:
    explicit CFreqBox(int index, QWidget* parent = nullptr);

    // The chosen index; the given one when none is chosen.
    int Index() const;

private:
    int givenIndex_;
    QComboBox* frequencies_;
};

} // namespace vantrel
