#pragma once

#include "dialogs/property_dialog.h"

#include <cstdint>

class QComboBox;

namespace vantrel {

class ElFinder;

// "Replicator Properties": the element a new replicator or out marker
// stands for, chosen from one list.
class SourceChoiceDialog : public PropertyDialog
{
    Q_OBJECT
public:
    // The chosen element's id; -1 when none is chosen.
    std::int32_t ChosenId() const;

protected:
    explicit SourceChoiceDialog(QWidget* parent);

    void Offer(const std::u16string& label, std::int32_t id);

    QComboBox* sources_;
};

// Offers the inputs (", Input") and user inputs (", User In") of the main
// list; the first is chosen.
class CRepDialog : public SourceChoiceDialog
{
    Q_OBJECT
public:
    explicit CRepDialog(const ElFinder& finder, QWidget* parent = nullptr);
};

// Offers the in markers of the indirect list whose input carries a number
// (numeric) or a bit; none is chosen beforehand.
class COutMarkerDialog : public SourceChoiceDialog
{
    Q_OBJECT
public:
    COutMarkerDialog(const ElFinder& finder, bool numeric, QWidget* parent = nullptr);
};

} // namespace vantrel
