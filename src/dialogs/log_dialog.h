#pragma once

#include "dialogs/property_dialog.h"
#include "editing/element_dialogs.h"

#include <memory>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vantrel {

class ElFinder;
class LogElement;

// "Logged User Output": the name of a logged user output and the further
// elements logged with it. It works on its own copy of the element; the
// candidates are the design's I/O elements of the main list and the
// monitored values, less the ones already logged and the element itself.
class LogDialog : public PropertyDialog
{
    Q_OBJECT
public:
    LogDialog(const LoggedUserOut& element, const ElFinder& finder, QWidget* parent = nullptr);
    ~LogDialog() override;

    // The copy's name and logged ids.
    LoggedOutputs Values() const;

private:
    void Refill();
    void OfferCandidate(const LogElement* element);
    void AddChosen();
    void DeleteSelected();
    void UpdateButtons();
    bool IsLogged(std::int32_t id) const;

    std::unique_ptr<LoggedUserOut> copy_;
    const ElFinder& finder_;
    QLineEdit* name_;
    QListWidget* logged_;
    QComboBox* candidates_;
    QPushButton* add_;
    QPushButton* delete_;
};

} // namespace vantrel
