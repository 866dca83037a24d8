#pragma once

#include "document/vantrel_doc.h"
#include "graphics/geometry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

// What can be wrong with a design that still loads: what the compile and the
// number checks warn about, and the marker links they silently pass over.
enum class ProblemKind
{
    DuplicateId,
    NumberOutOfRange,
    NumberTaken,
    UnconnectedInput,
    FeedbackLoop,
    MarkerWithoutStart,
    UnreadInMarker,
    MissingAccumulator,
};

// One problem, tied to the element it is about. The location tells two
// elements with the same id apart; the id and cell name the element to a
// reader.
struct Problem
{
    ProblemKind kind = ProblemKind::UnconnectedInput;
    std::int32_t elementId = 0;
    // The kind's name as the Action > New menu shows it ("And", "Out Marker").
    std::u16string elementKind;
    // What Find Elements shows of the element; empty for kinds without one.
    std::u16string description;
    Point cell;
    CVantrelDoc::Location location;
    std::u16string message;
    friend bool operator==(const Problem&, const Problem&) = default;
};

// A short stable name of the kind for machine-readable output
// ("unconnected-input").
const char* ProblemKindName(ProblemKind kind);

// Every problem of the design: duplicate ids, then the numbers of each I/O
// kind, the unconnected inputs and missing accumulators in compile order,
// the elements on feedback loops (whatever list they are in), the Out
// Markers whose In Marker is gone and the In Markers no Out Marker reads. Shows no message and
// changes nothing in the design; takes time linear in its size, so it can run after every edit.
std::vector<Problem> FindProblems(CVantrelDoc& document);

} // namespace vantrel
