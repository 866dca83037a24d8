#include "qt_adapters/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace vantrel {

namespace {

// On Windows Qt registers the name itself; elsewhere the same text names the
// format, so that instances on one display exchange payloads too.
QString MimeType(const std::u16string& format)
{
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"")
        .arg(QString::fromStdU16String(format));
}

} // namespace

bool QtClipboard::Holds(const std::u16string& format) const
{
    const QMimeData* held = QGuiApplication::clipboard()->mimeData();
    return held && held->hasFormat(MimeType(format));
}

std::optional<std::vector<std::uint8_t>> QtClipboard::Read(const std::u16string& format) const
{
    const QMimeData* held = QGuiApplication::clipboard()->mimeData();
    const QString mimeType = MimeType(format);
    if (!held || !held->hasFormat(mimeType))
        return std::nullopt;
    const QByteArray bytes = held->data(mimeType);
    const auto* first = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    return std::vector<std::uint8_t>(first, first + bytes.size());
}

bool QtClipboard::Write(const std::u16string& format, std::span<const std::uint8_t> bytes)
{
    auto* copied = new QMimeData;
    copied->setData(MimeType(format), QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                                 qsizetype(bytes.size())));
    QGuiApplication::clipboard()->setMimeData(copied);
    // The platform may refuse the clipboard: what it holds afterwards tells.
    return Holds(format);
}

} // namespace vantrel
