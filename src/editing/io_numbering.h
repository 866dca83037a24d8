#pragma once

#include "document/vantrel_doc.h"
#include "editing/element_dialogs.h"

namespace vantrel {

// How the I/O kinds numbered from a fixed count of the board or of the remote
// modules offer their numbers in "I/O properties".
struct IoNumbering
{
    NumberKind numbers;
    // Labelled by the document (remote modules name their numbers) or plain.
    bool documentLabels;
    bool isInput;
};

// The analog kinds are listed by plain numbers, so their side is never asked.
inline constexpr IoNumbering kInputNumbering{NumberKind::Inputs, true, true};
inline constexpr IoNumbering kOutputNumbering{NumberKind::Outputs, true, false};
inline constexpr IoNumbering kAnalogInputNumbering{NumberKind::AnalogInputs, false, false};
inline constexpr IoNumbering kAnalogOutputNumbering{NumberKind::AnalogOutputs, false, false};

// The number list of "I/O properties" for the kind: its count, its labels and
// the numbers in use as the last CheckNumbers of the kind left them in the
// shared number table. The table may be longer than the count (other kinds
// fill it too), so only the entries below the count are taken.
InOutRequest NumberChoice(const CVantrelDoc& document, const IoNumbering& numbering);

} // namespace vantrel
