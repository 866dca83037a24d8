// How each paint class draws itself, call by call, in its colour states,
// styles and progress displays.
#include "paint/curve.h"
#include "paint/shapes.h"
#include "paint/text_stuff.h"
#include "support/recording_surface.h"
#include "support/sample_designs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <limits>
#include <regex>
#include <utility>

namespace vantrel {
namespace {

using Calls = std::vector<std::string>;

// 400 x 200 pixels: -0.5 and 0.5 lie at x = 100 and 300, y = 50 and 150, and
// the dashes of a moving line are g = 2 pixels long.
constexpr Rect kClient{0, 0, 400, 200};
constexpr Colour kProgressBlue = Rgb(0, 0, 255);
// What the surface holds before each object draws, as the view leaves it.
const std::string kRestorePen = "SetPen(Solid,1,#000000)";

struct Case
{
    const char* what;
    std::function<std::unique_ptr<PaintStuff>()> make;
    int state;
    int tick;
    int progress;
    Calls calls;
};

// An object of class T spanning `from`-`to`, 2 pixels wide.
template <class T>
std::function<std::unique_ptr<PaintStuff>()>
Shape(const FPoint& from, const FPoint& to, int style = 0, std::function<void(T&)> adjust = {})
{
    return [=] {
        auto object = std::make_unique<T>();
        object->from = from;
        object->to = to;
        object->width = 2;
        object->style = style;
        if (adjust)
            adjust(*object);
        return object;
    };
}

template <class T> std::function<void(T&)> WithProgress(std::int32_t max = 1000)
{
    return [max](T& object) {
        object.hasProgress = 1;
        object.progressMax = max;
        object.progressColor = kProgressBlue;
    };
}

// A surface as the preview picture hands it to the objects: hollow brush,
// transparent text background, no calls recorded yet.
struct PreparedSurface
{
    PreparedSurface()
    {
        surface.SetBrush(Brush::Hollow());
        surface.SetBackgroundMode(BackgroundMode::Transparent);
        surface.Clear();
    }
    test::RecordingSurface surface;
};

Calls DrawCalls(const PaintStuff& object, int state, int tick, int progress,
                const Rect& client = kClient)
{
    PreparedSurface prepared;
    object.Draw(prepared.surface, client, state, tick, progress);
    return prepared.surface.Calls();
}

void ExpectCases(const std::vector<Case>& cases)
{
    for (const Case& c : cases)
        EXPECT_EQ(DrawCalls(*c.make(), c.state, c.tick, c.progress), c.calls) << c.what;
}

const FPoint kTopLeft{-0.5f, -0.5f};
const FPoint kBottomRight{0.5f, 0.5f};

TEST(LineDrawing, ColourStatesStylesAndProgress)
{
    const auto line = [](int style = 0, std::function<void(Line&)> adjust = {}) {
        return Shape<Line>(kTopLeft, kBottomRight, style, std::move(adjust));
    };
    const Calls black = {"MoveTo(100,50)", "SetPen(Solid,2,#000000)", "LineTo(300,150)",
                         kRestorePen};
    const Calls red = {"MoveTo(100,50)", "SetPen(Solid,2,#ff0000)", "LineTo(300,150)", kRestorePen};
    ExpectCases({
        {"unselected moving line: normal colour, no dashes", line(PaintStuff::kMoving), 0, 1, 333,
         black},
        {"unselected blinking line", line(PaintStuff::kBlinking), 0, 0, 333, black},
        {"selected solid line", line(), 1, 1, 333, red},
        {"selected blinking line, even tick", line(PaintStuff::kBlinking), 1, 2, 333, red},
        {"selected blinking line, odd tick", line(PaintStuff::kBlinking), 1, 1, 333, black},
        {"state 2",
         line(),
         2,
         0,
         333,
         {"MoveTo(100,50)", "SetPen(Solid,2,#00ffff)", "LineTo(300,150)", kRestorePen}},
        {"selected line of an unknown style draws nothing", line(5), 1, 0, 333, {}},
        {"unselected line of an unknown style", line(5), 0, 0, 333, black},
        {"progress: the reached third in the progress colour, the rest in the state colour",
         line(0, WithProgress<Line>()),
         0,
         0,
         333,
         {"MoveTo(100,50)", "SetPen(Solid,2,#0000ff)", "LineTo(167,84)", "SetPen(Solid,2,#000000)",
          "LineTo(300,150)", kRestorePen}},
        {"progress past the maximum reaches the end",
         line(0, WithProgress<Line>()),
         0,
         0,
         1500,
         {"MoveTo(100,50)", "SetPen(Solid,2,#0000ff)", "LineTo(300,150)", "SetPen(Solid,2,#000000)",
          "LineTo(300,150)", kRestorePen}},
        {"a progress maximum of 0 shows no progress", line(0, WithProgress<Line>(0)), 0, 0, 0,
         black},
        {"a negative progress maximum shows no progress", line(0, WithProgress<Line>(-3)), 0, 0, -1,
         black},
    });
}

TEST(LineDrawing, MovingDashesAdvanceByTheirLengthEachTick)
{
    const auto movingLine = Shape<Line>(kTopLeft, kBottomRight, PaintStuff::kMoving);
    // g = 2: dashes 2 on, 4 off; the start moves 2 pixels along the line per tick.
    const auto moving = [](const char* dashStart, const char* dashColour) {
        return Calls{"SetPen(Solid,2,#000000)",
                     "MoveTo(100,50)",
                     "LineTo(300,150)",
                     std::string("SetPen(UserDash,2,") + dashColour + ",{2,4})",
                     dashStart,
                     "LineTo(300,150)",
                     kRestorePen};
    };
    ExpectCases({
        {"tick 0", movingLine, 1, 0, 0, moving("MoveTo(100,50)", "#ff0000")},
        {"tick 1", movingLine, 1, 1, 0, moving("MoveTo(101,50)", "#ff0000")},
        {"tick 2", movingLine, 1, 2, 0, moving("MoveTo(103,51)", "#ff0000")},
        {"tick 3 starts over", movingLine, 1, 3, 0, moving("MoveTo(100,50)", "#ff0000")},
        {"state 2 dashes in the active2 colour", movingLine, 2, 1, 0,
         moving("MoveTo(101,50)", "#00ffff")},
        {"a line of no length keeps its start",
         Shape<Line>({0, 0}, {0, 0}, PaintStuff::kMoving),
         1,
         1,
         0,
         {"SetPen(Solid,2,#000000)", "MoveTo(200,100)", "LineTo(200,100)",
          "SetPen(UserDash,2,#ff0000,{2,4})", "MoveTo(200,100)", "LineTo(200,100)", kRestorePen}},
        {"the progress display does not apply while moving",
         Shape<Line>(kTopLeft, kBottomRight, PaintStuff::kMoving, WithProgress<Line>()), 1, 0, 333,
         moving("MoveTo(100,50)", "#ff0000")},
    });
}

TEST(LineDrawing, MovingLineOnAClientTooSmallForDashesIsSolid)
{
    const auto line = Shape<Line>(kTopLeft, kBottomRight, PaintStuff::kMoving)();
    // A smaller side of 99 pixels gives a dash length of 0.
    EXPECT_EQ(DrawCalls(*line, 1, 1, 0, {0, 0, 150, 99}),
              (Calls{"SetPen(Solid,2,#ff0000)", "MoveTo(38,25)", "LineTo(112,73)", kRestorePen}));
    // 100 pixels are enough for dashes of one pixel.
    EXPECT_EQ(DrawCalls(*line, 1, 0, 0, {0, 0, 150, 100})[3], "SetPen(UserDash,2,#ff0000,{1,2})");
}

TEST(CircleDrawing, ProgressArcStartsBelowTheCentreAndTurnsByTheAxesSigns)
{
    const auto circle = [](const FPoint& from, const FPoint& to) {
        return Shape<Circle>(from, to, 0, WithProgress<Circle>());
    };
    const auto withArc = [](const char* box, const char* arc, const char* direction) {
        return Calls{"SetPen(Solid,2,#000000)",
                     std::string("DrawEllipse(") + box + ")",
                     "SetPen(Solid,2,#0000ff)",
                     std::string("SetArcDirection(") + direction + ")",
                     std::string("DrawArc(") + box + "; " + arc + ")",
                     "SetArcDirection(CounterClockwise)",
                     kRestorePen};
    };
    // v = 333 of 1000: the angle 2.0931 rad, cos -0.4989, sin 0.8667.
    ExpectCases({
        {"v = 0 draws the ellipse only",
         circle(kTopLeft, kBottomRight),
         0,
         0,
         0,
         {"SetPen(Solid,2,#000000)", "DrawEllipse(100,50,300,150)", "SetPen(Solid,2,#0000ff)",
          kRestorePen}},
        {"v at the maximum draws the whole ellipse again",
         circle(kTopLeft, kBottomRight),
         0,
         0,
         1000,
         {"SetPen(Solid,2,#000000)", "DrawEllipse(100,50,300,150)", "SetPen(Solid,2,#0000ff)",
          "DrawEllipse(100,50,300,150)", kRestorePen}},
        {"v past the maximum",
         circle(kTopLeft, kBottomRight),
         0,
         0,
         5000,
         {"SetPen(Solid,2,#000000)", "DrawEllipse(100,50,300,150)", "SetPen(Solid,2,#0000ff)",
          "DrawEllipse(100,50,300,150)", kRestorePen}},
        {"a and b positive: clockwise, the short way from below the centre",
         circle(kTopLeft, kBottomRight), 0, 0, 333,
         withArc("100,50,300,150", "200,150 -> 151,143", "Clockwise")},
        {"a negative: counter-clockwise", circle({0.5f, -0.5f}, {-0.5f, 0.5f}), 0, 0, 333,
         withArc("300,50,100,150", "200,150 -> 249,143", "CounterClockwise")},
        {"b negative: counter-clockwise, starting above the centre",
         circle({-0.5f, 0.5f}, {0.5f, -0.5f}), 0, 0, 333,
         withArc("100,150,300,50", "200,50 -> 151,57", "CounterClockwise")},
        {"both negative: clockwise", circle(kBottomRight, kTopLeft), 0, 0, 333,
         withArc("300,150,100,50", "200,50 -> 249,57", "Clockwise")},
        {"a zero counts as positive", circle({0, -0.5f}, {0, 0.5f}), 0, 0, 333,
         withArc("200,50,200,150", "200,150 -> 200,143", "Clockwise")},
        {"a progress maximum of 0 shows no progress",
         Shape<Circle>(kTopLeft, kBottomRight, 0, WithProgress<Circle>(0)),
         0,
         0,
         0,
         {"SetPen(Solid,2,#000000)", "DrawEllipse(100,50,300,150)", kRestorePen}},
        {"selected blinking ellipse on an odd tick in the normal colour",
         Shape<Circle>(kTopLeft, kBottomRight, PaintStuff::kBlinking),
         1,
         1,
         0,
         {"SetPen(Solid,2,#000000)", "DrawEllipse(100,50,300,150)", kRestorePen}},
        {"selected ellipse of an unknown style draws nothing",
         Shape<Circle>(kTopLeft, kBottomRight, 3),
         1,
         0,
         0,
         {}},
    });
}

TEST(CircleDrawing, MovingEllipseTurnsSevenDashesBackwards)
{
    const auto circle = Shape<Circle>(kTopLeft, kBottomRight, PaintStuff::kMoving)();
    const auto arcs = [&](int tick) {
        PreparedSurface prepared;
        circle->Draw(prepared.surface, kClient, 1, tick, 0);
        return prepared.surface.Calls("DrawArc");
    };
    const Calls tick0 = arcs(0);
    ASSERT_EQ(tick0.size(), 7u);
    // Dash 0 from angle 0 (the right end) to 0.2993 rad; dash 1 from 0.8979 rad.
    EXPECT_EQ(tick0[0], "DrawArc(100,50,300,150; 300,100 -> 295,114)");
    EXPECT_EQ(tick0[1], "DrawArc(100,50,300,150; 262,139 -> 236,146)");
    // One dash length back per tick: dash 0 now ends where it started.
    EXPECT_EQ(arcs(1)[0], "DrawArc(100,50,300,150; 295,86 -> 300,100)");
    EXPECT_EQ(arcs(3), tick0);

    PreparedSurface prepared;
    circle->Draw(prepared.surface, kClient, 1, 0, 0);
    const Calls& calls = prepared.surface.Calls();
    EXPECT_EQ((Calls{calls.begin(), calls.begin() + 4}),
              (Calls{"SetPen(Solid,2,#000000)", "DrawEllipse(100,50,300,150)",
                     "SetPen(Solid,2,#ff0000)", "SetArcDirection(Clockwise)"}));
    EXPECT_EQ((Calls{calls.end() - 2, calls.end()}),
              (Calls{"SetArcDirection(CounterClockwise)", kRestorePen}));

    // Unselected it is a plain ellipse.
    EXPECT_EQ(DrawCalls(*circle, 0, 1, 0),
              (Calls{"SetPen(Solid,2,#000000)", "DrawEllipse(100,50,300,150)", kRestorePen}));
}

TEST(FilledCircleDrawing, FillsWithTheFillColourOfItsState)
{
    const auto filled = [](int style) {
        return Shape<FilledCircle>(kTopLeft, kBottomRight, style);
    };
    const auto calls = [](const char* fill, const char* pen) {
        return Calls{std::string("SetBrush(Solid,") + fill + ")",
                     std::string("SetPen(Solid,2,") + pen + ")", "DrawEllipse(100,50,300,150)",
                     kRestorePen, "SetBrush(Hollow)"};
    };
    ExpectCases({
        {"unselected", filled(0), 0, 0, 0, calls("#646464", "#000000")},
        {"selected", filled(0), 1, 0, 0, calls("#640000", "#ff0000")},
        {"state 2", filled(0), 2, 0, 0, calls("#00ff00", "#00ffff")},
        {"selected blinking, odd tick", filled(PaintStuff::kBlinking), 1, 3, 0,
         calls("#646464", "#000000")},
    });
    // Moving keeps the fill under the ellipse and its dashes.
    PreparedSurface prepared;
    filled(PaintStuff::kMoving)()->Draw(prepared.surface, kClient, 1, 0, 0);
    EXPECT_EQ(prepared.surface.Calls().front(), "SetBrush(Solid,#640000)");
    EXPECT_EQ(prepared.surface.Calls("DrawArc").size(), 7u);
    EXPECT_EQ(prepared.surface.Calls().back(), "SetBrush(Hollow)");
}

TEST(SquareDrawing, OutlineInTheStateColourWithoutMovingOrProgress)
{
    const auto square = [](int style, std::function<void(Square&)> adjust = {}) {
        return Shape<Square>(kTopLeft, kBottomRight, style, std::move(adjust));
    };
    const auto outline = [](const char* pen) {
        return Calls{std::string("SetPen(Solid,2,") + pen + ")", "DrawRectangle(100,50,300,150)",
                     kRestorePen};
    };
    ExpectCases({
        {"unselected", square(0), 0, 0, 0, outline("#000000")},
        {"selected moving: no dashes", square(PaintStuff::kMoving), 1, 1, 0, outline("#ff0000")},
        {"selected blinking, odd tick", square(PaintStuff::kBlinking), 1, 1, 0, outline("#000000")},
        {"progress does not apply", square(0, WithProgress<Square>()), 0, 0, 333,
         outline("#000000")},
    });
}

TEST(FilledSquareDrawing, ProgressFillsFromTheToEdgeTowardsTheFromEdge)
{
    const auto filled = [](const FPoint& from, const FPoint& to, std::int32_t max = 1000) {
        return Shape<FilledSquare>(from, to, 0, WithProgress<FilledSquare>(max));
    };
    const auto calls = [](const char* box, std::vector<std::string> fill) {
        Calls result{"SetBrush(Solid,#646464)", "SetPen(Solid,2,#000000)",
                     std::string("DrawRectangle(") + box + ")", kRestorePen};
        result.insert(result.end(), fill.begin(), fill.end());
        result.push_back("SetBrush(Hollow)");
        return result;
    };
    ExpectCases({
        {"to below from: the lower third", filled(kTopLeft, kBottomRight), 0, 0, 333,
         calls("100,50,300,150", {"FillRectangle(100,116,300,150,#0000ff)"})},
        {"to above from: the upper third, from the top edge downwards",
         filled({-0.5f, 0.5f}, {0.5f, -0.5f}), 0, 0, 333,
         calls("100,150,300,50", {"FillRectangle(100,50,300,84,#0000ff)"})},
        {"to left of from: an empty rectangle", filled({0.5f, -0.5f}, {-0.5f, 0.5f}), 0, 0, 333,
         calls("300,50,100,150", {"FillRectangle(300,116,100,150,#0000ff)"})},
        {"v = 0: an empty band at the to edge", filled(kTopLeft, kBottomRight), 0, 0, 0,
         calls("100,50,300,150", {"FillRectangle(100,150,300,150,#0000ff)"})},
        {"v past the maximum fills it all", filled(kTopLeft, kBottomRight), 0, 0, 4000,
         calls("100,50,300,150", {"FillRectangle(100,50,300,150,#0000ff)"})},
        {"a progress maximum of 0 shows no progress", filled(kTopLeft, kBottomRight, 0), 0, 0, 0,
         calls("100,50,300,150", {})},
    });
    EXPECT_TRUE((Rect{300, 116, 100, 150}).IsEmpty());
}

TEST(CurveDrawing, MovingCurveLightsEveryThirdBlockTravellingWithTheTick)
{
    // Offsets of 0.022 each: the points end the blocks 1, 2, 3 and 4 of 0.02.
    const auto curve = [](int style) {
        return [style] {
            auto object = std::make_unique<Curve>();
            object->from = {-0.5f, 0};
            object->to = {0.9f, 0.9f}; // not part of the figure
            object->width = 2;
            object->style = style;
            for (float x : {0.022f, 0.044f, 0.066f, 0.088f})
                object->points.push_back(std::make_unique<FPoint>(x, 0.0f));
            return std::unique_ptr<PaintStuff>(std::move(object));
        };
    };
    const auto plain = [](const char* pen) {
        return Calls{std::string("SetPen(Solid,2,") + pen + ")",
                     "MoveTo(100,100)",
                     "LineTo(105,100)",
                     "MoveTo(105,100)",
                     "LineTo(109,100)",
                     "MoveTo(109,100)",
                     "LineTo(114,100)",
                     "MoveTo(114,100)",
                     "LineTo(118,100)",
                     "MoveTo(118,100)",
                     kRestorePen};
    };
    const auto moving = [](const char* first, std::vector<const char*> blocks) {
        Calls calls{std::string("SetPen(Solid,2,") + first + ")", "MoveTo(100,100)"};
        const char* xs[] = {"105", "109", "114", "118"};
        for (std::size_t i = 0; i < 4; ++i) {
            calls.push_back(std::string("SetPen(Solid,2,") + blocks[i] + ")");
            calls.push_back(std::string("LineTo(") + xs[i] + ",100)");
            calls.push_back(std::string("MoveTo(") + xs[i] + ",100)");
        }
        calls.push_back(kRestorePen);
        return calls;
    };
    const char* red = "#ff0000";
    const char* black = "#000000";
    ExpectCases({
        {"unselected moving curve", curve(PaintStuff::kMoving), 0, 1, 0, plain(black)},
        {"selected solid curve", curve(0), 1, 0, 0, plain(red)},
        {"selected blinking curve, odd tick", curve(PaintStuff::kBlinking), 1, 1, 0, plain(black)},
        {"moving, tick 0: block 3 lit", curve(PaintStuff::kMoving), 1, 0, 0,
         moving(red, {black, black, red, black})},
        {"moving, tick 1: blocks 1 and 4 lit", curve(PaintStuff::kMoving), 1, 1, 0,
         moving(red, {red, black, black, red})},
        {"moving, tick 5: block 2 lit", curve(PaintStuff::kMoving), 1, 5, 0,
         moving(red, {black, red, black, black})},
        {"moving in state 2: lit blocks in the active colour", curve(PaintStuff::kMoving), 2, 1, 0,
         moving("#00ffff", {red, black, black, red})},
    });
}

TEST(TextDrawing, StateColourProgressValueAndFilledBackground)
{
    const auto text = [](int style, bool progress, std::int32_t max = 1000) {
        return [=] {
            auto object = std::make_unique<TextStuff>();
            object->from = kTopLeft;
            object->text = u"Level";
            object->style = style;
            object->hasProgress = progress ? 1 : 0;
            object->progressMax = max;
            return std::unique_ptr<PaintStuff>(std::move(object));
        };
    };
    const auto drawn = [](const char* colour, const char* shown) {
        return Calls{std::string("SetTextColour(") + colour + ")",
                     std::string("DrawText(100,50,\"") + shown + "\")", "SetTextColour(#000000)"};
    };
    ExpectCases({
        {"unselected", text(0, false), 0, 0, 333, drawn("#000000", "Level")},
        {"selected", text(0, false), 1, 0, 333, drawn("#ff0000", "Level")},
        {"selected blinking, odd tick", text(PaintStuff::kBlinking, false), 1, 1, 333,
         drawn("#000000", "Level")},
        {"the progress value after the text", text(0, true), 0, 0, 333,
         drawn("#000000", "Level: 333")},
        {"a progress maximum of 0 shows the text alone", text(0, true, 0), 0, 0, 0,
         drawn("#000000", "Level")},
    });

    auto filled = std::make_unique<FilledText>(Point{100, 50}, kClient, u"Pump", 0);
    EXPECT_EQ(
        DrawCalls(*filled, 1, 0, 0),
        (Calls{"SetBackgroundMode(Opaque)", "SetTextBackground(#640000)", "SetTextColour(#ff0000)",
               "DrawText(100,50,\"Pump\")", "SetTextColour(#000000)", "SetTextBackground(#ffffff)",
               "SetBackgroundMode(Transparent)"}));
}

// Whatever a paint object draws, the next one finds the surface as the
// caller set it up.
TEST(PaintDrawing, EveryClassLeavesTheSurfaceStateAsItFoundIt)
{
    std::vector<std::unique_ptr<PaintStuff>> objects;
    objects.push_back(std::make_unique<Line>());
    objects.push_back(std::make_unique<Circle>());
    objects.push_back(std::make_unique<FilledCircle>());
    objects.push_back(std::make_unique<Square>());
    objects.push_back(std::make_unique<FilledSquare>());
    objects.push_back(std::make_unique<TextStuff>(Point{10, 10}, kClient, u"t", 0));
    objects.push_back(std::make_unique<FilledText>(Point{10, 10}, kClient, u"t", 0));
    auto curve = std::make_unique<Curve>();
    curve->points.push_back(std::make_unique<FPoint>(0.3f, 0.1f));
    objects.push_back(std::move(curve));
    for (auto& object : objects) {
        object->from = {-0.4f, -0.3f};
        object->to = {0.2f, 0.6f};
        object->hasProgress = 1;
        for (int style : {0, 1, 2})
            for (int state : {0, 1, 2}) {
                object->style = style;
                PreparedSurface prepared;
                test::RecordingSurface& surface = prepared.surface;
                const SurfaceState before = surface.State();
                object->Draw(surface, kClient, state, 1, 500);
                const SurfaceState& after = surface.State();
                const std::string what = std::string(object->ClassName()) + " style " +
                                         std::to_string(style) + " state " + std::to_string(state);
                EXPECT_FALSE(surface.Calls().empty()) << what;
                EXPECT_EQ(after.pen, before.pen) << what;
                EXPECT_EQ(after.brush, before.brush) << what;
                EXPECT_EQ(after.textColour, before.textColour) << what;
                EXPECT_EQ(after.textBackground, before.textBackground) << what;
                EXPECT_EQ(after.backgroundMode, before.backgroundMode) << what;
                EXPECT_EQ(after.arcDirection, before.arcDirection) << what;
            }
    }
}

// Points from a damaged file or a pasted payload may be anything a float
// holds: every coordinate that reaches the surface still lies where the
// difference of any two fits an int, in every style, state and tick.
TEST(PaintDrawing, FarOffPointsReachTheSurfaceWithinTheDeviceRange)
{
    constexpr float kFar = 1.7e38f;
    constexpr float kInfinite = std::numeric_limits<float>::infinity();
    constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
    const std::pair<FPoint, FPoint> corners[] = {
        {{-kFar, -kFar}, {kFar, kFar}},
        {{kFar, -kFar}, {-kFar, kFar}},
        {{-kInfinite, kInfinite}, {kInfinite, -kInfinite}},
        {{kNaN, -kFar}, {kFar, kNaN}},
        {{-kFar, 0.5f}, {0.25f, kFar}},
    };
    static const std::regex kNumber(R"((^|[(,; ])(-?\d+))");
    for (const auto& [from, to] : corners) {
        for (auto& object : test::OneOfEveryPaintKind()) {
            object->from = from;
            object->to = to;
            object->width = 3;
            object->hasProgress = 1;
            object->progressMax = 1000;
            if (auto* curve = dynamic_cast<Curve*>(object.get()))
                curve->points.push_back(std::make_unique<FPoint>(to));
            for (int style : {0, 1, 2})
                for (int state : {0, 1})
                    for (int tick : {0, 1, 2}) {
                        object->style = style;
                        test::RecordingSurface surface;
                        object->Draw(surface, kClient, state, tick, 333);
                        for (const std::string& call : surface.Calls())
                            for (std::sregex_iterator number(call.begin(), call.end(), kNumber),
                                 end;
                                 number != end; ++number)
                                EXPECT_LE(std::abs(std::stoll((*number)[2])), 1LL << 28)
                                    << object->ClassName() << " style " << style << " state "
                                    << state << ": " << call;
                    }
        }
    }
}

} // namespace
} // namespace vantrel
