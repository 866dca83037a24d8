#pragma once

#include <string>
#include <vector>

namespace vantrel {

enum class MessageButtons
{
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel,
};

enum class MessageAnswer
{
    Ok,
    Cancel,
    Yes,
    No,
};

// The caption of the system's own message boxes about files and questions.
inline constexpr char16_t kApplicationTitle[] = u"Vantrel v2";

// The answer of the first button: what a message gets where no one answers it.
constexpr MessageAnswer FirstButtonAnswer(MessageButtons buttons)
{
    return buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel
               ? MessageAnswer::Ok
               : MessageAnswer::Yes;
}

// Every message box of the system goes through this interface, so the core
// never shows UI itself: the editor shows a message box, the command line
// prints "Caption: text" on standard error, tests record the messages.
class Notifier
{
public:
    virtual ~Notifier() = default;
    virtual MessageAnswer Message(const std::u16string& text, const std::u16string& caption,
                                  MessageButtons buttons = MessageButtons::Ok) = 0;
};

// Answers every message with its first button and shows nothing; used where
// no one is there to see a message.
class SilentNotifier final : public Notifier
{
public:
    MessageAnswer Message(const std::u16string&, const std::u16string&,
                          MessageButtons buttons) override
    {
        return FirstButtonAnswer(buttons);
    }
};

// One message box's text and caption.
struct NoticeText
{
    std::u16string text;
    std::u16string caption;
    friend bool operator==(const NoticeText&, const NoticeText&) = default;
};

// Keeps the messages of a piece of work that asks no questions (a compile,
// an export), answering each with its first button, so that the caller
// shows them afterwards, in order, where and how it shows messages.
class MessageLog final : public Notifier
{
public:
    MessageAnswer Message(const std::u16string& text, const std::u16string& caption,
                          MessageButtons buttons) override
    {
        notices.push_back({text, caption});
        return FirstButtonAnswer(buttons);
    }

    std::vector<NoticeText> notices;
};

} // namespace vantrel
