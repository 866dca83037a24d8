#pragma once

#include "document/element_id_hash.h"

namespace vantrel {

class CVantrelDoc;

// The ids of the elements that lie on a feedback path through element inputs,
// searched from every main-list element. Inputs are followed through markers
// and replicators to the element they stand for; a cycle breaker or a
// breaking input ends a path. Runs in time linear in elements plus inputs.
// The document's lookups must be frozen while it runs.
ElementIdSet FindLoopElements(const CVantrelDoc& document);

} // namespace vantrel
