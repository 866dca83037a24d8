#include "stderr_notifier.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vantrel {
namespace {

TEST(StderrNotifier, PrintsCaptionAndTextAndAnswersTheFirstButton)
{
    std::ostringstream out;
    StderrNotifier notifier(out);
    EXPECT_EQ(notifier.Message(u"There is an unconnected input.", u"Warning!", MessageButtons::Ok),
              MessageAnswer::Ok);
    EXPECT_EQ(notifier.Message(u"Save changes?", u"Vantrel", MessageButtons::YesNoCancel),
              MessageAnswer::Yes);
    EXPECT_EQ(out.str(), "Warning!: There is an unconnected input.\nVantrel: Save changes?\n");
    EXPECT_EQ(notifier.Count(), 2);
}

} // namespace
} // namespace vantrel
