// A design that raises thousands of messages while it opens shows twenty
// of them and one box that lists the rest, not one box each.
#include "app_test_support.h"

#include "support/hostile_designs.h"

#include <fstream>

namespace vantrel {
namespace {

class MessageFlood : public test::AppTest
{};

TEST_F(MessageFlood, OpeningADesignWithFiftyThousandSharedIdsShowsTwentyOneBoxes)
{
    const QString path = FilePath(QStringLiteral("shared.lgc"));
    const std::vector<std::uint8_t> bytes = test::SharedIds(50000);
    std::ofstream(QFile::encodeName(path).toStdString(), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    test::RecordingNotifier notifier;
    auto app = StartApp(notifier, {path});
    ASSERT_TRUE(started);
    ASSERT_EQ(notifier.Messages().size(), 21u);
    EXPECT_EQ(notifier.Messages()[19], "Error: Duplicate index");
    EXPECT_EQ(notifier.Messages()[20],
              "Vantrel v2: 49979 more messages:\nError: Duplicate index (49979 times)");
    EXPECT_EQ(app->Document().MainCount(), 50000);
}

} // namespace
} // namespace vantrel
