// The documentation of a full-size design must be written in well under five
// seconds: its tables run to hundreds of pages and its schematic to dozens of
// sheets. The HTML has the same tables and draws the sheets as SVG.
#include "document/vantrel_doc.h"
#include "qt_adapters/documentation_files.h"
#include "qt_adapters/qt_image_codec.h"
#include "support/full_size_design.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace vantrel {
namespace {

void WriteFullSizeReport(benchmark::State& state, const char* name)
{
    CVantrelDoc document;
    test::FillFullSizeDesign(document);
    const QtImageCodec codec;
    const std::filesystem::path path = std::filesystem::temp_directory_path() / name;
    for (auto _ : state) {
        if (WriteDocumentation(document, path, u"full.lgc", codec))
            state.SkipWithError("the documentation could not be written");
    }
    // Left in the temporary folder to be looked at (pdftoppm, a browser).
    state.counters["bytes"] = double(std::filesystem::file_size(path));
}

void BM_ReportFullSizeAsPdf(benchmark::State& state)
{
    WriteFullSizeReport(state, "vantrel-report-bench.pdf");
}
BENCHMARK(BM_ReportFullSizeAsPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ReportFullSizeAsHtml(benchmark::State& state)
{
    WriteFullSizeReport(state, "vantrel-report-bench.html");
}
BENCHMARK(BM_ReportFullSizeAsHtml)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace vantrel
