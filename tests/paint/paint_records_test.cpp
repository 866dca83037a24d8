// The flash record and the JSON members of the paint classes, pinned byte
// by byte and character by character.
#include "archive/archive.h"
#include "archive/byte_buffer.h"
#include "archive/json_writer.h"
#include "document/system_classes.h"
#include "paint/curve.h"
#include "paint/shapes.h"
#include "paint/text_stuff.h"
#include "support/hex.h"
#include "support/paint_record_reader.h"
#include "support/sample_designs.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vantrel {
namespace {

using test::FromHex;
using test::ToHex;

// Distinct values in every field of the common record.
template <class T> std::unique_ptr<T> Configured()
{
    auto object = std::make_unique<T>();
    object->commandNum = 13;
    object->activeNum = 14;
    object->normalColor = Rgb(1, 2, 3);
    object->activeColor = Rgb(4, 5, 6);
    object->hasCommand = 1;
    object->hasActive = 1;
    object->width = 3;
    object->style = 1;
    object->active2Num = 15;
    object->hasActive2 = 1;
    object->active2Color = Rgb(7, 8, 9);
    object->progressIndex = 5;
    object->hasProgress = 1;
    object->progressMax = 100;
    object->activeNeg = 1;
    object->active2Neg = 0;
    object->from = {0.5f, -0.5f};
    object->to = {0.25f, 1.0f};
    // Not part of the record.
    object->progressColor = Rgb(10, 11, 12);
    object->pageIndex = 2;
    object->commandId = 99;
    return object;
}

std::string CommonRecord(const char* typeCode)
{
    return std::string(typeCode) + "0D 00 00 00 0E 00 00 00 01 02 03 00 04 05 06 00"
                                   "01 00 00 00 01 00 00 00 03 00 00 00 01 00 00 00"
                                   "0F 00 00 00 01 00 00 00 07 08 09 00 05 00 00 00"
                                   "01 00 00 00 64 00 00 00 01 00 00 00 00 00 00 00"
                                   "00 00 00 3F 00 00 00 BF 00 00 80 3E 00 00 80 3F";
}

std::string Zeros(int count)
{
    std::string hex;
    for (int i = 0; i < count; ++i)
        hex += " 00";
    return hex;
}

constexpr const char* kDefaultFill = "64 64 64 00 64 00 00 00 00 FF 00 00";

std::vector<std::uint8_t> Record(const PaintStuff& object)
{
    std::vector<std::uint8_t> bytes;
    ByteWriter out(bytes);
    object.WriteFlashRecord(out);
    return bytes;
}

// 70 characters: the record keeps the first 63.
const std::u16string kLongText =
    u"0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ!-=+#*()";
const std::string kLongTextField = "30 31 32 33 34 35 36 37 38 39 61 62 63 64 65 66"
                                   "67 68 69 6A 6B 6C 6D 6E 6F 70 71 72 73 74 75 76"
                                   "77 78 79 7A 41 42 43 44 45 46 47 48 49 4A 4B 4C"
                                   "4D 4E 4F 50 51 52 53 54 55 56 57 58 59 5A 21 00";

TEST(PaintFlashRecord, EveryClassWritesItsRecord)
{
    auto curve = Configured<Curve>();
    curve->points.push_back(std::make_unique<FPoint>(0.5f, -1.0f));
    curve->points.push_back(std::make_unique<FPoint>(0.25f, 2.0f));
    auto text = Configured<TextStuff>();
    text->text = kLongText;
    auto filledText = Configured<FilledText>();
    filledText->text = u"\u00c4rger \u20ac";
    struct Case
    {
        std::unique_ptr<PaintStuff> object;
        std::string hex;
        std::size_t size;
    };
    Case cases[] = {
        {Configured<Line>(), CommonRecord("01 00 00 00"), 84},
        {Configured<Circle>(), CommonRecord("02 00 00 00"), 84},
        {std::move(curve),
         CommonRecord("03 00 00 00") +
             "02 00 00 00 00 00 00 3F 00 00 80 BF 00 00 80 3E 00 00 00 40",
         104},
        {Configured<FilledCircle>(), CommonRecord("04 00 00 00") + kDefaultFill, 96},
        {Configured<FilledSquare>(), CommonRecord("05 00 00 00") + kDefaultFill, 96},
        {Configured<Square>(), CommonRecord("06 00 00 00"), 84},
        {std::move(text), CommonRecord("07 00 00 00") + kLongTextField, 148},
        {std::move(filledText),
         CommonRecord("08 00 00 00") + "C4 72 67 65 72 20 80" + Zeros(57) + kDefaultFill, 160},
    };

    for (Case& c : cases) {
        const auto record = Record(*c.object);
        EXPECT_EQ(record.size(), c.size) << c.object->ClassName();
        EXPECT_EQ(ToHex(record), ToHex(FromHex(c.hex))) << c.object->ClassName();
    }
}

TEST(PaintFlashRecord, ReadsBackWhatItWrote)
{
    for (auto& original : test::OneOfEveryPaintKind()) {
        const auto record = Record(*original);
        test::ByteReader in(std::span<const std::uint8_t>(record).subspan(4));
        auto copy = original->Clone();
        test::ReadPaintRecord(in, *copy);
        EXPECT_EQ(in.BytesLeft(), 0u) << original->ClassName();
        EXPECT_EQ(ToHex(Record(*copy)), ToHex(record)) << original->ClassName();
    }
}

TEST(PaintFlashRecord, ShortRecordsFailAsTheEndOfTheFile)
{
    auto readFailure = [](PaintStuff& object, const std::vector<std::uint8_t>& bytes) {
        test::ByteReader in(bytes, u"flash.lgf");
        try {
            test::ReadPaintRecord(in, object);
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.FileName(), u"flash.lgf");
            return e.Cause();
        }
        return ArchiveCause::Generic;
    };
    auto curveRecord = Record(*Configured<Curve>());
    curveRecord.erase(curveRecord.begin(), curveRecord.begin() + 4);
    Curve curve;
    const auto claimsTooMany = [&] {
        auto bytes = curveRecord;
        bytes[80] = 0xFF; // the count: 255 points, with no point following
        return bytes;
    }();
    EXPECT_EQ(readFailure(curve, claimsTooMany), ArchiveCause::EndOfFile);
    EXPECT_TRUE(curve.points.empty());

