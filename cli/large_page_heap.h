#pragma once

namespace vantrel::cli {

// Asks the system to back the heap with large pages, as far as it lets a
// process choose. A design of a hundred thousand elements fills tens of
// megabytes of small objects; in 4 KiB pages the process spends as long on
// page faults as on reading the file. Changes nothing else: where large
// pages are unavailable the heap works as before.
void UseLargePagesForHeap();

} // namespace vantrel::cli
