#pragma once

#include "document/notifier.h"

#include <string>
#include <vector>

namespace vantrel::test {

// Records every message ("Caption: text", UTF-8) and answers with a preset answer.
class RecordingNotifier final : public Notifier
{
public:
    explicit RecordingNotifier(MessageAnswer answer = MessageAnswer::Ok) : answer_(answer) {}

    MessageAnswer Message(const std::u16string& text, const std::u16string& caption,
                          MessageButtons buttons) override;

    const std::vector<std::string>& Messages() const { return messages_; }
    void Clear() { messages_.clear(); }

private:
    MessageAnswer answer_;
    std::vector<std::string> messages_;
};

} // namespace vantrel::test
