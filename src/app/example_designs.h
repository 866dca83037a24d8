#pragma once

#include <QStringList>

namespace vantrel {

// The example designs (".lgc") that come with the program, by file name:
// those installed beside the program (share/vantrel/examples of its
// prefix), or, for a program run from its build tree, those of the source.
// Each path is absolute; none when neither folder exists.
QStringList ExampleDesigns();

// The folders ExampleDesigns looks in, in that order, for telling the user
// where nothing was found.
QStringList ExampleFolders();

} // namespace vantrel
