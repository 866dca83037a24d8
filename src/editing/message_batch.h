#pragma once

#include "document/notifier.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace vantrel {

class CVantrelDoc;

// The editor's messages of one load or export, which a damaged design can
// raise by the thousand: while it lives it stands in for the document's
// notifier and passes the first kShownOnItsOwn messages on one by one; the
// others it gathers, and when it goes it shows them in one message that
// lists each different one with how often it came. Questions always pass.
class MessageBatch final : public Notifier
{
public:
    static constexpr int kShownOnItsOwn = 20;
    // The different messages the closing one lists at the most.
    static constexpr std::size_t kListedAtMost = 30;

    explicit MessageBatch(CVantrelDoc& document);
    ~MessageBatch() override;
    MessageBatch(const MessageBatch&) = delete;
    MessageBatch& operator=(const MessageBatch&) = delete;

    MessageAnswer Message(const std::u16string& text, const std::u16string& caption,
                          MessageButtons buttons) override;

private:
    std::u16string Summary() const;

    CVantrelDoc& document_;
    Notifier& shownBy_;
    int shown_ = 0;
    long gathered_ = 0;
    // The gathered messages ("Caption: text") in the order they first came.
    std::vector<std::u16string> kinds_;
    std::unordered_map<std::u16string, long> counts_;
};

} // namespace vantrel
