#include "stderr_notifier.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vantrel {
namespace {

TEST(StderrNotifier, PrintsCaptionAndTextAndAnswersTheFirstButton)
{
    std::ostringstream out;
    {
        StderrNotifier notifier(out);
        EXPECT_EQ(
            notifier.Message(u"There is an unconnected input.", u"Warning!", MessageButtons::Ok),
            MessageAnswer::Ok);
        EXPECT_EQ(notifier.Message(u"Save changes?", u"Vantrel", MessageButtons::YesNoCancel),
                  MessageAnswer::Yes);
    }
    EXPECT_EQ(out.str(), "Warning!: There is an unconnected input.\nVantrel: Save changes?\n");
}

// Each distinct message (caption and text) is printed twenty times at most,
// in the order raised; the rest are counted at the end, one line each, in
// the order the messages reached the limit.
TEST(StderrNotifier, PrintsEachMessageTwentyTimesThenCountsTheRest)
{
    std::ostringstream out;
    std::string expected;
    {
        StderrNotifier notifier(out);
        for (int i = 0; i < 30; ++i) {
            notifier.Message(u"Duplicate index", u"Error", MessageButtons::Ok);
            notifier.Message(u"Duplicate index", u"Warning", MessageButtons::Ok);
            if (i < 20)
                expected += "Error: Duplicate index\nWarning: Duplicate index\n";
        }
        for (int i = 0; i < 20; ++i) { // exactly the limit: nothing left out
            notifier.Message(u"Out of range", u"A", MessageButtons::Ok);
            expected += "A: Out of range\n";
        }
        EXPECT_EQ(notifier.Message(u"Save?", u"Vantrel", MessageButtons::YesNo),
                  MessageAnswer::Yes);
        expected += "Vantrel: Save?\n";
        EXPECT_EQ(out.str(), expected);
    }
    expected += "Error: Duplicate index (shown 20 times; 10 more not shown)\n"
                "Warning: Duplicate index (shown 20 times; 10 more not shown)\n";
    EXPECT_EQ(out.str(), expected);
}

} // namespace
} // namespace vantrel
