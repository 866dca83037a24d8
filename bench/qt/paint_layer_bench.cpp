// A preview page of 2 000 paint objects, every class blinking or moving and
// all selected, drawn once per tick into an off-screen picture: what the
// view's 250 ms timer costs at the worst (the target is under 25 ms a tick).
// Arguments: the object count and the pen width (1, the width new objects
// get, and 2: wide pens are stroked as outlines and cost more).
#include "document/vantrel_doc.h"
#include "editing/schematic_renderer.h"
#include "editing/view_state.h"
#include "qt_adapters/qpainter_surface.h"
#include "support/display_page.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace vantrel {
namespace {

void BM_DrawAnimatedPageTick(benchmark::State& state)
{
    const QSize client(1280, 800);
    CVantrelDoc document;
    test::AddAnimatedPaintObjects(document, 0, int(state.range(0)), int(state.range(1)));
    ViewState view;
    view.layoutMode = LayoutMode::Preview;
    for (const auto& object : document.paintObjects)
        view.paintSelection.push_back(object.get());
    QImage picture(client, QImage::Format_RGB32);
    for (auto _ : state) {
        ++view.tick;
        QPainter painter(&picture);
        QPainterSurface surface(painter);
        DrawViewPicture(surface, document, view, {0, 0, client.width(), client.height()}, nullptr);
    }
}
BENCHMARK(BM_DrawAnimatedPageTick)->Args({2000, 1})->Args({2000, 2})->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantrel
