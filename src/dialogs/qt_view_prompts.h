#pragma once

#include "editing/view_prompts.h"

class QWidget;

namespace vantrel {

class DialogFolders;

// The view's questions as the desktop's own dialogs. The file dialogs open
// in the folders' start folder (the working folder without them).
class QtViewPrompts final : public ViewPrompts
{
public:
    explicit QtViewPrompts(QWidget* parent, DialogFolders* folders = nullptr)
        : parent_(parent), folders_(folders)
    {}
    std::optional<std::filesystem::path> SaveFileName(const std::u16string& fileName) override;
    std::optional<IoListChoice> IoListExport() override;
    std::optional<std::int32_t> FindElement(const std::vector<FoundEntry>& entries) override;
    std::optional<Colour> ChooseColour(Colour initial) override;
    std::optional<std::filesystem::path> OpenFileName() override;
    std::optional<IoNamesChoice> IoNamesFile() override;

private:
    QWidget* parent_;
    DialogFolders* folders_;
};

} // namespace vantrel
