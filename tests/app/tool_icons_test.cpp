#include "app/tool_icons.h"
#include "app/toolbar_icons.h"
#include "elements/element_kinds.h"

#include <QImage>
#include <QPainter>
#include <QResource>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>

namespace vantrel::test {
namespace {

// The bounds of the inked pixels and a checksum of every pixel of an icon:
// together they notice a figure drawn at another size, place or shape.
struct IconPrint
{
    QRect ink;
    std::uint32_t checksum = 0;
};

IconPrint PrintOf(const QIcon& icon)
{
    const QImage image =
        icon.pixmap(kToolIconSize, kToolIconSize).toImage().convertToFormat(QImage::Format_ARGB32);
    IconPrint print;
    std::uint32_t hash = 2166136261u;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) != 0)
                print.ink |= QRect(x, y, 1, 1);
            hash = (hash ^ pixel) * 16777619u;
        }
    }
    print.checksum = hash;
    return print;
}

// The element figures are sized by the ink they leave on a scratch image;
// these prints were taken from the plain pixel-by-pixel search and pin the
// result of any faster one.
TEST(ToolIcons, ElementFiguresKeepTheirSizeAndPixels)
{
    const std::map<std::string, IconPrint> expected = {
        {"LogAnd", {{1, 2, 19, 18}, 0xd267ee95u}},
        {"LogOr", {{1, 1, 19, 19}, 0x5f67ee95u}},
        {"LogNAND", {{2, 3, 18, 16}, 0x367ee95u}},
        {"LogNOR", {{2, 2, 18, 17}, 0x3b67ee95u}},
        {"LogXOR", {{1, 1, 19, 19}, 0x3a67ee95u}},
        {"LogNXOR", {{2, 2, 18, 17}, 0xa367ee95u}},
        {"LogNot", {{1, 1, 20, 19}, 0x2b67ee95u}},
        {"LogBigAnd", {{1, 2, 19, 18}, 0xd267ee95u}},
        {"LogBigOr", {{1, 1, 19, 19}, 0xa767ee95u}},
        {"LogBigAlarm", {{1, 2, 19, 18}, 0x3a67ee95u}},
        {"LogIn", {{2, 6, 18, 9}, 0x6667ee95u}},
        {"LogOut", {{2, 6, 18, 9}, 0xd967ee95u}},
        {"LogUser", {{4, 5, 13, 11}, 0x6e67ee95u}},
        {"LogPulseUser", {{2, 6, 18, 9}, 0x7667ee95u}},
        {"LogUserOut", {{5, 5, 12, 11}, 0x9567ee95u}},
        {"LoggedUserOut", {{5, 5, 12, 11}, 0xc167ee95u}},
        {"Analog_Input", {{4, 7, 13, 7}, 0x4967ee95u}},
        {"Analog_Output", {{2, 8, 18, 6}, 0x5867ee95u}},
        {"TempInput", {{1, 6, 19, 10}, 0x9b67ee95u}},
        {"LogDelay", {{4, 5, 13, 11}, 0xc467ee95u}},
        {"LogPulseDelay", {{4, 5, 13, 11}, 0x8467ee95u}},
        {"LogVarDelay", {{1, 2, 19, 18}, 0x9167ee95u}},
        {"LogVarPulseDelay", {{1, 2, 19, 18}, 0xa367ee95u}},
        {"LogFilter", {{1, 6, 19, 9}, 0x4b67ee95u}},
        {"LogClock", {{2, 6, 18, 10}, 0x8667ee95u}},
        {"LogTimer", {{1, 2, 19, 18}, 0xe667ee95u}},
        {"LogSpeed", {{1, 6, 20, 10}, 0x1767ee95u}},
        {"LogMem", {{4, 1, 13, 20}, 0x3867ee95u}},
        {"LogSwitch", {{4, 1, 13, 20}, 0xfc67ee95u}},
        {"LogDelayedSwitch", {{4, 1, 13, 20}, 0xd667ee95u}},
        {"LogToggle", {{4, 1, 13, 20}, 0xcb67ee95u}},
        {"LogCompEq", {{1, 4, 20, 14}, 0x7e67ee95u}},
        {"LogCompL", {{1, 2, 19, 18}, 0x5967ee95u}},
        {"Acc", {{1, 6, 19, 9}, 0x167ee95u}},
        {"NoOp", {{1, 6, 19, 9}, 0x167ee95u}},
        {"GP_Register", {{1, 2, 19, 18}, 0x2867ee95u}},
        {"AccOp", {{6, 1, 10, 20}, 0x6967ee95u}},
        {"NL_Constant", {{2, 1, 17, 20}, 0x8f67ee95u}},
        {"LogReplicator", {{4, 5, 13, 11}, 0x8e67ee95u}},
        {"LogStartMarker", {{1, 8, 19, 5}, 0xb367ee95u}},
        {"LogEndMarker", {{1, 8, 19, 5}, 0x7167ee95u}},
        {"NLStartMarker", {{1, 8, 19, 5}, 0xb367ee95u}},
        {"NLEndMarker", {{1, 8, 19, 5}, 0x7167ee95u}},
        {"LogBreaker", {{1, 2, 19, 18}, 0xdb67ee95u}},
        {"LogComment", {{6, 1, 9, 19}, 0x467ee95u}},
    };
    for (const ElementKindRow& kind : ElementKinds()) {
        const IconPrint print = PrintOf(CommandIcon(kind.command));
        const auto found = expected.find(kind.className);
        ASSERT_NE(found, expected.end()) << kind.className;
        EXPECT_EQ(print.ink, found->second.ink) << kind.className;
        EXPECT_EQ(print.checksum, found->second.checksum) << kind.className;
    }
}

