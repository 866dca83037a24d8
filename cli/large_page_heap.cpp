#include "large_page_heap.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

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
constexpr std::uintptr_t kLargePage = std::uintptr_t(2) << 20;
// A probe that the heap's free end cannot hold, so that it grows.
constexpr std::size_t kProbe = std::size_t(1) << 20;
constexpr int kProbes = 4;

} // namespace

void UseLargePagesForHeap()
{
    // The reserve stays with the process: freeing what lies at the heap's
    // end must not hand it back.
    if (mallopt(M_TRIM_THRESHOLD, -1) == 0 || mallopt(M_TOP_PAD, int(kHeapReserve)) == 0 ||
        mallopt(M_MMAP_THRESHOLD, int(kLargestHeapBlock)) == 0)
        return; // an allocator that does not take these settings
    const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0));
    void* probes[kProbes] = {};
    std::uintptr_t after = before;
    for (int i = 0; i < kProbes && after == before; ++i) {
        probes[i] = std::malloc(kProbe);
        after = reinterpret_cast<std::uintptr_t>(sbrk(0));
    }
    for (void* probe : probes)
        std::free(probe);
    mallopt(M_TOP_PAD, kUsualTopPad);
    const std::uintptr_t first = (before + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t last = after & ~(kLargePage - 1);
    if (last > first)
        madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

} // namespace vantrel::cli
