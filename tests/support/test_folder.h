#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::test {

// An empty folder for the running test's files: <test output>/<area>/<test
// name>, emptied first so nothing of an earlier run is left in it.
std::filesystem::path FreshTestFolder(std::string_view area);

// The names of the files in a folder, sorted.
std::vector<std::string> SortedFileNames(const std::filesystem::path& folder);

} // namespace vantrel::test
