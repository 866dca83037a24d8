#pragma once

// Answers the modal dialogs a command opens, as a user would, from a timer
// while the command's dialogs run their own event loops.

#include "app/main_window.h"
#include "dialogs/cio_export_config.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace vantrel::test {

// What a file dialog showed when it came up.
struct SeenDialog
{
    QString folder;
    QString name;
    QStringList filters;
};

// Answers the modal dialogs of one command in turn: each step waits for a
// dialog of its own kind.
class DialogAnswers
{
public:
    // The next file dialog: notes what it shows, then types `typed` into it
    // (after moving to `folder`, when given) and accepts.
    // With `typeKeys`, the user first presses those keys on the list of
    // file types.
    void FileDialog(SeenDialog& seen, const QString& typed, const QString& folder = {},
                    const std::vector<Qt::Key>& typeKeys = {})
    {
        steps_.emplace_back([&seen, typed, folder, typeKeys](QWidget& widget) {
            auto* dialog = qobject_cast<QFileDialog*>(&widget);
            if (!dialog)
                return false;
            auto* nameEdit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            seen = {dialog->directory().absolutePath(), nameEdit ? nameEdit->text() : QString(),
                    dialog->nameFilters()};
            if (!folder.isEmpty())
                dialog->setDirectory(folder);
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            for (const Qt::Key key : typeKeys)
                if (types)
                    QTest::keyClick(types, key);
            dialog->selectFile(typed);
            // As the Save button does; QFileDialog keeps its own accept protected.
            static_cast<QDialog*>(dialog)->accept();
            return true;
        });
    }
    // The next "Export I/O List" dialog, accepted as it opens.
    void IoListDialog()
    {
        steps_.emplace_back([](QWidget& widget) {
            auto* dialog = qobject_cast<CIOExportConfig*>(&widget);
            if (dialog)
                dialog->accept();
            return dialog != nullptr;
        });
    }

    // Any other dialog: `answer` says whether the dialog is of its kind and
    // answers it.
    void Step(std::function<bool(QWidget&)> answer) { steps_.push_back(std::move(answer)); }

    // Runs the command while the steps answer its dialogs; a dialog nobody
    // expects is cancelled, so that a failing test does not hang.
    void Run(CMainFrame& frame, int command)
    {
        While([&frame, command] { ASSERT_TRUE(frame.RunCommand(command)); });
    }

    // Does what opens the dialogs (a key press, a click) while the steps
    // answer them.
    void While(const std::function<void()>& action)
    {
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible())
                return;
            if (steps_.empty() || !steps_.front()(*modal)) {
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
                unexpected = true;
                return;
            }
            steps_.erase(steps_.begin());
        });
        poll.start();
        action();
        EXPECT_TRUE(steps_.empty()) << "a dialog did not come";
        EXPECT_FALSE(unexpected);
        steps_.clear();
    }

    bool unexpected = false;

private:
    std::vector<std::function<bool(QWidget&)>> steps_;
};

} // namespace vantrel::test
