#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace vantrel {

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

    // Runs the event loop until the widget painted; the paint event is
    // handled whole inside one round of the loop.
    void WaitForPaint()
    {
        while (!painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        painted = false;
    }
};

} // namespace vantrel
