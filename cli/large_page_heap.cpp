#include "large_page_heap.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

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
    char* const before = static_cast<char*>(sbrk(0));
    std::array<void*, kProbes> probes{};
    char* after = before;
    for (std::size_t i = 0; i < probes.size() && after == before; ++i) {
        probes[i] = std::malloc(kProbe);
        after = static_cast<char*>(sbrk(0));
    }
    for (void* probe : probes)
        std::free(probe);
    mallopt(M_TOP_PAD, kUsualTopPad);
    // Only whole large pages inside the new part can be advised.
    auto past = [](const char* address) {
        return std::size_t(reinterpret_cast<std::uintptr_t>(address) % kLargePage);
    };
    const auto grown = std::size_t(after - before);
    const std::size_t lead = (kLargePage - past(before)) % kLargePage;
    const std::size_t tail = past(after);
    if (grown > lead + tail)
        madvise(before + lead, grown - lead - tail, MADV_HUGEPAGE);
}

} // namespace vantrel::cli
