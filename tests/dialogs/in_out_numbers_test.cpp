// The numbers offered by "I/O properties" when a damaged design states an
// input count far beyond any board.
#include "dialogs/in_out_config.h"
#include "document/vantrel_doc.h"

#include <QComboBox>

#include <gtest/gtest.h>

#include <limits>

namespace vantrel {
namespace {

TEST(InOutNumbers, AnAbsurdCountListsNoMoreThanTheNumberTablesHold)
{
    InOutRequest request;
    request.count = std::numeric_limits<int>::max();
    CInOutConfig dialog(request);
    const auto* numbers = dialog.findChild<QComboBox*>(QStringLiteral("1001"));
    ASSERT_NE(numbers, nullptr);
    EXPECT_EQ(numbers->count(), CVantrelDoc::kNumberTableLimit);
    EXPECT_EQ(numbers->itemText(numbers->count() - 1), QStringLiteral("65536"));
}

} // namespace
} // namespace vantrel
