// How long the editor takes from its start to the first frame of the view:
// once with an empty design and once opening a 96 000-element mixed design
// from a file, interleaved in the same run. Each is the fastest of the
// iterations (wall time: what the user waits for); the counters print both
// in milliseconds and "ratio", the large design's first frame over the empty
// window's.
#include "app/main_window.h"
#include "app/vantrel_app.h"
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "editor/vantrel_view.h"
#include "platform/qt/qt_image_codec.h"
#include "support/random_designs.h"
#include "support/recording_notifier.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>

namespace vantrel {
namespace {

constexpr int kElements = 96000;
using Clock = std::chrono::steady_clock;

// Notes that the watched widget received a paint event.
class PaintWatcher final : public QObject
{
public:
    bool painted = false;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

// Starts the editor as the program does (on the design file when one is
// named) and runs its event loop until the view has painted once.
Clock::duration TimeToFirstFrame(const QString& recoveryFolder, const QStringList& arguments)
{
    test::RecordingNotifier notifier;
    AppServices services;
    services.notifier = &notifier;
    services.recoveryFolder = recoveryFolder;
    const auto start = Clock::now();
    CVantrelApp app(services);
    PaintWatcher watcher;
    app.MainFrame().View().viewport()->installEventFilter(&watcher);
    if (!app.InitInstance(arguments))
        throw std::runtime_error("the benchmark design does not open");
    std::size_t elements = 0;
    for (const ElementList& list : app.Document().elements)
        elements += list.size();
    if (!arguments.isEmpty() && elements < kElements)
        throw std::runtime_error("the benchmark design opened incomplete");
    // The paint event is handled whole inside one round of the event loop.
    while (!watcher.painted)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return Clock::now() - start;
}

QString WriteMixedDesign(const QTemporaryDir& folder)
{
    CVantrelDoc document;
    test::FillRandomDesign(document, 42, kElements);
    const QString path = folder.filePath(QStringLiteral("mixed.lgc"));
    if (!SaveDesign(document, QFile::encodeName(path).toStdString(), QtImageCodec()))
        throw std::runtime_error("the benchmark design cannot be written");
    return path;
}

void BM_FirstFrameOfLargeDesign(benchmark::State& state)
{
    QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       folder.filePath(QStringLiteral("settings")));
    const QString recovery = folder.filePath(QStringLiteral("recovery"));
    const QString design = WriteMixedDesign(folder);
    Clock::duration empty = Clock::duration::max();
    Clock::duration large = Clock::duration::max();
    for (auto _ : state) {
        empty = std::min(empty, TimeToFirstFrame(recovery, {}));
        large = std::min(large, TimeToFirstFrame(recovery, {design}));
    }
    using Milliseconds = std::chrono::duration<double, std::milli>;
    state.counters["empty_ms"] = Milliseconds(empty).count();
    state.counters["design_ms"] = Milliseconds(large).count();
    state.counters["ratio"] = Milliseconds(large) / Milliseconds(empty);
    state.counters["file_MB"] = double(QFileInfo(design).size()) / 1e6;
}
BENCHMARK(BM_FirstFrameOfLargeDesign)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
} // namespace vantrel

int main(int argc, char** argv)
{
    // The window is real but drawn off screen, as in the GUI tests.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
