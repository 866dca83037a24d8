#pragma once

#include "app/recovery_store.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

namespace vantrel {

class CVantrelDoc;
class ImageCodec;

// Keeps a recovery copy of the design while it has unsaved changes: on every
// tick of its timer a modified design is written to this session's copy in
// the recovery store. Whoever saves or drops the design calls Discard.
class AutoSaver : public QObject
{
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kDefaultInterval = std::chrono::minutes(2);

    // `originalPath` tells the design's own file at the time of each copy.
    AutoSaver(CVantrelDoc& document, const ImageCodec& codec, std::function<QString()> originalPath,
              RecoveryStore store, std::chrono::milliseconds interval);

    void Start() { timer_.start(); }
    std::chrono::milliseconds Interval() const { return timer_.intervalAsDuration(); }
    RecoveryStore& Store() { return store_; }

    // Writes the copy now when the design is modified. A failure is told
    // through `failed` (a copy is no reason to interrupt the user); the
    // previous copy stays.
    void SaveNow();
    void Discard() { store_.Remove(); }

signals:
    void failed(const QString& message);

private:
    CVantrelDoc& document_;
    const ImageCodec& codec_;
    std::function<QString()> originalPath_;
    RecoveryStore store_;
    QTimer timer_;
};

} // namespace vantrel
