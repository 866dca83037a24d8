#include "large_page_heap.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

namespace vantrel::cli {

namespace {

// How far the heap grows at first: room for what the largest designs need,
// reserved as address space and only backed where it is used. The system
// keeps large pages to the part advised at once, so the heap grows by this
// much a single time, and then by its usual steps.
constexpr std::size_t kHeapReserve = std::size_t(256) << 20;
constexpr int kUsualTopPad = 128 * 1024;
// Blocks up to this size come from the heap rather than a mapping of their
// own, so the file's bytes and the lists sit in large pages too.
constexpr std::size_t kLargestHeapBlock = std::size_t(32) << 20;
constexpr std::size_t kLargePage = std::size_t(2) << 20;
// How far a probe reaches past the heap's free end, so that the heap grows.
// It is kept short: the allocator writes just past the end of each block,
// and a large page can only back a stretch that nothing has touched yet.
constexpr std::size_t kProbeReach = std::size_t(64) << 10;
constexpr int kProbes = 4;
// The allocator's bookkeeping in front of each block, on this platform;
// a block may also run up to this much past its request.
constexpr std::size_t kBlockHeader = 2 * sizeof(std::size_t);

// Never freed and never written: it holds the heap's stretch before the
// first large page, so that every later block is served from large pages.
void* leadStretch = nullptr;

char* RoundUpToLargePage(char* address)
{
    const auto past = std::size_t(reinterpret_cast<std::uintptr_t>(address) % kLargePage);
    return past == 0 ? address : address + (kLargePage - past);
}

// Takes the stretch from the heap's first free block, at `freeStart`, to
// `largePages` as one block, if the allocator serves it from there;
// otherwise leaves the heap as it is.
void HoldLeadStretch(char* freeStart, char* largePages)
{
    // With its bookkeeping, a block of this request ends where the large
    // pages begin, so the next block's bookkeeping is their first use.
    void* const block = std::malloc(std::size_t(largePages - freeStart));
    if (block == freeStart)
        leadStretch = block;
    else
        std::free(block);
}

} // namespace

void UseLargePagesForHeap()
{
    // The reserve stays with the process: freeing what lies at the heap's
    // end must not hand it back.
    if (mallopt(M_TRIM_THRESHOLD, -1) == 0 || mallopt(M_TOP_PAD, int(kHeapReserve)) == 0 ||
        mallopt(M_MMAP_THRESHOLD, int(kLargestHeapBlock)) == 0)
        return; // an allocator that does not take these settings
    char* const before = static_cast<char*>(sbrk(0));
    const std::size_t probe = mallinfo2().keepcost + kProbeReach;
    std::array<void*, kProbes> probes{};
    char* after = before;
    char* touchedEnd = before;
    char* grownFrom = nullptr;
    for (std::size_t i = 0; i < probes.size() && after == before; ++i) {
        probes[i] = std::malloc(probe);
        after = static_cast<char*>(sbrk(0));
        if (probes[i] != nullptr && after != before) {
            grownFrom = static_cast<char*>(probes[i]);
            touchedEnd = grownFrom + probe + 2 * kBlockHeader;
        }
    }
    for (void* block : probes)
        std::free(block);
    mallopt(M_TOP_PAD, kUsualTopPad);
    if (grownFrom == nullptr)
        return;
    // Only whole large pages inside the new part, past what the probe
    // touched, can be advised.
    char* const first = RoundUpToLargePage(std::max(before, touchedEnd));
    char* const last = after - std::size_t(reinterpret_cast<std::uintptr_t>(after) % kLargePage);
    if (first >= last || madvise(first, std::size_t(last - first), MADV_HUGEPAGE) != 0)
        return;
    HoldLeadStretch(grownFrom, first);
}

} // namespace vantrel::cli
