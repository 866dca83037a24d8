#include "app/tool_icons.h"
#include "app/toolbar_icons.h"
#include "archive/sha256.h"
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

// The bounds of the inked pixels and a digest of every byte of every pixel of
// an icon: together they notice a figure drawn at another size, place, shape
// or colour.
struct IconPrint
{
    QRect ink;
    std::string digest;
};

IconPrint PrintOfImage(const QImage& icon)
{
    const QImage image = icon.convertToFormat(QImage::Format_ARGB32);
    IconPrint print;
    Sha256 hasher;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) != 0)
                print.ink |= QRect(x, y, 1, 1);
            // Channel by channel, so that the digest does not hang on the
            // machine's byte order.
            const std::uint8_t channels[] = {std::uint8_t(qAlpha(pixel)), std::uint8_t(qRed(pixel)),
                                             std::uint8_t(qGreen(pixel)),
                                             std::uint8_t(qBlue(pixel))};
            hasher.Update(channels);
        }
    }
    print.digest = Sha256::ToHex(hasher.Finish()).substr(0, 16);
    return print;
}

IconPrint PrintOf(const QIcon& icon)
{
    return PrintOfImage(icon.pixmap(kToolIconSize, kToolIconSize).toImage());
}

// Each channel of a single pixel counts: the print of an icon recoloured
// without a change of shape or strength differs from the original's.
TEST(ToolIcons, PrintsTellApartIconsThatDifferOnlyInColour)
{
    const QImage original =
        CommandIcon(ElementKinds()[0].command).pixmap(kToolIconSize, kToolIconSize).toImage();
    const IconPrint before = PrintOfImage(original);
    const auto inked = [&original] {
        for (int y = 0; y < original.height(); ++y)
            for (int x = 0; x < original.width(); ++x)
                if (qAlpha(original.pixel(x, y)) == 255)
                    return QPoint(x, y);
        return QPoint(-1, -1);
    }();
    ASSERT_NE(inked, QPoint(-1, -1));
    const QRgb pixel = original.pixel(inked);
    const QRgb nudged[] = {qRgba(qRed(pixel) ^ 1, qGreen(pixel), qBlue(pixel), 255),
                           qRgba(qRed(pixel), qGreen(pixel) ^ 1, qBlue(pixel), 255),
                           qRgba(qRed(pixel), qGreen(pixel), qBlue(pixel) ^ 1, 255)};
    for (const QRgb colour : nudged) {
        QImage recoloured = original.convertToFormat(QImage::Format_ARGB32);
        recoloured.setPixel(inked, colour);
        const IconPrint after = PrintOfImage(recoloured);
        EXPECT_EQ(after.ink, before.ink);
        EXPECT_NE(after.digest, before.digest) << std::hex << colour;
    }
}

