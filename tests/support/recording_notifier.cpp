#include "support/recording_notifier.h"

#include "archive/text_codec.h"

namespace vantrel::test {

MessageAnswer RecordingNotifier::Message(const std::u16string& text, const std::u16string& caption,
                                         MessageButtons)
{
    messages_.push_back(ToUtf8(caption) + ": " + ToUtf8(text));
    return answer_;
}

} // namespace vantrel::test