// The strip the program carries was drawn when it was built; it must hold
// what this build draws, command for command, or the toolbar would show the
// icons of another build.
TEST(ToolIcons, CarriedStripHoldsWhatThisBuildDraws)
{
    const QResource carried(QString::fromLatin1(ToolbarIcons::kBuiltStrip));
    ASSERT_TRUE(carried.isValid()) << "the program carries no icon strip";
    const QImage drawn = DrawToolbarIconStrip();
    EXPECT_TRUE(carried.uncompressedData() == StripBytes(drawn));
    // Each button gets its own command's picture out of the strip.
    const ToolbarIcons icons;
    const std::vector<int> commands = ToolbarIconCommands();
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const QImage icon = icons.Icon(commands[i])
                                .pixmap(kToolIconSize, kToolIconSize)
                                .toImage()
                                .convertToFormat(drawn.format());
        EXPECT_EQ(icon, drawn.copy(kToolIconSize * int(i), 0, kToolIconSize, kToolIconSize))
            << "command " << commands[i];
    }
    EXPECT_TRUE(icons.Icon(0).isNull());
}

// A disabled button shows its picture in light grey at half strength, far
// from the black of an enabled one.
TEST(ToolIcons, DisabledButtonsAreFadedGrey)
{
    // The darkest grey of the icon on the toolbar's light background.
    const auto darkest = [](const QIcon& icon, QIcon::Mode mode) {
        QImage shown(kToolIconSize, kToolIconSize, QImage::Format_RGB32);
        shown.fill(QColor(239, 239, 239));
        QPainter(&shown).drawPixmap(0, 0, icon.pixmap(kToolIconSize, kToolIconSize, mode));
        int grey = 255;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                grey = std::min(grey, qGray(shown.pixel(x, y)));
        return grey;
    };
    const ToolbarIcons icons;
    for (const int id : ToolbarIconCommands()) {
        const QIcon icon = icons.Icon(id);
        EXPECT_LT(darkest(icon, QIcon::Normal), 100) << id;
        const int disabled = darkest(icon, QIcon::Disabled);
        EXPECT_GT(disabled, 170) << id;
        EXPECT_LT(disabled, 239) << id << " still shows a picture";
    }
}

} // namespace
} // namespace vantrel::test
