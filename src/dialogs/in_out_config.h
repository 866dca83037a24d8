#pragma once

#include "dialogs/property_dialog.h"
#include "editing/element_dialogs.h"

class QComboBox;
class QLineEdit;

namespace vantrel {

// "I/O properties": the name and I/O number of an input, output or analog
// channel. The list offers the numbers 0 .. count - 1 by their labels;
// numbers used by other elements are marked " in use" or left out.
class CInOutConfig : public PropertyDialog
{
    Q_OBJECT
public:
    explicit CInOutConfig(const InOutRequest& request, QWidget* parent = nullptr);

    // With no entry chosen (the given number is not offered) the number
    // stays the given one.
    InOutResult Values() const;

private:
    void FillNumbers(const InOutRequest& request);

    std::int32_t givenNumber_;
    QLineEdit* name_;
    QComboBox* numbers_;
};

} // namespace vantrel
