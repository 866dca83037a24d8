// A frame costs what is on screen: the same 1280 x 800 view at zoom 1 over
// the full-size design, alone and with 84 000 or 180 000 more elements wired
// among themselves far below it, so that the view shows the same picture.
// Each frame's thread CPU time is the fastest of interleaved iterations;
// "ratio_96k" and "ratio_192k" compare the larger designs' frames with the
// 12k one (the target is 1.3 at most).
#include "document/vantrel_doc.h"
#include "editing/schematic_renderer.h"
#include "editing/view_state.h"
#include "qt_adapters/qpainter_surface.h"
#include "support/full_size_design.h"
#include "support/random_designs.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>

namespace vantrel {
namespace {

const QSize kClient(1280, 800);
// Where the elements beyond the full-size design lie: far below it, out of
// every view of it.
constexpr int kElsewhereRows = 100000;

double ThreadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The full-size design and `extra` random elements with ids above its own,
// wired among themselves, rows below it.
void FillDesign(CVantrelDoc& document, int extra)
{
    test::FillFullSizeDesign(document, 0);
    if (extra == 0)
        return;
    CVantrelDoc elsewhere;
    test::FillRandomDesign(elsewhere, 25, extra);
    const auto offset = std::int32_t(document.nextElementId);
    for (std::size_t list = 0; list < elsewhere.elements.size(); ++list)
        for (auto& element : elsewhere.elements[list]) {
            element->id += offset;
            for (std::int32_t& input : element->inputs)
                input = input == 0 ? 0 : input + offset;
            element->pos.y += kElsewhereRows;
            document.elements[list].push_back(std::move(element));
        }
    document.RaiseNextIdAboveIds();
    document.SetModified(false);
}

void BM_SameViewOfLargerDesigns(benchmark::State& state)
{
    constexpr int kSizes[] = {0, 84000, 180000};
    CVantrelDoc documents[3];
    for (std::size_t i = 0; i < 3; ++i)
        FillDesign(documents[i], kSizes[i]);
    ViewState view;
    view.zoom = 1.0;
    view.origin = {40, 20};
    QImage picture(kClient, QImage::Format_RGB32);
    const Rect client{0, 0, kClient.width(), kClient.height()};
    auto frame = [&](CVantrelDoc& document) {
        const double start = ThreadMilliseconds();
        {
            QPainter painter(&picture);
            QPainterSurface surface(painter);
            DrawViewPicture(surface, document, view, client, nullptr);
        }
        return ThreadMilliseconds() - start;
    };
    // The first frame after a change refills the derived state: not timed.
    for (CVantrelDoc& document : documents)
        frame(document);
    double fastest[3] = {1e9, 1e9, 1e9};
    for (auto _ : state)
        for (std::size_t i = 0; i < 3; ++i)
            fastest[i] = std::min(fastest[i], frame(documents[i]));
    state.counters["frame_12k_ms"] = fastest[0];
    state.counters["frame_96k_ms"] = fastest[1];
    state.counters["frame_192k_ms"] = fastest[2];
    state.counters["ratio_96k"] = fastest[1] / fastest[0];
    state.counters["ratio_192k"] = fastest[2] / fastest[0];
}
BENCHMARK(BM_SameViewOfLargerDesigns)->Unit(benchmark::kMillisecond)->Iterations(30);

} // namespace
} // namespace vantrel
