#include "editing/message_batch.h"

#include "archive/text_codec.h"
#include "document/vantrel_doc.h"

namespace vantrel {

MessageBatch::MessageBatch(CVantrelDoc& document)
    : document_(document), shownBy_(document.GetNotifier())
{
    document_.SetNotifier(this);
}

MessageBatch::~MessageBatch()
{
    document_.SetNotifier(&shownBy_);
    if (gathered_ > 0)
        shownBy_.Message(Summary(), kApplicationTitle, MessageButtons::Ok);
}

MessageAnswer MessageBatch::Message(const std::u16string& text, const std::u16string& caption,
                                    MessageButtons buttons)
{
    if (buttons != MessageButtons::Ok || shown_ < kShownOnItsOwn) {
        shown_ += buttons == MessageButtons::Ok ? 1 : 0;
        return shownBy_.Message(text, caption, buttons);
    }
    ++gathered_;
    const std::u16string kind = caption + u": " + text;
    if (counts_[kind]++ == 0)
        kinds_.push_back(kind);
    return MessageAnswer::Ok;
}

std::u16string MessageBatch::Summary() const
{
    std::u16string summary = Decimal(gathered_) + u" more messages:";
    for (std::size_t i = 0; i < kinds_.size() && i < kListedAtMost; ++i) {
        const long count = counts_.at(kinds_[i]);
        summary += u"\n" + kinds_[i];
        if (count > 1)
            summary += u" (" + Decimal(count) + u" times)";
    }
    if (kinds_.size() > kListedAtMost)
        summary += u"\n... and " + Decimal(std::int64_t(kinds_.size() - kListedAtMost)) +
                   u" more different messages";
    return summary;
}

} // namespace vantrel
