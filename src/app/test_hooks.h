#pragma once

#include "document/notifier.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <utility>

namespace vantrel {

struct AppServices;
class CMainFrame;

// Hooks through which a test drives the real program as a child process.
// They are read from the environment only, and a normal start sets none:
//   VANTREL_AUTOSAVE_INTERVAL_MS  the recovery copy's interval in milliseconds
//   VANTREL_SCRIPTED_ANSWERS      answers to the message boxes in turn,
//                                 comma-separated (yes, no, ok, cancel); each
//                                 message is printed to standard error as
//                                 "Caption: text" instead of shown
//   VANTREL_SCRIPTED_EDIT         steps run once the window is up, separated by
//                                 spaces: a command id runs that command, "X,Y"
//                                 clicks the left button at that point of the view
class TestHooks
{
public:
    // Reads the environment and puts what it asks for into `services`.
    explicit TestHooks(AppServices& services);
    ~TestHooks();
    TestHooks(const TestHooks&) = delete;
    TestHooks& operator=(const TestHooks&) = delete;

    const QString& Edit() const { return edit_; }

private:
    std::unique_ptr<Notifier> answers_;
    QString edit_;
};

// Answers message boxes from a list, printing each message to standard error.
// Once the list runs dry it answers with the first button.
class ScriptedAnswers final : public Notifier
{
public:
    explicit ScriptedAnswers(QStringList answers) : answers_(std::move(answers)) {}
    MessageAnswer Message(const std::u16string& text, const std::u16string& caption,
                          MessageButtons buttons) override;

private:
    QStringList answers_;
};

// Runs the steps of a scripted edit (see VANTREL_SCRIPTED_EDIT) on the window.
// False at the first step that is neither a command nor a point.
bool RunScriptedEdit(CMainFrame& frame, const QString& script);

} // namespace vantrel
