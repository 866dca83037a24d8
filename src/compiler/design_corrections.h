#pragma once

#include "document/complex_command.h"
#include "paint/paint_stuff.h"

#include <memory>
#include <vector>

namespace vantrel {

class CVantrelDoc;
class Notifier;

// What an export corrects in the design it writes, worked out on copies so
// that the export only reads the design: the paint objects with their links
// resolved into flat I/O numbers, and the complex commands without the
// settings of deleted user inputs. The file is written from the copies;
// the caller stores them in the design once the file exists, so that the
// design saved afterwards holds what the file was built from.
struct DesignCorrections
{
    // One per paint object of the design, in its order; empty when the
    // export resolved none.
    std::vector<std::unique_ptr<PaintStuff>> paintObjects;
    // One per complex command of the design, in its order; empty when the
    // export checked none.
    std::vector<ComplexCommand> commands;
};

// Copies of the design's paint objects with their links resolved for the
// flash file (forJson false) or the JSON export.
std::vector<std::unique_ptr<PaintStuff>> ResolvedPaintCopies(const CVantrelDoc& document,
                                                             int userInBytes, bool forJson);

// Copies of the design's complex commands without the settings of deleted
// user inputs; each command that lost any says so through `messages`.
std::vector<ComplexCommand> CheckedCommandCopies(const CVantrelDoc& document, Notifier& messages);

// Stores the corrections in the design as one undoable edit, only when
// they change something. The design's own objects take the corrected
// values, so whoever holds one (a selection) still holds it. Corrections
// made for another design (counts that differ) are ignored.
void StoreCorrections(CVantrelDoc& document, const DesignCorrections& corrections);

} // namespace vantrel
