#pragma once

#include "dialogs/property_dialog.h"
#include "editing/element_dialogs.h"

class QCheckBox;
class QComboBox;

namespace vantrel {

// "BigOp properties": the range of I/O numbers a big gate spans (each end
// 1 .. 2048, in either order), the side they are taken from and whether
// the result is inverted.
class BigOpConfig : public PropertyDialog
{
    Q_OBJECT
public:
    static constexpr int kLowestNumber = 1;
    static constexpr int kHighestNumber = 2048;

    explicit BigOpConfig(const BigOpValues& values, QWidget* parent = nullptr);

    BigOpValues Values() const;

private:
    int givenSide_;
    IntegerEdit* first_;
    IntegerEdit* last_;
    QComboBox* side_;
    QCheckBox* invert_;
};

} // namespace vantrel
