#include "stderr_notifier.h"

#include "archive/text_codec.h"

namespace vantrel {

namespace {

void WriteLine(std::ostream& out, const std::string& line)
{
    // One write a line: standard error is unbuffered.
    const std::string whole = line + '\n';
    out.write(whole.data(), std::streamsize(whole.size()));
}

} // namespace

StderrNotifier::StderrNotifier(std::ostream& out) : out_(out) {}

StderrNotifier::~StderrNotifier()
{
    for (const std::string& line : leftOut_) {
        const std::uint64_t more = times_[line] - kTimesShown;
        if (more > 0)
            WriteLine(out_, line + " (shown " + std::to_string(kTimesShown) + " times; " +
                                std::to_string(more) + " more not shown)");
    }
}

MessageAnswer StderrNotifier::Message(const std::u16string& text, const std::u16string& caption,
                                      MessageButtons buttons)
{
    const std::string line = ToUtf8(caption) + ": " + ToUtf8(text);
    const std::uint64_t times = ++times_[line];
    if (times <= kTimesShown)
        WriteLine(out_, line);
    if (times == kTimesShown)
        leftOut_.push_back(line);
    return FirstButtonAnswer(buttons);
}

} // namespace vantrel
