// Painting a full-size design must stay well under the view's 250 ms timer
// period at Fit, and at zoom 1 cost what is in the window (plus the
// connection lines, which are always drawn).
#include "document/vantrel_doc.h"
#include "editing/canvas_geometry.h"
#include "editing/schematic_renderer.h"
#include "editing/view_state.h"
#include "qt_adapters/qpainter_surface.h"
#include "support/full_size_design.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace vantrel {
namespace {

const QSize kClient(1280, 800);

void RenderFrames(benchmark::State& state, const std::function<void(ViewState&, CVantrelDoc&)>& at)
{
    CVantrelDoc document;
    test::FillFullSizeDesign(document, 0);
    document.RebuildLoopSet();
    ViewState view;
    at(view, document);
    QImage picture(kClient, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&picture);
        QPainterSurface surface(painter);
        DrawViewPicture(surface, document, view, {0, 0, kClient.width(), kClient.height()},
                        nullptr);
    }
}

void BM_RenderFullSizeAtFit(benchmark::State& state)
{
    RenderFrames(state, [](ViewState& view, CVantrelDoc& document) {
        FitToMainList(view, document, {kClient.width(), kClient.height()});
    });
}
BENCHMARK(BM_RenderFullSizeAtFit)->Unit(benchmark::kMillisecond);

void BM_RenderFullSizeAtZoomOne(benchmark::State& state)
{
    RenderFrames(state, [](ViewState& view, CVantrelDoc&) { view.origin = {40, 20}; });
}
BENCHMARK(BM_RenderFullSizeAtZoomOne)->Unit(benchmark::kMillisecond);

// The same window over a design a quarter of the size: at zoom 1 the cost
// of what lies outside the window is only its connection lines.
void BM_RenderQuarterDesignAtZoomOne(benchmark::State& state)
{
    RenderFrames(state, [](ViewState& view, CVantrelDoc& document) {
        document.elements[kMainList].resize(document.elements[kMainList].size() / 4);
        view.origin = {40, 20};
    });
}
BENCHMARK(BM_RenderQuarterDesignAtZoomOne)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantrel

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
