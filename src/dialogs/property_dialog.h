#pragma once

#include <QDialog>
#include <QStringList>

#include <cstdint>
#include <string>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;

namespace vantrel {

class IntegerEdit;

// The frame every element property dialog shares: a title, a form of
// controls above the OK (id 1) and Cancel (id 2) buttons, and the integer
// checks on OK. Every control carries its control id as object name, so
// that callers and tests find it by that number.
class PropertyDialog : public QDialog
{
    Q_OBJECT
public:
    // Closes with OK only when every integer field holds a number within its
    // range; otherwise prompts, puts the focus on the first bad field and
    // stays open.
    void accept() override;

protected:
    PropertyDialog(const QString& title, QWidget* parent);

    // Opens with the focus in the first field, ready for typing.
    void showEvent(QShowEvent* event) override;

    QFormLayout& Form() { return *form_; }

    // Names a control by its control id.
    static void SetControlId(QWidget& control, int id);

    // Controls owned by the dialog; the caller places them in the form.
    QLineEdit* NewEdit(int id, const std::u16string& text);
    IntegerEdit* NewIntegerEdit(int id, std::int32_t value, std::int32_t lowest,
                                std::int32_t highest);
    QCheckBox* NewCheckBox(int id, const QString& caption, bool checked);
    // A drop-down list, with the fixed entries and the one at `selected`
    // chosen (none when it is no entry's index).
    QComboBox* NewList(int id, const QStringList& entries = {}, int selected = -1);

    // The chosen entry's index, or the fallback when none is chosen.
    static int ChosenIndex(const QComboBox& list, int fallback);
    // The number the chosen entry carries, or the fallback when none is chosen.
    static std::int32_t ChosenData(const QComboBox& list, std::int32_t fallback);

private:
    QFormLayout* form_;
};

} // namespace vantrel
