#include "archive/json_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <limits>
#include <sstream>
#include <streambuf>
#include <vector>

namespace vantrel {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// Everything the writer produced after the byte-order mark.
std::string Written(const std::function<void(JsonWriter&)>& write)
{
    std::ostringstream out;
    JsonWriter writer(out);
    write(writer);
    std::string text = out.str();
    EXPECT_EQ(text.substr(0, kBom.size()), kBom);
    return text.substr(kBom.size());
}

TEST(JsonWriter, StartsWithTheByteOrderMarkAndTheRootObject)
{
    std::ostringstream out;
    JsonWriter writer(out);
    EXPECT_EQ(out.str(), "\xEF\xBB\xBF{");
    EXPECT_EQ(writer.Depth(), 1u);
    writer.End();
    EXPECT_EQ(out.str(), "\xEF\xBB\xBF{}");
    EXPECT_EQ(writer.Depth(), 0u);
}

TEST(JsonWriter, APlainArrayHasNoByteOrderMark)
{
    std::ostringstream out;
    JsonWriter writer(out, JsonWriter::PlainArray{});
    EXPECT_EQ(out.str(), "[");
    writer.End();
    EXPECT_EQ(out.str(), "[]");

    std::ostringstream two;
    JsonWriter list(two, JsonWriter::PlainArray{});
    list.BeginObject(JsonWriter::kArrayElement);
    list.WriteInt("id", 1);
    list.End();
    list.WriteString(JsonWriter::kArrayElement, u"x");
    list.End();
    EXPECT_EQ(two.str(), R"([{"id":1},"x"])");
}

TEST(JsonWriter, NestsContainersWithCommasOnlyBetweenEntries)
{
    auto text = Written([](JsonWriter& w) {
        w.WriteInt("a", 1);
        w.BeginArray("empty");
        w.End();
        w.BeginArray("list");
        w.WriteInt(JsonWriter::kArrayElement, -7);
        w.WriteString(JsonWriter::kArrayElement, u"x");
        w.BeginObject(JsonWriter::kArrayElement);
        w.End();
        w.BeginObject(JsonWriter::kArrayElement);
        w.WriteBool("on", true);
        w.WriteBool("off", false);
        w.End();
        w.End();
        w.BeginObject("o");
        w.WriteInt("big", 2147483647);
        w.WriteInt("low", -2147483647 - 1);
        w.End();
        w.WriteKey("raw");
        w.End();
    });
    EXPECT_EQ(text, R"({"a":1,"empty":[],"list":[-7,"x",{},{"on":true,"off":false}],)"
                    R"("o":{"big":2147483647,"low":-2147483648},"raw":})");
}

TEST(JsonWriter, EscapesStringsButNotKeys)
{
    struct Case
    {
        const char* what;
        std::u16string text;
        std::string json;
    };
    const Case cases[] = {
        {"slash", u"a/b", R"("a\/b")"},
        {"backslash before n stays two characters", u"\\n", R"("\\n")"},
        {"quote", u"say \"hi\"", R"("say \"hi\"")"},
        {"named controls", u"\n\r\f\t\b", R"("\n\r\f\t\b")"},
        {"other controls as \\u escapes", std::u16string(u"\x01\x1F") + char16_t(0),
         R"("\u0001\u001F\u0000")"},
        {"delete and non-ASCII pass", u"\x7F\u00e9\u20ac", "\"\x7F\xC3\xA9\xE2\x82\xAC\""},
        {"surrogate pair as one sequence", u"\U0001F600", "\"\xF0\x9F\x98\x80\""},
        {"lone surrogates become U+FFFD", std::u16string{char16_t(0xD83D), u'a', char16_t(0xDE00)},
         "\"\xEF\xBF\xBD"
         "a\xEF\xBF\xBD\""},
        {"empty", u"", R"("")"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Written([&](JsonWriter& w) { w.WriteString("s", c.text); }), "{\"s\":" + c.json)
            << c.what;
    EXPECT_EQ(Written([](JsonWriter& w) { w.WriteString("a/b", u"v"); }), R"({"a/b":"v")");
}

TEST(JsonWriter, WritesBase64WithPadding)
{
    struct Case
    {
        std::vector<std::uint8_t> bytes;
        const char* base64;
    };
    const Case cases[] = {
        {{}, ""},
        {{'f'}, "Zg=="},
        {{'f', 'o'}, "Zm8="},
        {{'f', 'o', 'o'}, "Zm9v"},
        {{'f', 'o', 'o', 'b', 'a', 'r'}, "Zm9vYmFy"},
        {{0xFB, 0xFF, 0xBF, 0x00}, "+/+/AA=="},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Written([&](JsonWriter& w) { w.WriteBase64("b", c.bytes); }),
                  std::string("{\"b\":\"") + c.base64 + "\"");
    // Long inputs are encoded in blocks: the text runs on across their edges.
    for (std::size_t zeros : {3 * 1024 - 3, 3 * 1024, 3 * 1024 + 3, 3 * 4096}) {
        std::vector<std::uint8_t> bytes(zeros, 0);
        bytes.push_back('f');
        EXPECT_EQ(Written([&](JsonWriter& w) { w.WriteBase64("b", bytes); }),
                  "{\"b\":\"" + std::string(zeros / 3 * 4, 'A') + "Zg==\"")
            << zeros;
    }
}

TEST(JsonWriter, WritesColoursRedFirstInLowerCase)
{
    auto text = Written([](JsonWriter& w) {
        w.WriteColor("red", 255);
        w.WriteColor("cyan", Rgb(0, 255, 255));
        w.WriteColor("mixed", Rgb(0xAB, 0x0C, 0xDE));
        w.WriteColor("high byte ignored", 0xFF000000u);
    });
    EXPECT_EQ(text, R"({"red":"#ff0000","cyan":"#00ffff","mixed":"#ab0cde",)"
                    R"("high byte ignored":"#000000")");
}

TEST(JsonWriter, WritesRealsWithSixSignificantDigits)
{
    struct Case
    {
        double value;
        const char* json;
    };
    const Case cases[] = {
        {12.5, "12.5"},
        {100, "100"},
        {100.0 / 3, "33.3333"},
        {0, "0"},
        {-0.25, "-0.25"},
        {1234567, "1.23457e+06"},
        {0.00001, "1e-05"},
        {std::numeric_limits<double>::quiet_NaN(), "null"},
        {std::numeric_limits<double>::infinity(), "null"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Written([&](JsonWriter& w) { w.WriteReal("r", c.value); }),
                  std::string("{\"r\":") + c.json)
            << c.value;
}

// A stream that takes `capacity` bytes and then refuses, like a full disk.
class LimitedBuffer : public std::streambuf
{
public:
    explicit LimitedBuffer(std::size_t capacity) : capacity_(capacity) {}

protected:
    int_type overflow(int_type c) override
    {
        if (written_ >= capacity_)
            return traits_type::eof();
        ++written_;
        return traits_type::not_eof(c);
    }

private:
    std::size_t capacity_;
    std::size_t written_ = 0;
};

TEST(JsonWriter, ReportsAStreamThatFailed)
{
    std::ofstream unopened("/nonexistent-folder/flash.lgj", std::ios::binary);
    JsonWriter toNowhere(unopened);
    toNowhere.WriteInt("a", 1);
    EXPECT_TRUE(toNowhere.Failed());

    LimitedBuffer buffer(12);
    std::ostream full(&buffer);
    JsonWriter writer(full);
    writer.WriteInt("a", 1);
    EXPECT_FALSE(writer.Failed());
    writer.WriteString("b", u"longer than the rest of the space");
    EXPECT_TRUE(writer.Failed());
}

TEST(JsonWriter, EndWithNothingOpenIsAProgrammingError)
{
    std::ostringstream out;
    JsonWriter writer(out);
    writer.End();
    EXPECT_THROW(writer.End(), std::logic_error);
}

} // namespace
} // namespace vantrel
