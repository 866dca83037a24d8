#pragma once

#include "dialogs/property_dialog.h"
#include "elements/number_kind.h"
#include "hardware/sim_element.h"

#include <vector>

class QComboBox;
class QLineEdit;

namespace vantrel {

class ElFinder;

// "Simulation element": the name of one simulation element and the input
// (LogIn) or output (LogOut) element each of its slotIds names, on the
// dialog's own copy. The first slotIds of each side have a list, as many as
// the element has slotIds.
class CSimElementDlg : public PropertyDialog
{
    Q_OBJECT
public:
    static constexpr int kSlotLists = 8;
    static constexpr int kFirstInputId = 1049;
    static constexpr int kFirstOutputId = 1057;

    CSimElementDlg(const SimElement& element, const ElFinder& finder, QWidget* parent = nullptr);

    // The name of a simulation type; empty for a type no table entry has.
    static QString TypeName(std::int32_t type);

    // The copy with the name as typed and each shown slot naming its list's
    // chosen element.
    SimElement Values() const;

private:
    // The slot lists of one side: those beyond `shown` are hidden.
    void AddSlotLists(int firstId, int shown, const QString& caption,
                      std::vector<QComboBox*>& lists);
    // The I/O elements of the number kind in the main list, by name.
    void FillSlotLists(const ElFinder& finder, NumberKind numbers,
                       const std::vector<QComboBox*>& lists,
                       const std::vector<std::int32_t>& slotIds);

    SimElement element_;
    QLineEdit* name_;
    std::vector<QComboBox*> inputs_;
    std::vector<QComboBox*> outputs_;
};

} // namespace vantrel
