#pragma once

#include <unordered_set>
#include <vector>

namespace vantrel {

class CVantrelDoc;
class LogElement;

// The markers linked to the selected ones: the In Marker an Out Marker
// stands for, and every Out Marker that stands for an In Marker. Selected
// markers are left out, so the two highlights never meet on one element.
std::unordered_set<const LogElement*> MarkerPartners(const CVantrelDoc& document,
                                                     const std::vector<LogElement*>& selection);

} // namespace vantrel
