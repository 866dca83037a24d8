#include "support/test_folder.h"

#include <gtest/gtest.h>

namespace vantrel::test {

std::filesystem::path FreshTestFolder(std::string_view area)
{
    const auto folder = std::filesystem::path(VANTREL_TEST_OUTPUT_DIR) / area /
                        ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace vantrel::test
