#include "stderr_notifier.h"

#include "archive/text_codec.h"

namespace vantrel {

StderrNotifier::StderrNotifier(std::ostream& out) : out_(out) {}

MessageAnswer StderrNotifier::Message(const std::u16string& text, const std::u16string& caption,
                                      MessageButtons buttons)
{
    ++count_;
    out_ << ToUtf8(caption) << ": " << ToUtf8(text) << '\n';
    return FirstButtonAnswer(buttons);
}

} // namespace vantrel
