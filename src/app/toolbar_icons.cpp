#include "app/toolbar_icons.h"

#include "app/command_table.h"
#include "app/tool_icons.h"

#include <QPainter>
#include <QPixmap>
#include <QResource>

#include <algorithm>

namespace vantrel {

const char* const ToolbarIcons::kBuiltStrip = ":/vantrel/toolbar-icons.argb32";

namespace {

// The platform dims a disabled icon a little, which leaves the black line
// drawings of the buttons nearly as they are. Here every pixel turns a light
// grey at half its strength, so a disabled button is told at a glance.
QPixmap DisabledLook(const QImage& icon)
{
    QImage faded = icon.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < faded.height(); ++y) {
        auto* pixels = reinterpret_cast<QRgb*>(faded.scanLine(y));
        for (int x = 0; x < faded.width(); ++x) {
            const int grey = 128 + qGray(pixels[x]) / 2;
            pixels[x] = qRgba(grey, grey, grey, qAlpha(pixels[x]) / 2);
        }
    }
    return QPixmap::fromImage(faded);
}

} // namespace

std::vector<int> ToolbarIconCommands()
{
    std::vector<int> commands;
    for (int id : StandardToolbarLayout())
        if (id != 0)
            commands.push_back(id);
    for (int id : ElementToolbarCommands())
        commands.push_back(id);
    for (int id : PaintToolbarCommands())
        commands.push_back(id);
    return commands;
}

QImage DrawToolbarIconStrip()
{
    const std::vector<int> commands = ToolbarIconCommands();
    QImage strip(kToolIconSize * int(commands.size()), kToolIconSize,
                 QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    for (std::size_t i = 0; i < commands.size(); ++i)
        painter.drawPixmap(kToolIconSize * int(i), 0,
                           CommandIcon(commands[i]).pixmap(kToolIconSize, kToolIconSize));
    return strip;
}

QByteArray StripBytes(const QImage& strip)
{
    const QImage pixels = strip.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QByteArray bytes;
    for (int y = 0; y < pixels.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(pixels.constScanLine(y)),
                     qsizetype(4) * pixels.width());
    return bytes;
}

ToolbarIcons::ToolbarIcons() : commands_(ToolbarIconCommands())
{
    const int width = kToolIconSize * int(commands_.size());
    // Not compressed in the program, so this refers to the carried bytes.
    carried_ = QResource(QString::fromLatin1(kBuiltStrip)).uncompressedData();
    if (carried_.size() == qsizetype(4) * width * kToolIconSize)
        strip_ = QImage(reinterpret_cast<const uchar*>(carried_.constData()), width, kToolIconSize,
                        qsizetype(4) * width, QImage::Format_ARGB32_Premultiplied);
    else
        strip_ = DrawToolbarIconStrip();
}

QIcon ToolbarIcons::Icon(int id) const
{
    const auto found = std::find(commands_.begin(), commands_.end(), id);
    if (found == commands_.end())
        return {};
    const int x = kToolIconSize * int(found - commands_.begin());
    const QImage image = strip_.copy(x, 0, kToolIconSize, kToolIconSize);
    QIcon icon(QPixmap::fromImage(image));
    icon.addPixmap(DisabledLook(image), QIcon::Disabled);
    return icon;
}

} // namespace vantrel
