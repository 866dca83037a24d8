#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantrel::test {

std::filesystem::path FreshTestFolder(std::string_view area)
{
    auto folder = std::filesystem::path(VANTREL_TEST_OUTPUT_DIR) / area /
                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

std::vector<std::string> SortedFileNames(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::ranges::sort(names);
    return names;
}

} // namespace vantrel::test
