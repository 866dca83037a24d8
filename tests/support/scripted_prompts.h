#pragma once

#include "editing/view_prompts.h"

#include <vector>

namespace vantrel::test {

// Questions answered at once: for exports a file of the proposed name in
// `folder` (Cancel while there is none) and the I/O list choice below; for
// Find, the colour chooser and the open-file dialog the answers below.
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
    std::optional<std::int32_t> FindElement(const std::vector<FoundEntry>& entries) override
    {
        offered = entries;
        return foundId;
    }
    std::optional<Colour> ChooseColour(Colour initial) override
    {
        colourShown = initial;
        return colour;
    }
    std::optional<std::filesystem::path> OpenFileName() override { return openFile; }
    std::optional<IoNamesChoice> IoNamesFile() override { return ioNames; }

    std::optional<std::filesystem::path> folder;
    std::optional<IoListChoice> ioList = IoListChoice{1, 48, false};
    std::vector<std::u16string> asked;
    // Find: what the dialog was given and the id it answers.
    std::vector<FoundEntry> offered;
    std::optional<std::int32_t> foundId;
    std::optional<Colour> colourShown;
    std::optional<Colour> colour;
    std::optional<std::filesystem::path> openFile;
    std::optional<IoNamesChoice> ioNames;
};

} // namespace vantrel::test
