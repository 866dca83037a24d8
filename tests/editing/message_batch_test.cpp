#include "editing/message_batch.h"

#include "document/vantrel_doc.h"
#include "support/recording_notifier.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

class MessageBatchTest : public ::testing::Test
{
protected:
    void Raise(int count, const std::u16string& text, const std::u16string& caption = u"Error")
    {
        for (int i = 0; i < count; ++i)
            document.GetNotifier().Message(text, caption, MessageButtons::Ok);
    }

    test::RecordingNotifier notifier{MessageAnswer::No};
    CVantrelDoc document{&notifier};
};

TEST_F(MessageBatchTest, TwentyMessagesPassAndTheRestComeInOneListCountingEach)
{
    {
        const MessageBatch batch(document);
        Raise(18, u"Duplicate index");
        Raise(2, u"Far", u"Out of range");
        Raise(3, u"Duplicate index");
        Raise(1, u"Near", u"Out of range");
        Raise(2, u"Far", u"Out of range");
        EXPECT_EQ(notifier.Messages().size(), 20u);
    }
    ASSERT_EQ(notifier.Messages().size(), 21u);
    EXPECT_EQ(notifier.Messages()[19], "Out of range: Far");
    EXPECT_EQ(notifier.Messages()[20], "Vantrel v2: 6 more messages:\n"
                                       "Error: Duplicate index (3 times)\n"
                                       "Out of range: Near\n"
                                       "Out of range: Far (2 times)");
    EXPECT_EQ(&document.GetNotifier(), &notifier);
}

TEST_F(MessageBatchTest, NoListWithoutMoreThanTwentyAndQuestionsAlwaysPass)
{
    {
        const MessageBatch batch(document);
        Raise(20, u"Duplicate index");
        EXPECT_EQ(document.GetNotifier().Message(u"Save?", u"Vantrel v2", MessageButtons::YesNo),
                  MessageAnswer::No);
    }
    EXPECT_EQ(notifier.Messages().size(), 21u);
    EXPECT_EQ(notifier.Messages().back(), "Vantrel v2: Save?");
}

TEST_F(MessageBatchTest, TheListNamesThirtyDifferentMessagesAtMost)
{
    {
        const MessageBatch batch(document);
        Raise(20, u"Duplicate index");
        for (int i = 0; i < 35; ++i)
            Raise(1, u"Input " + std::u16string(1, char16_t(u'A' + i)), u"Out of range");
    }
    const std::string& list = notifier.Messages().back();
    EXPECT_TRUE(list.starts_with("Vantrel v2: 35 more messages:\nOut of range: Input A\n"));
    EXPECT_TRUE(list.ends_with("\nOut of range: Input ^\n... and 5 more different messages"))
        << list;
}

} // namespace
} // namespace vantrel
