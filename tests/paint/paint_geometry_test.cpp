// Coordinates, hit tests, editing geometry, state colours and copies of the
// paint classes.
#include "archive/archive.h"
#include "document/system_classes.h"
#include "paint/curve.h"
#include "paint/shapes.h"
#include "paint/text_stuff.h"
#include "support/hex.h"
#include "support/sample_designs.h"

#include <gtest/gtest.h>

#include <limits>

namespace vantrel {
namespace {

const Rect kClient{0, 0, 200, 100};

template <class T> std::unique_ptr<PaintStuff> Shape(const FPoint& from, const FPoint& to)
{
    auto shape = std::make_unique<T>();
    shape->from = from;
    shape->to = to;
    return shape;
}

template <class T> std::unique_ptr<PaintStuff> Text(const FPoint& from, const std::u16string& text)
{
    auto shape = std::make_unique<T>();
    shape->from = from;
    shape->text = text;
    return shape;
}

std::unique_ptr<Curve> CurveThrough(const FPoint& from, std::initializer_list<FPoint> points)
{
    auto curve = std::make_unique<Curve>();
    curve->from = from;
    for (const FPoint& point : points)
        curve->points.push_back(std::make_unique<FPoint>(point));
    return curve;
}

TEST(PaintHitTest, EachFigureIsHitOnOrNearItself)
{
    struct Case
    {
        const char* what;
        std::unique_ptr<PaintStuff> object;
        FPoint point;
        bool hit;
    };
    Case cases[] = {
        {"ellipse centre", Shape<Circle>({-0.5f, -0.5f}, {0.5f, 0.5f}), {0, 0}, true},
        {"ellipse edge", Shape<Circle>({-0.5f, -0.5f}, {0.5f, 0.5f}), {0.5f, 0}, true},
        {"just outside the ellipse (g = 0.0816)",
         Shape<Circle>({-0.5f, -0.5f}, {0.5f, 0.5f}),
         {0.52f, 0},
         false},
        {"ellipse dragged backwards", Shape<Circle>({0.5f, 0.5f}, {-0.5f, -0.5f}), {0.1f, 0}, true},
        {"filled ellipse", Shape<FilledCircle>({-0.5f, -0.5f}, {0.5f, 0.5f}), {0.52f, 0}, false},
        {"flat ellipse", Shape<Circle>({0, 0}, {0.5f, 0}), {0.25f, 0}, false},
        {"near a horizontal line", Shape<Line>({0, 0}, {0.5f, 0}), {0.25f, 0.009f}, true},
        {"off a horizontal line", Shape<Line>({0, 0}, {0.5f, 0}), {0.25f, 0.011f}, false},
        {"within the end margin", Shape<Line>({0, 0}, {0.5f, 0}), {0.509f, 0}, true},
        {"beyond the end margin", Shape<Line>({0, 0}, {0.5f, 0}), {0.52f, 0}, false},
        {"near a vertical line", Shape<Line>({0.2f, -0.5f}, {0.2f, 0.5f}), {0.205f, 0.1f}, true},
        {"off a vertical line", Shape<Line>({0.2f, -0.5f}, {0.2f, 0.5f}), {0.215f, 0.1f}, false},
        {"near a diagonal", Shape<Line>({0, 0}, {0.5f, 0.5f}), {0.25f, 0.255f}, true},
        {"off a diagonal", Shape<Line>({0, 0}, {0.5f, 0.5f}), {0.25f, 0.3f}, false},
        {"line of zero length", Shape<Line>({0.1f, 0.1f}, {0.1f, 0.1f}), {0.1f, 0.1f}, false},
        {"rectangle corner", Shape<Square>({-0.2f, 0.3f}, {0.4f, -0.1f}), {0.4f, 0.3f}, true},
        {"beside the rectangle", Shape<Square>({-0.2f, 0.3f}, {0.4f, -0.1f}), {0.41f, 0}, false},
        {"inside a filled rectangle",
         Shape<FilledSquare>({-0.2f, 0.3f}, {0.4f, -0.1f}),
         {0, 0},
         true},
        // 3 characters from the centre of a 200 x 100 client: 24 by 12 pixels.
        {"text box corner", Text<TextStuff>({0, 0}, u"abc"), {0.24f, 0.24f}, true},
        {"right of the text", Text<TextStuff>({0, 0}, u"abc"), {0.25f, 0.1f}, false},
        {"below the text", Text<FilledText>({0, 0}, u"abc"), {0.1f, 0.25f}, false},
        {"left of the text", Text<FilledText>({0, 0}, u"abc"), {-0.01f, 0.1f}, false},
        // From pixel (50, -25) relative to the centre: 16 by 12 pixels.
        {"box of a placed text", Text<TextStuff>({0.5f, -0.5f}, u"ab"), {0.66f, -0.26f}, true},
        {"beyond a placed text", Text<TextStuff>({0.5f, -0.5f}, u"ab"), {0.67f, -0.3f}, false},
        {"curve", CurveThrough({0, 0}, {{0.5f, 0}}), {0, 0}, false},
    };
    for (Case& c : cases)
        EXPECT_EQ(c.object->HitTest(c.point, kClient), c.hit) << c.what;
}

TEST(PaintHitTest, ClicksHitOnlyTheObjectsOfTheirPage)
{
    auto square = Shape<Square>({-1, -1}, {0, 0});
    square->pageIndex = 1;
    EXPECT_TRUE(square->HitTestAt({50, 25}, kClient, 1));
    EXPECT_FALSE(square->HitTestAt({50, 25}, kClient, 0));
    EXPECT_FALSE(square->HitTestAt({150, 25}, kClient, 1));
}

TEST(FPointConversion, MapsTheClientRectangleOntoMinusOneToOne)
{
    const Rect offset{10, 20, 210, 120};
    EXPECT_EQ(FPoint::FromDevice({10, 20}, offset), FPoint(-1, -1));
    EXPECT_EQ(FPoint::FromDevice({110, 70}, offset), FPoint(0, 0));
    EXPECT_EQ(FPoint::FromDevice({210, 120}, offset), FPoint(1, 1));
    EXPECT_EQ(FPoint::FromDevice({60, 45}, offset), FPoint(-0.5f, -0.5f));

    EXPECT_EQ(FPoint(-1, -1).ToDevice(offset), (Point{10, 20}));
    EXPECT_EQ(FPoint(0.999f, 0.5f).ToDevice(kClient), (Point{199, 75}));
    EXPECT_EQ(FPoint(-0.999f, -0.5f).ToDevice(kClient), (Point{1, 25})) << "truncates toward 0";

    // Values from a damaged file still give a pixel.
    EXPECT_EQ(FPoint(std::numeric_limits<float>::quiet_NaN(), 0).ToDevice(kClient),
              (Point{100, 50}));
    // Far-off ones the nearest device coordinate there is, whose differences
    // fit an int.
    EXPECT_EQ(FPoint(1e30f, -1e30f).ToDevice(kClient), (Point{1 << 28, -(1 << 28)}));
}

TEST(PaintGeometry, RubberBandTakesObjectsWhollyInsideOnTheirPage)
{
    auto line = Shape<Line>({-0.5f, 0.2f}, {0.5f, -0.2f});
    auto curve = CurveThrough({0, 0}, {{0.2f, -0.3f}, {-0.4f, 0.1f}});
    curve->to = {5, 5};
    auto text = Text<TextStuff>({0.1f, 0.1f}, u"long text reaching beyond the band");
    text->to = {-5, -5};
    struct Case
    {
        const char* what;
        const PaintStuff& object;
        FPoint a, b;
        int page;
        bool inside;
    };
    const Case cases[] = {
        {"band drawn either way", *line, {0.5f, -0.2f}, {-0.5f, 0.2f}, 0, true},
        {"borders included", *line, {-0.5f, -0.2f}, {0.5f, 0.2f}, 0, true},
        {"partly outside", *line, {-0.4f, -0.2f}, {0.5f, 0.2f}, 0, false},
        {"other page", *line, {-1, -1}, {1, 1}, 1, false},
        {"curve by its points, not `to`", *curve, {-0.4f, -0.3f}, {0.2f, 0.1f}, 0, true},
        {"curve with a point outside", *curve, {-0.39f, -0.3f}, {0.2f, 0.1f}, 0, false},
        {"text by its position", *text, {0.1f, 0.1f}, {0.1f, 0.1f}, 0, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.object.InRect(c.a, c.b, c.page), c.inside) << c.what;
    EXPECT_EQ(curve->TopLeft(), FPoint(-0.4f, -0.3f));
    EXPECT_EQ(curve->BottomRight(), FPoint(0.2f, 0.1f));
}

TEST(PaintGeometry, MovesScalesAndMirrorsTheDefiningPoints)
{
    auto line = Shape<Line>({0.1f, -0.2f}, {0.3f, 0.4f});
    line->MoveBy(0.5, -0.25);
    EXPECT_EQ(line->from, FPoint(0.1f + 0.5f, -0.2f - 0.25f));
    EXPECT_EQ(line->to, FPoint(0.3f + 0.5f, 0.4f - 0.25f));

    auto square = Shape<Square>({0.1f, 0.3f}, {0.7f, -0.3f});
    square->ScaleAbout(2, 1, {0.5f, 0.9f});
    const auto scaledX = float((double(0.1f) - 0.5) * 2 + 0.5);
    EXPECT_EQ(square->from, FPoint(scaledX, 0.3f));
    EXPECT_EQ(square->to, FPoint(float((double(0.7f) - 0.5) * 2 + 0.5), -0.3f));
    square->ScaleAbout(1, 0.5, {0, 0.1f});
    EXPECT_EQ(square->from.x, scaledX) << "an axis with factor 1 stays exactly";
    EXPECT_FLOAT_EQ(square->from.y, 0.2f);

    line = Shape<Line>({0.1f, -0.2f}, {0.3f, 0.4f});
    line->MirrorX(0.25);
    EXPECT_FLOAT_EQ(line->from.x, 0.4f);
    EXPECT_FLOAT_EQ(line->to.x, 0.2f);
    EXPECT_EQ(line->from.y, -0.2f);
    line->MirrorY(0);
    EXPECT_EQ(line->from.y, 0.2f);
    EXPECT_EQ(line->to.y, -0.4f);
}

TEST(PaintGeometry, CurvesKeepTheirPointsRelativeToTheStart)
{
    auto curve = CurveThrough({0.1f, 0.1f}, {{0.2f, 0}, {-0.1f, 0.3f}});
    curve->MirrorX(0);
    curve->MoveBy(0.1, 0.1);
    EXPECT_FLOAT_EQ(curve->from.x, 0.0f);
    EXPECT_FLOAT_EQ(curve->from.y, 0.2f);
    EXPECT_EQ(*curve->points[0], FPoint(0.2f, 0)) << "mirroring moves only the start";
    EXPECT_EQ(*curve->points[1], FPoint(-0.1f, 0.3f));

    curve = CurveThrough({0.1f, 0.1f}, {{0.2f, 0}, {-0.1f, 0.3f}});
    curve->ScaleAbout(2, 1, {0, 0});
    EXPECT_FLOAT_EQ(curve->from.x, 0.2f);
    EXPECT_FLOAT_EQ(curve->points[0]->x, 0.4f) << "absolute 0.3 scaled to 0.6";
    EXPECT_FLOAT_EQ(curve->points[1]->x, -0.2f) << "absolute 0 stays 0";
    EXPECT_FLOAT_EQ(curve->points[1]->y, 0.3f);
}

TEST(PaintGeometry, StraightenSnapsAlmostAxisParallelLines)
{
    struct Case
    {
        FPoint to;
        FPoint straightened;
    };
    for (const Case& c : {Case{{0.5f, 0.009f}, {0.5f, 0}}, Case{{-0.005f, 0.5f}, {0, 0.5f}},
                          Case{{0.5f, 0.01f}, {0.5f, 0.01f}}, Case{{0.005f, -0.005f}, {0, 0}}}) {
        auto line = Shape<Line>({0, 0}, c.to);
        line->Straighten();
        EXPECT_EQ(line->to, c.straightened) << c.to.x << ", " << c.to.y;
    }
    auto circle = Shape<Circle>({0, 0}, {0.5f, 0.009f});
    circle->Straighten();
    EXPECT_EQ(circle->to, FPoint(0.5f, 0.009f));
}

TEST(PaintStateColor, BlinkingAlternatesWithTheTickAndUnknownStatesShowNormal)
{
    FilledSquare square;
    square.normalColor = Rgb(1, 1, 1);
    square.activeColor = Rgb(2, 2, 2);
    square.active2Color = Rgb(3, 3, 3);
    square.fillColors = {Rgb(4, 4, 4), Rgb(5, 5, 5), Rgb(6, 6, 6)};
    struct Case
    {
        std::int32_t style;
        int state;
        int tick;
        Colour pen;
        Colour fill;
    };
    const Case cases[] = {
        {PaintStuff::kBlinking, 1, 0, Rgb(2, 2, 2), Rgb(5, 5, 5)},
        {PaintStuff::kBlinking, 1, 1, Rgb(1, 1, 1), Rgb(4, 4, 4)},
        {PaintStuff::kBlinking, 1, 2, Rgb(2, 2, 2), Rgb(5, 5, 5)},
        {PaintStuff::kBlinking, 2, 7, Rgb(1, 1, 1), Rgb(4, 4, 4)},
        {PaintStuff::kBlinking, 0, 0, Rgb(1, 1, 1), Rgb(4, 4, 4)},
        {PaintStuff::kSolid, 1, 1, Rgb(2, 2, 2), Rgb(5, 5, 5)},
        {PaintStuff::kMoving, 2, 1, Rgb(3, 3, 3), Rgb(6, 6, 6)},
        {PaintStuff::kSolid, 3, 0, Rgb(1, 1, 1), Rgb(4, 4, 4)},
        {PaintStuff::kSolid, -1, 0, Rgb(1, 1, 1), Rgb(4, 4, 4)},
    };
    for (const Case& c : cases) {
        square.style = c.style;
        EXPECT_EQ(square.StateColor(c.state, c.tick), c.pen)
            << c.style << " " << c.state << " " << c.tick;
        EXPECT_EQ(square.FillStateColor(c.state, c.tick), c.fill)
            << c.style << " " << c.state << " " << c.tick;
    }
    Line defaults;
    defaults.style = PaintStuff::kBlinking;
    EXPECT_EQ(defaults.StateColor(1, 0), Rgb(255, 0, 0));
    EXPECT_EQ(defaults.StateColor(1, 1), Rgb(0, 0, 0));
}

std::vector<std::uint8_t> Stored(PaintStuff& object)
{
    std::vector<std::uint8_t> bytes;
    CArchive ar(StoreTo, bytes, SystemClasses());
    object.Serialize(ar);
    return bytes;
}

TEST(PaintClone, CopiesEverySettingButTheActive2CacheIntoAnIndependentObject)
{
    for (auto& original : test::OneOfEveryPaintKind()) {
        original->progressIndex = 77;
        auto clone = original->Clone();
        EXPECT_STREQ(clone->ClassName(), original->ClassName());
        EXPECT_EQ(clone->active2Num, -1) << original->ClassName();
        EXPECT_EQ(clone->progressIndex, 77);
        clone->active2Num = original->active2Num;
        const std::string originalBytes = test::ToHex(Stored(*original));
        EXPECT_EQ(test::ToHex(Stored(*clone)), originalBytes) << original->ClassName();

        if (ColorSet* fill = clone->FillColors())
            (*fill)[0] = Rgb(9, 9, 9);
        if (std::u16string* text = clone->TextRef())
            *text = u"changed";
        if (auto* curve = dynamic_cast<Curve*>(clone.get())) {
            curve->points[0]->x = 0.9f;
            curve->points.pop_back();
        }
        clone->from = {0.9f, 0.9f};
        EXPECT_NE(test::ToHex(Stored(*clone)), originalBytes);
        EXPECT_EQ(test::ToHex(Stored(*original)), originalBytes) << original->ClassName();
    }
}

TEST(PaintClone, CopyFromTakesExtraFieldsOnlyFromTheSameClass)
{
    auto source = Text<FilledText>({0.3f, 0.3f}, u"source");
    static_cast<FilledText&>(*source).fillColors[1] = Rgb(1, 2, 3);
    source->width = 7;

    TextStuff text;
    text.CopyFrom(*source);
    EXPECT_EQ(text.text, u"source");
    EXPECT_EQ(text.width, 7);

    auto other = Text<TextStuff>({0, 0}, u"own");
    other->CopyFrom(Line());
    EXPECT_EQ(*other->TextRef(), u"own");
    EXPECT_EQ(other->width, 1);

    FilledCircle circle;
    circle.CopyFrom(*source);
    EXPECT_EQ(circle.fillColors, kDefaultFillColors);
    EXPECT_EQ(circle.from, FPoint(0.3f, 0.3f));

    auto curve = CurveThrough({0, 0}, {{0.1f, 0.1f}});
    curve->CopyFrom(*curve);
    ASSERT_EQ(curve->points.size(), 1u);
    EXPECT_EQ(*curve->points[0], FPoint(0.1f, 0.1f));
}

TEST(PaintText, PlacedAtADevicePointWithDefaults)
{
    TextStuff text({50, 25}, kClient, u"Hi", 3);
    EXPECT_EQ(text.from, FPoint(-0.5f, -0.5f));
    EXPECT_EQ(text.to, FPoint(-1, -1));
    EXPECT_EQ(text.text, u"Hi");
    EXPECT_EQ(text.pageIndex, 3);
    EXPECT_EQ(text.width, 1);
    FilledText filled({100, 50}, kClient, u"Ho", 1);
    EXPECT_EQ(filled.from, FPoint(0, 0));
    EXPECT_EQ(filled.fillColors, kDefaultFillColors);
    EXPECT_EQ(*filled.TextRef(), u"Ho");
}

} // namespace
} // namespace vantrel
