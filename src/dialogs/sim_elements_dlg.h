#pragma once

#include "dialogs/list_editor_dialog.h"
#include "hardware/sim_element.h"

#include <vector>

class QComboBox;

namespace vantrel {

class ElFinder;
class Notifier;

// "Simulator elements": the design's simulation elements; New makes one of
// the chosen type, a double click edits one, Delete asks first. Each is set
// up in "Simulation element"; the dialog has no OK or Cancel, its list is
// the result however it closes.
class CSimElementsDlg : public ListEditorDialog
{
    Q_OBJECT
public:
    CSimElementsDlg(std::vector<SimElement> elements, const ElFinder& finder, Notifier& notifier,
                    DialogRunner runner = {}, QWidget* parent = nullptr);

    const std::vector<SimElement>& Elements() const { return elements_; }

private:
    void New();
    void Edit();
    void Delete();
    std::optional<SimElement> AskElement(const SimElement& element);
    void Refresh();

    std::vector<SimElement> elements_;
    const ElFinder& finder_;
    Notifier& notifier_;
    QComboBox* types_;
};

} // namespace vantrel
