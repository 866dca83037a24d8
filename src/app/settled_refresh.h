#pragma once

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <optional>

namespace vantrel {

class CVantrelDoc;

// Runs a panel's refresh once the editing settles: the view reports every
// mouse move that redraws, so a refresh waits for a pause after the last
// report and runs only when the design changed since the one before.
class SettledRefresh : public QObject
{
    Q_OBJECT
public:
    // After the last report, how long the refresh waits.
    static constexpr int kDelayMs = 150;

    SettledRefresh(const CVantrelDoc& document, std::function<void()> refresh,
                   QObject* parent = nullptr);

    // Starts (or restarts) the wait.
    void Schedule();
    // Refreshes now when the design changed since the last refresh.
    void RunIfChanged();
    // Tells that a refresh just ran (and stops the wait); Forget makes the
    // next RunIfChanged refresh whatever changed.
    void Refreshed();
    void Forget();

private:
    const CVantrelDoc& document_;
    std::function<void()> refresh_;
    QTimer timer_;
    // The design's change count at the last refresh; none before the first.
    std::optional<std::uint64_t> refreshedAt_;
};

} // namespace vantrel
