#include "app/picture_export.h"

#include "archive/file_bytes.h"
#include "archive/text_codec.h"
#include "document/notifier.h"
#include "editor/vantrel_view.h"
#include "qt_adapters/picture_files.h"

#include <QPainter>

namespace vantrel {

bool ExportPicture(CVantrelView& view, const std::filesystem::path& path, Notifier& notifier)
{
    const std::optional<PictureFormat> format = PictureFormatOf(path);
    if (!format) {
        notifier.Message(u"A picture is exported as a " + Ascii(kPictureExtensions) + u" file.",
                         kApplicationTitle, MessageButtons::Ok);
        return false;
    }
    const QSize size = view.viewport()->size().expandedTo(QSize(1, 1));
    const QByteArray bytes = EncodePicture(*format, size, 1, [&view, size](QPainter& painter, int) {
        view.RenderPicture(painter, size);
    });
    if (bytes.isEmpty()) {
        notifier.Message(u"The picture could not be encoded.", kApplicationTitle,
                         MessageButtons::Ok);
        return false;
    }
    try {
        WriteFileAtomically(path, {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                   std::size_t(bytes.size())});
        return true;
    } catch (const FileError& failure) {
        notifier.Message(failure.Message(), kApplicationTitle, MessageButtons::Ok);
        return false;
    }
}

} // namespace vantrel
