// How long the editor takes from its start to the first frame of the view,
// each the fastest of interleaved iterations (wall time: what the user waits
// for), printed in milliseconds with "ratio" against its anchor:
// - opening a 96 000-element mixed design from a file, against the empty
//   design;
// - the empty design, against a bare main window carrying the same menus,
//   toolbars (with the icons already built), status bar panes and scroll
//   bars, so that the ratio is what the editor adds to what Qt needs for
//   its window.
#include "app/main_window.h"
#include "app/vantrel_app.h"
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "editor/vantrel_view.h"
#include "paint_watcher.h"
#include "qt_adapters/qt_image_codec.h"
#include "support/random_designs.h"
#include "support/recording_notifier.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <utility>

namespace vantrel {
namespace {

constexpr int kElements = 96000;
using Clock = std::chrono::steady_clock;

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
    watcher.WaitForPaint();
    return Clock::now() - start;
}

void CopyMenu(const QMenu& from, QMenu& to)
{
    for (QAction* action : from.actions()) {
        if (action->isSeparator())
            to.addSeparator();
        else if (action->menu())
            CopyMenu(*action->menu(), *to.addMenu(action->text()));
        else
            to.addAction(action->text(), action->shortcut())->setCheckable(action->isCheckable());
    }
}

// A plain QMainWindow dressed as `model`: its menus, its toolbars in their
// areas with the same actions and icons, a status bar pane and a scroll area
// in the middle; shown and run until the scroll area has painted once.
Clock::duration TimeToFirstBareFrame(const QMainWindow& model)
{
    const auto start = Clock::now();
    QMainWindow window;
    for (QAction* menu : model.menuBar()->actions())
        CopyMenu(*menu->menu(), *window.menuBar()->addMenu(menu->text()));
    for (QToolBar* modelBar : model.findChildren<QToolBar*>()) {
        auto* bar = new QToolBar(modelBar->windowTitle(), &window);
        bar->setIconSize(modelBar->iconSize());
        bar->setStyleSheet(modelBar->styleSheet());
        for (QAction* action : modelBar->actions()) {
            if (action->isSeparator())
                bar->addSeparator();
            else
                bar->addAction(action->icon(), action->text());
        }
        window.addToolBar(model.toolBarArea(modelBar), bar);
        if (model.toolBarBreak(modelBar))
            window.insertToolBarBreak(bar);
    }
    bool first = true;
    for (const QLabel* pane :
         model.statusBar()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        auto* copy = new QLabel(pane->text());
        copy->setFrameStyle(pane->frameStyle());
        if (std::exchange(first, false))
            window.statusBar()->addWidget(copy, 1);
        else
            window.statusBar()->addPermanentWidget(copy);
    }
    // Scroll bars where the editor's view shows them, but nothing to scroll.
    const auto& view = dynamic_cast<const QAbstractScrollArea&>(*model.centralWidget());
    const auto policy = [](const QScrollBar* bar) {
        return bar->isVisible() ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    };
    auto* area = new QAbstractScrollArea;
    area->setHorizontalScrollBarPolicy(policy(view.horizontalScrollBar()));
    area->setVerticalScrollBarPolicy(policy(view.verticalScrollBar()));
    window.setCentralWidget(area);
    PaintWatcher watcher;
    area->viewport()->installEventFilter(&watcher);
    window.resize(model.size());
    window.show();
    watcher.WaitForPaint();
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

void BM_FirstFrameOfEmptyDesign(benchmark::State& state)
{
    QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       folder.filePath(QStringLiteral("settings")));
    const QString recovery = folder.filePath(QStringLiteral("recovery"));
    test::RecordingNotifier notifier;
    AppServices services;
    services.notifier = &notifier;
    services.recoveryFolder = recovery;
    CVantrelApp model(services);
    model.InitInstance({});
    QCoreApplication::processEvents();
    Clock::duration editor = Clock::duration::max();
    Clock::duration bare = Clock::duration::max();
    for (auto _ : state) {
        bare = std::min(bare, TimeToFirstBareFrame(model.MainFrame()));
        editor = std::min(editor, TimeToFirstFrame(recovery, {}));
    }
    using Milliseconds = std::chrono::duration<double, std::milli>;
    state.counters["editor_ms"] = Milliseconds(editor).count();
    state.counters["bare_window_ms"] = Milliseconds(bare).count();
    state.counters["ratio"] = Milliseconds(editor) / Milliseconds(bare);
}
BENCHMARK(BM_FirstFrameOfEmptyDesign)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
} // namespace vantrel
