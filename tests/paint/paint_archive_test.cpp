#include "archive/archive.h"
#include "document/system_classes.h"
#include "paint/curve.h"
#include "paint/shapes.h"
#include "paint/text_stuff.h"
#include "support/hex.h"
#include "support/sample_designs.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <tuple>

namespace vantrel {
namespace {

using test::FromHex;
using test::ToHex;

using PaintList = std::vector<std::unique_ptr<PaintStuff>>;

std::vector<std::uint8_t> StoreAll(PaintList& list)
{
    std::vector<std::uint8_t> bytes;
    CArchive ar(StoreTo, bytes, SystemClasses());
    ar.SerializeObjectList(list);
    return bytes;
}

PaintList LoadAll(const std::vector<std::uint8_t>& bytes)
{
    PaintList list;
    CArchive ar(LoadFrom, bytes, SystemClasses());
    ar.SerializeObjectList(list);
    return list;
}

ArchiveCause LoadFailure(const std::vector<std::uint8_t>& bytes)
{
    try {
        LoadAll(bytes);
    } catch (const CArchiveException& e) {
        return e.Cause();
    }
    ADD_FAILURE() << "the load succeeded";
    return ArchiveCause::Generic;
}

TEST(PaintArchive, EveryClassRoundTripsToTheSameBytesAndFields)
{
    auto kinds = test::OneOfEveryPaintKind();
    const auto first = StoreAll(kinds);
    std::vector<std::unique_ptr<PaintStuff>> loaded;
    CArchive ar(LoadFrom, first, SystemClasses());
    ar.SerializeObjectList(loaded);
    EXPECT_EQ(ar.BytesLeft(), 0u);
    EXPECT_EQ(ToHex(StoreAll(loaded)), ToHex(first));
    ASSERT_EQ(loaded.size(), kinds.size());
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const PaintStuff& a = *kinds[i];
        const PaintStuff& b = *loaded[i];
        EXPECT_STREQ(b.ClassName(), a.ClassName());
        EXPECT_EQ(b.from, a.from);
        EXPECT_EQ(b.to, a.to);
        EXPECT_EQ(std::tie(b.normalColor, b.activeColor, b.active2Color, b.progressColor),
                  std::tie(a.normalColor, a.activeColor, a.active2Color, a.progressColor));
        EXPECT_EQ(std::tie(b.commandId, b.activeId, b.active2Id, b.progressId),
                  std::tie(a.commandId, a.activeId, a.active2Id, a.progressId));
        EXPECT_EQ(std::tie(b.commandNum, b.activeNum, b.active2Num),
                  std::tie(a.commandNum, a.activeNum, a.active2Num));
        EXPECT_EQ(std::tie(b.hasCommand, b.hasActive, b.hasActive2, b.hasProgress),
                  std::tie(a.hasCommand, a.hasActive, a.hasActive2, a.hasProgress));
        EXPECT_EQ(
            std::tie(b.width, b.style, b.progressMax, b.activeNeg, b.active2Neg, b.pageIndex),
            std::tie(a.width, a.style, a.progressMax, a.activeNeg, a.active2Neg, a.pageIndex));
        EXPECT_EQ(b.FillColors() ? *b.FillColors() : ColorSet{},
                  a.FillColors() ? *a.FillColors() : ColorSet{});
        EXPECT_EQ(b.TextRef() ? *b.TextRef() : u"", a.TextRef() ? *a.TextRef() : u"");
    }
    auto& curve = dynamic_cast<Curve&>(*loaded[2]);
    ASSERT_EQ(curve.points.size(), 2u);
    EXPECT_EQ(*curve.points[1], FPoint(-0.3f, 0.05f));
}

// The common payload: version, then ids 11 12, numbers 13 14, colours
// 010203 and 040506, command and active on, width 3 | style 1 | active2
// colour 070809, on, number 15 | active2 id 16 | progress id 17, colour
// 0a0b0c, max 100, on | active inverted, active2 not | page 2 | from (0.5,
// -0.5), to (0.25, 1).
constexpr const char* kVersion1 = "01 00 00 00";
constexpr const char* kFirstFields = "0B 00 00 00 0C 00 00 00 0D 00 00 00 0E 00 00 00"
                                     "01 02 03 00 04 05 06 00 01 00 00 00 01 00 00 00"
                                     "03 00 00 00";
constexpr const char* kFieldsUpToVersion6 = "01 00 00 00"
                                            "07 08 09 00 01 00 00 00 0F 00 00 00"
                                            "10 00 00 00"
                                            "11 00 00 00 0A 0B 0C 00 64 00 00 00 01 00 00 00"
                                            "01 00 00 00 00 00 00 00";
constexpr const char* kPage = "02 00 00 00";
constexpr const char* kPoints = "00 00 00 3F 00 00 00 BF 00 00 80 3E 00 00 80 3F";
constexpr const char* kLineClass = "FF FF 01 00 04 00 4C 69 6E 65";
constexpr const char* kPointClass = "FF FF 01 00 06 00 46 50 6F 69 6E 74";

std::string Payload(const char* version)
{
    return std::string(version) + kFirstFields + kFieldsUpToVersion6 + kPage + kPoints;
}

std::string Version1Payload()
{
    return std::string(kVersion1) + kFirstFields + kPoints;
}

void ExpectCommonFieldsOfVersion8(const PaintStuff& p, const char* what)
{
    EXPECT_EQ(std::tie(p.commandId, p.activeId, p.commandNum, p.activeNum),
              std::tuple(11, 12, 13, 14))
        << what;
    EXPECT_EQ(std::tie(p.normalColor, p.activeColor, p.active2Color, p.progressColor),
              std::tuple(Rgb(1, 2, 3), Rgb(4, 5, 6), Rgb(7, 8, 9), Rgb(10, 11, 12)))
        << what;
    EXPECT_EQ(std::tie(p.hasCommand, p.hasActive, p.hasActive2, p.hasProgress),
              std::tuple(1, 1, 1, 1))
        << what;
    EXPECT_EQ(std::tie(p.width, p.style, p.active2Num, p.active2Id, p.progressId, p.progressMax),
              std::tuple(3, 1, 15, 16, 17, 100))
        << what;
    EXPECT_EQ(std::tie(p.activeNeg, p.active2Neg, p.pageIndex), std::tuple(1, 0, 2)) << what;
    EXPECT_EQ(p.from, FPoint(0.5f, -0.5f)) << what;
    EXPECT_EQ(p.to, FPoint(0.25f, 1.0f)) << what;
}

// Loads the payload into the object and checks that it stops right before a
// trailing sentinel byte.
void LoadPayload(PaintStuff& object, const std::string& hex, const char* what)
{
    auto bytes = FromHex(hex + "EE");
    CArchive ar(LoadFrom, bytes, SystemClasses());
    object.Serialize(ar);
    EXPECT_EQ(ar.BytesLeft(), 1u) << what;
}

TEST(PaintArchive, HandWrittenPayloadsLoadEveryClass)
{
    const std::string common = Payload("08 00 00 00");
    const std::string fill = "21 22 23 00 24 25 26 00 27 28 29 00";
    const std::string text = "FF FE FF 02 48 00 69 00"; // "Hi"
    // The point class takes number 1, the first point 2.
    const std::string twoPoints = std::string("02 00") + kPointClass +
                                  "CD CC CC 3D 00 00 80 BF"
                                  "01 80 00 00 00 00 00 00 00 3F";
    struct Case
    {
        const char* what;
        std::unique_ptr<PaintStuff> object;
        std::string hex;
    };
    Case cases[] = {
        {"line", std::make_unique<Line>(), common},
        {"circle", std::make_unique<Circle>(), common},
        {"square", std::make_unique<Square>(), common},
        {"filled circle", std::make_unique<FilledCircle>(), common + fill},
        {"filled square", std::make_unique<FilledSquare>(), common + fill},
        {"curve", std::make_unique<Curve>(), common + twoPoints},
        {"text", std::make_unique<TextStuff>(), common + text},
        {"filled text", std::make_unique<FilledText>(), common + text + fill},
        {"version 9 reads like 8", std::make_unique<Line>(), Payload("09 00 00 00")},
    };
    for (Case& c : cases) {
        LoadPayload(*c.object, c.hex, c.what);
        ExpectCommonFieldsOfVersion8(*c.object, c.what);
        if (const ColorSet* colors = c.object->FillColors()) {
            EXPECT_EQ(*colors, (ColorSet{Rgb(0x21, 0x22, 0x23), Rgb(0x24, 0x25, 0x26),
                                         Rgb(0x27, 0x28, 0x29)}))
                << c.what;
        }
        if (const std::u16string* t = c.object->TextRef()) {
            EXPECT_EQ(*t, u"Hi") << c.what;
        }
    }
    auto& curve = dynamic_cast<Curve&>(*cases[5].object);
    ASSERT_EQ(curve.points.size(), 2u);
    EXPECT_EQ(*curve.points[0], FPoint(0.1f, -1.0f));
    EXPECT_EQ(*curve.points[1], FPoint(0.0f, 0.5f));
}

TEST(PaintArchive, OldVersionsKeepTheDefaultsOfLaterFields)
{
    Line line;
    LoadPayload(line, Version1Payload(), "version 1");
    EXPECT_EQ(std::tie(line.commandId, line.width), std::tuple(11, 3));
    EXPECT_EQ(line.style, 0);
    EXPECT_EQ(line.active2Color, Rgb(0, 255, 255));
    EXPECT_EQ(std::tie(line.hasActive2, line.active2Id, line.hasProgress, line.progressId),
              std::tuple(0, 0, 0, 0));
    EXPECT_EQ(std::tie(line.progressColor, line.progressMax), std::tuple(Rgb(255, 0, 0), 1000));
    EXPECT_EQ(std::tie(line.activeNeg, line.active2Neg, line.pageIndex), std::tuple(0, 0, 0));
    EXPECT_EQ(line.to, FPoint(0.25f, 1.0f));

    // Version 2 has the style but neither text nor the state-2 fill colour.
    const std::string version2 =
        std::string("02 00 00 00") + kFirstFields + "02 00 00 00" + kPoints;
    FilledText text;
    LoadPayload(text, version2 + "21 22 23 00 24 25 26 00", "version 2 filled text");
    EXPECT_EQ(text.style, 2);
    EXPECT_EQ(text.text, u"");
    EXPECT_EQ(text.fillColors,
              (ColorSet{Rgb(0x21, 0x22, 0x23), Rgb(0x24, 0x25, 0x26), Rgb(0, 255, 0)}));
    EXPECT_EQ(text.active2Color, Rgb(0, 255, 255));

    // Version 6 stops before the page.
    Square square;
    LoadPayload(square, std::string("06 00 00 00") + kFirstFields + kFieldsUpToVersion6 + kPoints,
                "version 6");
    EXPECT_EQ(std::tie(square.activeNeg, square.pageIndex), std::tuple(1, 0));
}

TEST(PaintArchive, StoresTheNewestVersionInFieldOrder)
{
    Line line;
    LoadPayload(line, Payload("08 00 00 00"), "line");
    std::vector<std::uint8_t> bytes;
    CArchive ar(StoreTo, bytes, SystemClasses());
    line.Serialize(ar);
    EXPECT_EQ(ToHex(bytes), ToHex(FromHex(Payload("08 00 00 00"))));
}

TEST(PaintArchive, DamagedCurvePointListsFailWithTheArchiveError)
{
    PaintList one;
    one.push_back(std::make_unique<Curve>());
    const auto header = StoreAll(one);
    const auto withoutCount = std::vector<std::uint8_t>(header.begin(), header.end() - 2);
    auto withPoints = [&](const std::string& hex) {
        auto bytes = withoutCount;
        auto tail = FromHex(hex);
        bytes.insert(bytes.end(), tail.begin(), tail.end());
        return bytes;
    };
    EXPECT_EQ(LoadFailure(withPoints("FF FF FF FF FF 7F 00 00")), ArchiveCause::EndOfFile);
    EXPECT_EQ(LoadFailure(withPoints(std::string("01 00") + kLineClass + Payload("08 00 00 00"))),
              ArchiveCause::BadClass)
        << "a line where a point belongs";
    auto loaded =
        LoadAll(withPoints(std::string("02 00 00 00") + kPointClass + "00 00 80 3F 00 00 00 40"));
    EXPECT_EQ(dynamic_cast<Curve&>(*loaded[0]).points.size(), 1u) << "null slots are dropped";
}

TEST(PaintArchive, DamagedListsLoadOrFailWithACause)
{
    auto kinds = test::OneOfEveryPaintKind();
    const auto valid = StoreAll(kinds);
    // Whether the bytes loaded; what loaded is used the way the editor would.
    auto loadAndUse = [](const std::vector<std::uint8_t>& bytes) {
        try {
            for (auto& object : LoadAll(bytes)) {
                if (!object)
                    continue;
                object->Clone()->ScaleAbout(2, 0.5, {});
                object->InRect({-1, -1}, {1, 1}, object->pageIndex);
                object->HitTestAt({5, 5}, {0, 0, 100, 100}, object->pageIndex);
            }
            return true;
        } catch (const CArchiveException& e) {
            EXPECT_GE(int(e.Cause()), 1);
            EXPECT_LE(int(e.Cause()), 7);
            return false;
        }
    };
    for (std::size_t length = 0; length < valid.size(); ++length)
        EXPECT_FALSE(loadAndUse(std::vector<std::uint8_t>(valid.begin(), valid.begin() + length)));
    std::mt19937 random(5);
    for (int variant = 0; variant < 2000; ++variant) {
        auto damaged = valid;
        for (int i = 0; i <= variant % 3; ++i)
            damaged[random() % damaged.size()] ^= std::uint8_t(1u << (random() % 8));
        loadAndUse(damaged);
    }
}

} // namespace
} // namespace vantrel
