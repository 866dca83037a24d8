#pragma once

#include "dialogs/property_dialog.h"
#include "editing/element_dialogs.h"

#include <utility>
#include <vector>

class QComboBox;

namespace vantrel {

// "Select Accumulator": the accumulator an accumulator operation works on,
// chosen by name, and the operation. Without any accumulator there is
// nothing to choose: the dialog closes at once as cancelled.
class AccBox : public PropertyDialog
{
    Q_OBJECT
public:
    using Accumulators = std::vector<std::pair<std::int32_t, std::u16string>>;

    AccBox(const Accumulators& accumulators, const AccBoxValues& values, QWidget* parent = nullptr);

    int exec() override;
    AccBoxValues Values() const;

private:
    AccBoxValues given_;
    QComboBox* accumulators_;
    QComboBox* operation_;
};

} // namespace vantrel