    auto textRecord = Record(*Configured<TextStuff>());
    TextStuff text;
    EXPECT_EQ(readFailure(text, {textRecord.begin() + 4, textRecord.end() - 1}),
              ArchiveCause::EndOfFile);
}

// The members an object writes, inside the root object of a writer.
std::string Json(const PaintStuff& object)
{
    std::ostringstream out;
    JsonWriter writer(out);
    object.WriteJson(writer);
    writer.End();
    return out.str().substr(3);
}

TEST(PaintJson, WritesTheCommonMembersAndTheBoundOnesOnlyWhenBound)
{
    EXPECT_EQ(Json(*Configured<Line>()),
              R"({"from":{"x":75,"y":25},"to":{"x":62.5,"y":100},"width":3,"style":1,)"
              R"("color":{"normal":"#010203","active":"#040506","active2":"#070809"},)"
              R"("pageIndex":2,"active":{"num":14,"neg":true},"active2":{"num":15},)"
              R"("commandNum":13,"progress":{"num":5,"max":100,"color":"#0a0b0c"}})");
    EXPECT_EQ(Json(Circle()),
              R"({"from":{"x":50,"y":50},"to":{"x":50,"y":50},"width":1,"style":0,)"
              R"("color":{"normal":"#000000","active":"#ff0000","active2":"#00ffff"},)"
              R"("pageIndex":0})");

    auto inverted = Configured<Square>();
    inverted->hasActive = 0;
    inverted->active2Neg = 1;
    inverted->hasCommand = 0;
    inverted->hasProgress = 0;
    EXPECT_EQ(Json(*inverted),
              R"({"from":{"x":75,"y":25},"to":{"x":62.5,"y":100},"width":3,"style":1,)"
              R"("color":{"normal":"#010203","active":"#040506","active2":"#070809"},)"
              R"("pageIndex":2,"active2":{"num":15,"neg":true}})");
}

TEST(PaintJson, FilledClassesAddTheirFillAndTextsEndWithTheirText)
{
    FilledText filledText;
    filledText.text = u"a/b \"c\"";
    filledText.from = {-1, 1};
    EXPECT_EQ(Json(filledText),
              R"({"from":{"x":0,"y":100},"to":{"x":50,"y":50},"width":1,"style":0,)"
              R"("color":{"normal":"#000000","active":"#ff0000","active2":"#00ffff"},)"
              R"("pageIndex":0,"fill":{"normal":"#646464","active":"#640000","active2":"#00ff00"},)"
              R"("text":"a\/b \"c\""})");

    FilledSquare filledSquare;
    EXPECT_NE(Json(filledSquare).find(R"("pageIndex":0,"fill":{"normal":"#646464")"),
              std::string::npos);

    TextStuff text;
    text.text = kLongText;
    EXPECT_NE(Json(text).find("\"text\":\"0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQR"
                              "STUVWXYZ!-=+#*()\"}"),
              std::string::npos);
}

TEST(PaintJson, TypeCodesAndNames)
{
    std::vector<std::pair<int, std::u16string_view>> types;
    for (auto& kind : test::OneOfEveryPaintKind())
        types.emplace_back(kind->TypeCode(), kind->TypeName());
    EXPECT_EQ(types, (std::vector<std::pair<int, std::u16string_view>>{{1, u"line"},
                                                                       {2, u"circle"},
                                                                       {3, u"curve"},
                                                                       {4, u"circle"},
                                                                       {6, u"square"},
                                                                       {5, u"square"},
                                                                       {7, u"text"},
                                                                       {8, u"text"}}));
}

TEST(PaintText, LongTextsStayWholeInTheDesignFile)
{
    std::vector<std::unique_ptr<PaintStuff>> list;
    list.push_back(std::make_unique<TextStuff>());
    static_cast<TextStuff&>(*list[0]).text = kLongText;
    std::vector<std::uint8_t> bytes;
    CArchive store(StoreTo, bytes, SystemClasses());
    store.SerializeObjectList(list);
    std::vector<std::unique_ptr<PaintStuff>> loaded;
    CArchive load(LoadFrom, bytes, SystemClasses());
    load.SerializeObjectList(loaded);
    EXPECT_EQ(*loaded[0]->TextRef(), kLongText);
}

} // namespace
} // namespace vantrel
