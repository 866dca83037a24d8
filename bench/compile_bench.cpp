// Compiling and exporting must stay quick on a design of the controller's
// full size, as the user runs "Export to flash" after every change.
#include "compiler/flash_image.h"
#include "document/vantrel_doc.h"
#include "export/flash_export.h"
#include "export/io_list.h"
#include "export/remote_module_files.h"
#include "support/fake_image_codec.h"
#include "support/full_size_design.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace vantrel {
namespace {

std::filesystem::path BenchFolder()
{
    auto folder = std::filesystem::temp_directory_path() / "vantrel_compile_bench";
    std::filesystem::create_directories(folder);
    return folder;
}

void BM_CompileFullSize(benchmark::State& state)
{
    CVantrelDoc document;
    test::FillFullSizeDesign(document);
    for (auto _ : state) {
        auto image = Compile(document, 1);
        benchmark::DoNotOptimize(image.data());
        state.SetBytesProcessed(state.bytes_processed() + std::int64_t(image.size()));
    }
}
BENCHMARK(BM_CompileFullSize)->Unit(benchmark::kMillisecond);

// Image, name tables, paint records, commands and the first page image
// through the fake codec, written to a file in a temporary folder.
void BM_ExportFlashFileFullSize(benchmark::State& state)
{
    CVantrelDoc document;
    test::FillFullSizeDesign(document);
    test::FakeImageCodec codec;
    const auto path = BenchFolder() / "flash.lgf";
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportFlashFile(document, path, codec, 1));
    state.counters["file bytes"] = double(std::filesystem::file_size(path));
}
BENCHMARK(BM_ExportFlashFileFullSize)->Unit(benchmark::kMillisecond);

void BM_ExportIoListFullSize(benchmark::State& state)
{
    CVantrelDoc document;
    test::FillFullSizeDesign(document);
    const auto path = BenchFolder() / "inputs.csv";
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportIoList(document, path, kInputList, 32, true));
}
BENCHMARK(BM_ExportIoListFullSize)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantrel
