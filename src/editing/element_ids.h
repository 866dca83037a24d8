#pragma once

#include <cstdint>

namespace vantrel {

class CVantrelDoc;

// Whether the design has `count` new element ids left. When it has not, the
// user is told what happened and what to do, and the caller adds nothing:
// ids are never handed out twice, nor wrapped round.
bool ElementIdsLeftFor(CVantrelDoc& document, std::int64_t count);

} // namespace vantrel
