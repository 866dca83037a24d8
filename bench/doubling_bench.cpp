// Every operation on a design must stay linear in its size: each benchmark
// runs its operation on a 48 000- and a 96 000-element mixed design in the
// same run and prints "ratio" (the larger over the smaller, at most 2.2 for
// linear work). Times are the thread's processor time, the fastest of the
// repetitions: the machine is shared, and its noise only ever adds time.
// Loading also prints its throughput in MB/s of design file read from memory,
// and sorting its cost against loading the same design.
#include "archive/archive.h"
#include "compiler/autosort.h"
#include "compiler/flash_image.h"
#include "document/design_io.h"
#include "document/system_classes.h"
#include "document/vantrel_doc.h"
#include "export/json_export.h"
#include "support/fake_image_codec.h"
#include "support/full_size_design.h"
#include "support/random_designs.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <functional>
#include <map>
#include <sstream>
#include <stdexcept>

namespace vantrel {
namespace {

// The processor time of the calling thread, which other processes on the
// machine do not inflate by taking the processor away.
struct Clock
{
    using duration = std::chrono::nanoseconds;
    using time_point = std::chrono::time_point<Clock, duration>;
    static time_point now()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return time_point(std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec));
    }
};
using Bytes = std::vector<std::uint8_t>;
// Times the part of the work that counts, given the design file's bytes.
using TimedWork = std::function<Clock::duration(const Bytes&)>;

constexpr int kSmall = 48000;
constexpr int kLarge = 96000;

Bytes SaveToBytes(CVantrelDoc& document)
{
    test::FakeImageCodec codec;
    Bytes bytes;
    CArchive ar(StoreTo, bytes, SystemClasses());
    document.Serialize(ar, codec, ImageFormat::Png);
    return bytes;
}

// Even seeds give mostly acyclic designs, as real ones are.
const Bytes& MixedDesign(int elements)
{
    static std::map<int, Bytes> designs;
    auto [entry, added] = designs.try_emplace(elements);
    if (added) {
        CVantrelDoc document;
        test::FillRandomDesign(document, 42, elements);
        entry->second = SaveToBytes(document);
    }
    return entry->second;
}

void Open(CVantrelDoc& document, const Bytes& bytes)
{
    test::FakeImageCodec codec;
    if (!LoadDesign(document, bytes, u"bench.lgc", codec))
        throw std::runtime_error("the benchmark design does not open");
}

template <class Work> Clock::duration Timed(Work&& work)
{
    const auto start = Clock::now();
    work();
    return Clock::now() - start;
}

// The work on an opened design, the opening left out of the time.
TimedWork OnOpened(std::function<void(CVantrelDoc&)> work)
{
    return [work](const Bytes& bytes) {
        SilentNotifier silent;
        CVantrelDoc document(&silent);
        Open(document, bytes);
        return Timed([&] { work(document); });
    };
}

double Milliseconds(Clock::duration time)
{
    return std::chrono::duration<double, std::milli>(time).count();
}

void RunDoubling(benchmark::State& state, const TimedWork& work)
{
    const Bytes& small = MixedDesign(kSmall);
    const Bytes& large = MixedDesign(kLarge);
    auto fastestSmall = Clock::duration::max();
    auto fastestLarge = Clock::duration::max();
    for (auto _ : state) {
        const auto smallTime = work(small);
        const auto largeTime = work(large);
        fastestSmall = std::min(fastestSmall, smallTime);
        fastestLarge = std::min(fastestLarge, largeTime);
        state.SetIterationTime(std::chrono::duration<double>(largeTime).count());
    }
    state.counters["ms_48k"] = Milliseconds(fastestSmall);
    state.counters["ms_96k"] = Milliseconds(fastestLarge);
    state.counters["ratio"] = double(fastestLarge.count()) / double(fastestSmall.count());
}

void BM_DoublingLoad(benchmark::State& state)
{
    RunDoubling(state, [](const Bytes& bytes) {
        SilentNotifier silent;
        CVantrelDoc document(&silent);
        return Timed([&] { Open(document, bytes); });
    });
    state.counters["MB/s_96k"] =
        double(MixedDesign(kLarge).size()) / 1e3 / state.counters["ms_96k"];
}

void BM_DoublingSort(benchmark::State& state)
{
    RunDoubling(state, OnOpened([](CVantrelDoc& document) { AutoSort(document); }));
}

