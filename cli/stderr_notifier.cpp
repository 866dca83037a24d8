#include "stderr_notifier.h"

#include "archive/text_codec.h"

namespace vantrel {

StderrNotifier::StderrNotifier(std::ostream& out) : out_(out) {}

MessageAnswer StderrNotifier::Message(const std::u16string& text, const std::u16string& caption,
                                      MessageButtons buttons)
{
    ++count_;
    // One write a message: standard error is unbuffered, and a damaged
    // design may raise a message for each of its elements.
    const std::string line = ToUtf8(caption) + ": " + ToUtf8(text) + '\n';
    out_.write(line.data(), std::streamsize(line.size()));
    return FirstButtonAnswer(buttons);
}

} // namespace vantrel
