#pragma once

#include "editing/element_search.h"
#include "export/io_list.h"
#include "graphics/colour.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

// The "Export I/O List" choice: type 0..3 (inputs, outputs, analog inputs,
// analog outputs), board size 32 or 48, csv or text.
struct IoListChoice
{
    int type = 0;
    int boardSize = 32;
    bool csv = true;
};

// "I/O Names": the sheet of names, the kind of I/O it names and whether
// numbers without an element get new elements.
struct IoNamesChoice
{
    std::filesystem::path file;
    IoListType type = kInputList;
    bool createMissing = false;
};

// The questions the view asks (before an export, for Find, for the page
// background), behind one interface so the view's commands can be driven
// without a modal loop.
class ViewPrompts
{
public:
    virtual ~ViewPrompts() = default;
    // A save-file dialog with the given file name, asking before it
    // overwrites a file; none on Cancel.
    virtual std::optional<std::filesystem::path> SaveFileName(const std::u16string& fileName) = 0;
    // The "Export I/O List" dialog; none on Cancel.
    virtual std::optional<IoListChoice> IoListExport() = 0;
    // "Find Elements" over the entries: the id of the chosen entry; none on
    // Cancel or when no entry was chosen.
    virtual std::optional<std::int32_t> FindElement(const std::vector<FoundEntry>& entries) = 0;
    // The colour chooser, opening on `initial`; none on Cancel.
    virtual std::optional<Colour> ChooseColour(Colour initial) = 0;
    // An open-file dialog that offers every file; none on Cancel.
    virtual std::optional<std::filesystem::path> OpenFileName() = 0;
    // The file dialog of File > Import > I/O Names; none on Cancel.
    virtual std::optional<IoNamesChoice> IoNamesFile() = 0;
};

} // namespace vantrel
