#pragma once

#include "dialogs/integer_edit.h"
#include "document/vantrel_doc.h"

#include <QAbstractButton>
#include <QDialog>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

class QComboBox;

namespace vantrel::test {

// The control with the given control id; throws (failing the test) when the
// dialog has none of that type.
template <class Control> Control& ControlById(QWidget& dialog, int id)
{
    auto* control = dialog.findChild<Control*>(QString::number(id));
    if (!control)
        throw std::runtime_error("no control " + std::to_string(id));
    return *control;
}

// Presses the dialog's OK button (control id 1).
inline void PressOk(QWidget& dialog)
{
    ControlById<QAbstractButton>(dialog, 1).click();
}

// The labels of a drop-down list, in order.
QStringList Entries(const QComboBox& list);

// Collects refused-integer prompts instead of showing a message box.
class RefusalLog
{
public:
    RefusalLog();

    QStringList prompts;
    QWidget* lastDialog = nullptr;

private:
    ScopedRefusalPrompt scope_;
};

// A real design for the dialogs to look into.
class DesignTest : public ::testing::Test
{
protected:
    void Insert(std::unique_ptr<LogElement> element)
    {
        ASSERT_TRUE(document.InsertElement(std::move(element)));
    }

    CVantrelDoc document;
};

// Saves a picture of the dialog under the test output folder "dialogs".
bool SaveDialogPicture(QDialog& dialog, const QString& fileName);

} // namespace vantrel::test
