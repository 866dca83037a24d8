#pragma once

#include "editing/view_prompts.h"

#include <vector>

namespace vantrel::test {

// Export questions answered at once: a file of the proposed name in
// `folder` (Cancel while there is none) and the I/O list choice below.
class ScriptedPrompts final : public ViewPrompts
{
public:
    std::optional<std::filesystem::path> SaveFileName(const std::u16string& fileName) override
    {
        asked.push_back(fileName);
        if (!folder)
            return std::nullopt;
        return *folder / std::filesystem::path(std::string(fileName.begin(), fileName.end()));
    }
    std::optional<IoListChoice> IoListExport() override { return ioList; }

    std::optional<std::filesystem::path> folder;
    std::optional<IoListChoice> ioList = IoListChoice{1, 48, false};
    std::vector<std::u16string> asked;
};

} // namespace vantrel::test
