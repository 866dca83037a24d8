// What the user waits for in the real main window (offscreen, 1280 x 800) on
// the full-size design at zoom 1: the thread CPU time from an input event to
// the end of the frame it paints, the fastest of the iterations, printed in
// milliseconds. The targets: wheel scroll, zoom in and a rubber band over a
// quarter of the view 8 ms each, undo of deleting everything 50 ms; zooming
// out to the whole design is printed beside the raw QPainter replay of the
// Fit frame (vantrel_render_bench's BM_FitFrameOverRawQPainter, raw_ms).
#include "app/main_window.h"
#include "app/vantrel_app.h"
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "editing/command_ids.h"
#include "editor/vantrel_view.h"
#include "paint_watcher.h"
#include "qt_adapters/qt_image_codec.h"
#include "support/full_size_design.h"
#include "support/recording_notifier.h"

#include <QFile>
#include <QMouseEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>

namespace vantrel {
namespace {

double ThreadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

class Session
{
public:
    explicit Session(const QString& folder)
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           folder + QStringLiteral("/settings"));
        CVantrelDoc document;
        test::FillFullSizeDesign(document, 0);
        const QString path = folder + QStringLiteral("/full-size.lgc");
        if (!SaveDesign(document, QFile::encodeName(path).toStdString(), QtImageCodec()))
            throw std::runtime_error("the benchmark design cannot be written");
        services_.notifier = &notifier_;
        services_.recoveryFolder = folder + QStringLiteral("/recovery");
        app_ = std::make_unique<CVantrelApp>(services_);
        if (!app_->InitInstance({path}))
            throw std::runtime_error("the benchmark design does not open");
        app_->MainFrame().resize(1280, 800);
        View().viewport()->installEventFilter(&watcher_);
        QCoreApplication::processEvents();
        AtZoomOne();
    }

    CVantrelView& View() { return app_->MainFrame().View(); }
    QWidget& Viewport() { return *View().viewport(); }

    // Zoom 1 over the top-left part of the design, painted.
    void AtZoomOne()
    {
        View().OnCommand(command::kZoomOne);
        View().State().origin = {10, 10};
        Viewport().update();
        PaintNow();
    }

    // Runs the event (or command) and the event loop until the view painted.
    double Timed(const std::function<void()>& input)
    {
        const double start = ThreadMilliseconds();
        watcher_.painted = false;
        input();
        PaintNow();
        return ThreadMilliseconds() - start;
    }

    void Send(QEvent& event) { QCoreApplication::sendEvent(&Viewport(), &event); }

    void Mouse(QEvent::Type type, QPointF at, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, at, Viewport().mapToGlobal(at), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        Send(event);
    }

private:
    void PaintNow() { watcher_.WaitForPaint(); }

    test::RecordingNotifier notifier_;
    AppServices services_;
    std::unique_ptr<CVantrelApp> app_;
    PaintWatcher watcher_;
};

void Wheel(Session& session, int delta, Qt::KeyboardModifiers modifiers)
{
    const QPointF at(300, 300);
    QWheelEvent event(at, session.Viewport().mapToGlobal(at), QPoint(), QPoint(0, delta),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    session.Send(event);
}

void BM_MainWindowOnFullSizeDesign(benchmark::State& state)
{
    QTemporaryDir folder;
    Session session(folder.path());
    std::map<std::string, double> fastest;
    auto keep = [&](const std::string& name, double ms) {
        const auto held = fastest.find(name);
        fastest[name] = held == fastest.end() ? ms : std::min(held->second, ms);
    };
    const QSize size = session.Viewport().size();
    const QPointF quarterFrom(size.width() / 4.0, size.height() / 4.0);
    const QPointF quarterTo(size.width() * 3 / 4.0, size.height() * 3 / 4.0);
    for (auto _ : state) {
        keep("wheel_scroll_ms", session.Timed([&] { Wheel(session, -120, Qt::NoModifier); }));
        keep("wheel_scroll_back_ms", session.Timed([&] { Wheel(session, 120, Qt::NoModifier); }));
        keep("zoom_in_ms", session.Timed([&] { Wheel(session, 120, Qt::ControlModifier); }));
        session.AtZoomOne();
        session.Mouse(QEvent::MouseButtonPress, quarterFrom, Qt::LeftButton);
        keep("rubber_band_move_ms",
             session.Timed([&] { session.Mouse(QEvent::MouseMove, quarterTo, Qt::LeftButton); }));
        keep("rubber_band_release_ms", session.Timed([&] {
            session.Mouse(QEvent::MouseButtonRelease, quarterTo, Qt::NoButton);
        }));
        keep("zoom_to_whole_design_ms",
             session.Timed([&] { session.View().OnCommand(command::kZoomFit); }));
        session.AtZoomOne();
        session.View().OnCommand(command::kEditSelectAll);
        QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
        session.Timed([&] { QCoreApplication::sendEvent(&session.View(), &del); });
        keep("undo_delete_all_ms",
             session.Timed([&] { session.View().OnCommand(command::kEditUndo); }));
        session.AtZoomOne();
    }
    for (const auto& [name, ms] : fastest)
        state.counters[name] = ms;
}
BENCHMARK(BM_MainWindowOnFullSizeDesign)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
} // namespace vantrel
