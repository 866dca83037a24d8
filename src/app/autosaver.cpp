#include "app/autosaver.h"

#include "archive/file_bytes.h"
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "qt_adapters/qt_text.h"

#include <new>

namespace vantrel {

AutoSaver::AutoSaver(CVantrelDoc& document, const ImageCodec& codec,
                     std::function<QString()> originalPath, RecoveryStore store,
                     std::chrono::milliseconds interval)
    : document_(document), codec_(codec), originalPath_(std::move(originalPath)),
      store_(std::move(store))
{
    timer_.setInterval(interval);
    connect(&timer_, &QTimer::timeout, this, &AutoSaver::SaveNow);
}

void AutoSaver::SaveNow()
{
    if (!document_.IsModified())
        return;
    const QString original = originalPath_();
    try {
        store_.Write(DesignBytes(document_, FromQString(original), codec_), original);
    } catch (const FileError& failure) {
        emit failed(ToQString(failure.Message()));
    } catch (const std::bad_alloc&) {
        emit failed(ToQString(kOutOfMemoryText));
    } catch (const std::exception& failure) {
        emit failed(QString::fromLocal8Bit(failure.what()));
    }
}

} // namespace vantrel
