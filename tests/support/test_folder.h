#pragma once

#include <filesystem>
#include <string_view>

namespace vantrel::test {

// An empty folder for the running test's files: <test output>/<area>/<test
// name>, emptied first so nothing of an earlier run is left in it.
std::filesystem::path FreshTestFolder(std::string_view area);

} // namespace vantrel::test
