#pragma once

#include <QString>

#include <filesystem>

namespace vantrel {

class CMainFrame;

// The blocks that come with the program: those installed beside it
// (share/vantrel/blocks of its prefix), or, for a program run from its
// build tree, those of the source.
std::filesystem::path InstalledBlockFolder();

// Edit > Save Selection as Block...: asks for the name, the description and
// the place, then writes the selected logic elements with a picture of them
// as a block file; a file of the same name is replaced only when the user
// says so, and a failed write leaves it as it was.
void SaveSelectionAsBlock(CMainFrame& frame);

} // namespace vantrel
