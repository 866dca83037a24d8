#pragma once

#include "document/notifier.h"

#include <ostream>

namespace vantrel {

// The command line's message box: "Caption: text" on standard error, answered
// with the first button.
class StderrNotifier final : public Notifier
{
public:
    explicit StderrNotifier(std::ostream& out);
    MessageAnswer Message(const std::u16string& text, const std::u16string& caption,
                          MessageButtons buttons) override;
    int Count() const { return count_; }

private:
    std::ostream& out_;
    int count_ = 0;
};

} // namespace vantrel