void BM_DoublingCompile(benchmark::State& state)
{
    RunDoubling(state, OnOpened([](CVantrelDoc& document) {
                    benchmark::DoNotOptimize(Compile(document, 1).size());
                }));
}

void BM_DoublingJsonExport(benchmark::State& state)
{
    RunDoubling(state, OnOpened([](CVantrelDoc& document) {
                    test::FakeImageCodec codec;
                    std::ostringstream out;
                    WriteJsonExport(document, out, codec, 1);
                    benchmark::DoNotOptimize(out.tellp());
                }));
}

void BM_DoublingSave(benchmark::State& state)
{
    RunDoubling(state, OnOpened([](CVantrelDoc& document) {
                    benchmark::DoNotOptimize(SaveToBytes(document).size());
                }));
}

// What the command line's check does: the number checks, a compile for the
// unconnected inputs and the feedback loops.
void BM_DoublingCheck(benchmark::State& state)
{
    RunDoubling(state, OnOpened([](CVantrelDoc& document) {
                    for (NumberKind kind : {NumberKind::Inputs, NumberKind::Outputs,
                                            NumberKind::AnalogInputs, NumberKind::AnalogOutputs,
                                            NumberKind::UserInputs, NumberKind::UserOutputs})
                        document.CheckNumbers(kind);
                    benchmark::DoNotOptimize(Compile(document, 0).size());
                    benchmark::DoNotOptimize(document.LoopSet().size());
                }));
}

BENCHMARK(BM_DoublingLoad)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_DoublingSort)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_DoublingCompile)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_DoublingJsonExport)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_DoublingCheck)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_DoublingSave)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

const Bytes& FullSizeDesign()
{
    static const Bytes bytes = [] {
        CVantrelDoc document;
        test::FillFullSizeDesign(document, 0);
        return SaveToBytes(document);
    }();
    return bytes;
}

// The full-size design from memory, against a plain copy of its bytes.
void BM_LoadThroughputFullSize(benchmark::State& state)
{
    const Bytes& bytes = FullSizeDesign();
    auto fastestLoad = Clock::duration::max();
    auto fastestCopy = Clock::duration::max();
    for (auto _ : state) {
        const auto load = Timed([&] {
            CVantrelDoc document;
            Open(document, bytes);
            benchmark::DoNotOptimize(document.MainCount());
        });
        const auto copy = Timed([&] {
            Bytes copied(bytes);
            benchmark::DoNotOptimize(copied.data());
        });
        fastestLoad = std::min(fastestLoad, load);
        fastestCopy = std::min(fastestCopy, copy);
        state.SetIterationTime(std::chrono::duration<double>(load).count());
    }
    state.counters["MB/s"] = double(bytes.size()) / 1e3 / Milliseconds(fastestLoad);
    state.counters["over_copy"] = double(fastestLoad.count()) / double(fastestCopy.count());
    state.counters["file_bytes"] = double(bytes.size());
}
BENCHMARK(BM_LoadThroughputFullSize)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Sorting against loading the same design, full size and 96 000 elements:
// a sort visits every element and input a few times, so it should cost a
// small multiple of reading them ("sort_over_load").
void BM_SortAgainstLoad(benchmark::State& state, const Bytes& (*design)())
{
    const Bytes& bytes = design();
    auto fastestLoad = Clock::duration::max();
    auto fastestSort = Clock::duration::max();
    for (auto _ : state) {
        SilentNotifier silent;
        CVantrelDoc document(&silent);
        fastestLoad = std::min(fastestLoad, Timed([&] { Open(document, bytes); }));
        const auto sort = Timed([&] { AutoSort(document); });
        fastestSort = std::min(fastestSort, sort);
        state.SetIterationTime(std::chrono::duration<double>(sort).count());
    }
    state.counters["load_ms"] = Milliseconds(fastestLoad);
    state.counters["sort_ms"] = Milliseconds(fastestSort);
    state.counters["sort_over_load"] = double(fastestSort.count()) / double(fastestLoad.count());
}

const Bytes& LargeMixedDesign()
{
    return MixedDesign(kLarge);
}

BENCHMARK_CAPTURE(BM_SortAgainstLoad, full_size, FullSizeDesign)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);
BENCHMARK_CAPTURE(BM_SortAgainstLoad, mixed_96k, LargeMixedDesign)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);

} // namespace
} // namespace vantrel
