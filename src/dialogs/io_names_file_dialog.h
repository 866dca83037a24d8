#pragma once

#include "editing/view_prompts.h"

#include <optional>

class QWidget;

namespace vantrel {

class DialogFolders;

// The file dialog of File > Import > I/O Names, with what the import needs
// besides the file: the kind of I/O the sheet names (set from the chosen
// file's name when the name tells it, as the I/O list export names its
// lists) and whether numbers without an element get new elements. None on
// Cancel.
std::optional<IoNamesChoice> AskIoNamesFile(QWidget* owner, DialogFolders* folders);

} // namespace vantrel