// The element figures are sized by the ink they leave on a scratch image;
// these prints pin the figures' size, place and every pixel's colour.
TEST(ToolIcons, ElementFiguresKeepTheirSizeAndPixels)
{
    const std::map<std::string, IconPrint> expected = {
        {"LogAnd", {{1, 2, 19, 18}, "eac599054fe488e4"}},
        {"LogOr", {{1, 1, 19, 19}, "1493ecc6f5bce045"}},
        {"LogNAND", {{2, 3, 18, 16}, "ea35b5126dddcc63"}},
        {"LogNOR", {{2, 2, 18, 17}, "68458ec710c8b9c4"}},
        {"LogXOR", {{1, 1, 19, 19}, "ff5903834149a886"}},
        {"LogNXOR", {{2, 2, 18, 17}, "95fa9cf93f22e287"}},
        {"LogNot", {{1, 1, 20, 19}, "f5f8ccb25170ab54"}},
        {"LogBigAnd", {{1, 2, 19, 18}, "eac599054fe488e4"}},
        {"LogBigOr", {{1, 1, 19, 19}, "607fdf7ee28d9c14"}},
        {"LogBigAlarm", {{1, 2, 19, 18}, "040abd554bd3d4d7"}},
        {"LogIn", {{2, 6, 18, 9}, "b0ba3d9b1e917206"}},
        {"LogOut", {{2, 6, 18, 9}, "74c6b67bac326e63"}},
        {"LogUser", {{4, 5, 13, 11}, "39e0f3945995ad3d"}},
        {"LogPulseUser", {{2, 6, 18, 9}, "576c55be88732719"}},
        {"LogUserOut", {{5, 5, 12, 11}, "c7d1d5907a060136"}},
        {"LoggedUserOut", {{5, 5, 12, 11}, "0c51461948c2ce6c"}},
        {"Analog_Input", {{4, 7, 13, 7}, "e57ae85d8657a850"}},
        {"Analog_Output", {{2, 8, 18, 6}, "c66c525b14cda4a4"}},
        {"TempInput", {{1, 6, 19, 10}, "94fe9e3bc02c1909"}},
        {"LogDelay", {{4, 5, 13, 11}, "16bddca1e4480b75"}},
        {"LogPulseDelay", {{4, 5, 13, 11}, "7731a1273a311c57"}},
        {"LogVarDelay", {{1, 2, 19, 18}, "433483439486eaef"}},
        {"LogVarPulseDelay", {{1, 2, 19, 18}, "313e086a11f03d4e"}},
        {"LogFilter", {{1, 6, 19, 9}, "8705925313ebe418"}},
        {"LogClock", {{2, 6, 18, 10}, "935efab92d83b511"}},
        {"LogTimer", {{1, 2, 19, 18}, "1d1f31cda4a4c7f4"}},
        {"LogSpeed", {{1, 6, 20, 10}, "9777d89629bc739c"}},
        {"LogMem", {{4, 1, 13, 20}, "b4a5a5673a68f2b9"}},
        {"LogSwitch", {{4, 1, 13, 20}, "ba6a8be3cfa7d8e0"}},
        {"LogDelayedSwitch", {{4, 1, 13, 20}, "ff9b9f5feb52210b"}},
        {"LogToggle", {{4, 1, 13, 20}, "02affd1585697865"}},
        {"LogCompEq", {{1, 4, 20, 14}, "940242931f8452ba"}},
        {"LogCompL", {{1, 2, 19, 18}, "9d137802250c2e9d"}},
        {"Acc", {{1, 6, 19, 9}, "8b9841b0d8607ba4"}},
        {"NoOp", {{1, 6, 19, 9}, "8b9841b0d8607ba4"}},
        {"GP_Register", {{1, 2, 19, 18}, "64a2e4066e20b92c"}},
        {"AccOp", {{6, 1, 10, 20}, "84d2733056c442b1"}},
        {"NL_Constant", {{2, 1, 17, 20}, "293d3fb084cc3206"}},
        {"LogReplicator", {{4, 5, 13, 11}, "452a75cd09df287a"}},
        {"LogStartMarker", {{1, 8, 19, 5}, "e3a7818b9b7c661e"}},
        {"LogEndMarker", {{1, 8, 19, 5}, "0598ba165456b85b"}},
        {"NLStartMarker", {{1, 8, 19, 5}, "e3a7818b9b7c661e"}},
        {"NLEndMarker", {{1, 8, 19, 5}, "0598ba165456b85b"}},
        {"LogBreaker", {{1, 2, 19, 18}, "960dc75d82f3eb2d"}},
        {"LogComment", {{6, 1, 9, 19}, "9bdd32279473ab30"}},
    };
    for (const ElementKindRow& kind : ElementKinds()) {
        const IconPrint print = PrintOf(CommandIcon(kind.command));
        const auto found = expected.find(kind.className);
        ASSERT_NE(found, expected.end()) << kind.className;
        EXPECT_EQ(print.ink, found->second.ink) << kind.className;
        EXPECT_EQ(print.digest, found->second.digest) << kind.className;
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
