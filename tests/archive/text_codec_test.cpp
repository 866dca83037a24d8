#include "archive/text_codec.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(TextCodec, Utf8RoundTripsBmpAndSupplementaryCharacters)
{
    std::u16string text = u"A\u00e9\u20ac\U0001F600";
    EXPECT_EQ(ToUtf8(text), "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
}

TEST(TextCodec, LoneSurrogatesAndMalformedUtf8BecomeReplacementCharacters)
{
    EXPECT_EQ(ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(FromUtf8("a\xC3"), u"a\uFFFD");
    EXPECT_EQ(FromUtf8("\xE0\x80\x80"), u"\uFFFD\uFFFD\uFFFD"); // overlong
}

TEST(TextCodec, CodePageIsWindows1252)
{
    EXPECT_EQ(ToCodePage(u"a\u00e9\u20ac\u4e00"), "a\xE9\x80?");
    const std::uint8_t bytes[] = {'a', 0xE9, 0x80, 0x81};
    EXPECT_EQ(FromCodePage(bytes), u"a\u00e9\u20ac\u0081");
}

} // namespace
} // namespace vantrel
