#pragma once

#include "document/notifier.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <unordered_map>
#include <vector>

namespace vantrel {

// The command line's message box: "Caption: text" on standard error, answered
// with the first button. A damaged design may raise one message for each of
// its elements, so each distinct message is printed kTimesShown times at
// most; when the notifier goes, one more line tells how many of each were
// left out.
class StderrNotifier final : public Notifier
{
public:
    static constexpr std::uint64_t kTimesShown = 20;

    explicit StderrNotifier(std::ostream& out);
    ~StderrNotifier() override;
    StderrNotifier(const StderrNotifier&) = delete;
    StderrNotifier& operator=(const StderrNotifier&) = delete;

    MessageAnswer Message(const std::u16string& text, const std::u16string& caption,
                          MessageButtons buttons) override;

private:
    std::ostream& out_;
    std::unordered_map<std::string, std::uint64_t> times_; // by printed line
    std::vector<std::string> leftOut_; // lines printed kTimesShown times, in that order
};

} // namespace vantrel
