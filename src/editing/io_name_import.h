#pragma once

#include "export/io_name_sheet.h"
#include "graphics/geometry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

class CVantrelDoc;

// What became of one row of a sheet of I/O names.
enum class IoNameOutcome
{
    Assigned,  // the element of that number took the name
    Unchanged, // it had the name already
    Created,   // no element had the number; a new one was placed with the name
    Unknown,   // no element has the number, and none was placed
};

struct IoNameResult
{
    IoNameRow row;
    IoNameOutcome outcome;
    // Assigned: the name the element had before.
    std::u16string previousName;
    // Created: the cell of the new element.
    Point cell;
    // Unknown: why no element took the name.
    std::u16string reason;
};

struct IoNameImport
{
    IoListType type = kInputList;
    // One entry per row of the sheet, in file order; none when the sheet
    // had problems.
    std::vector<IoNameResult> results;
    // The sheet's malformed lines: when there are any, nothing was changed.
    std::vector<IoNameProblem> problems;

    bool Changed() const;
    // Whether rows were reported: malformed lines or unknown numbers.
    bool Reported() const;
};

// Gives the I/O elements of the type the names the sheet gives their
// numbers, as one edit (one undo step). An element of a number the sheet
// names but the design lacks is placed, with that number and name, in a free
// column right of the drawing when `createMissing` is set and the number lies
// within the configured count; it is reported otherwise. A sheet with
// malformed lines changes nothing.
IoNameImport ImportIoNames(CVantrelDoc& document, const IoNameSheet& sheet, IoListType type,
                           bool createMissing);

// The import as lines for the user: every row with what became of it, the
// malformed lines, then the counts.
std::u16string IoNameImportReport(const IoNameImport& import);

} // namespace vantrel
