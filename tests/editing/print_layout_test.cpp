#include "editing/print_layout.h"

#include "archive/text_codec.h"
#include "document/vantrel_doc.h"
#include "editing/ink_bounds.h"
#include "elements/gates.h"
#include "support/recording_surface.h"
#include "support/words_design.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>

namespace vantrel {
namespace {

TEST(InkBounds, KeepsTheBoxAroundWhatIsDrawnWithThePensReachInsideTheClip)
{
    struct Case
    {
        const char* what;
        std::function<void(Surface&)> draw;
        Rect expected;
    };
    const std::vector<Case> cases = {
        {"nothing", [](Surface&) {}, {}},
        {"a line takes the pen's width on every side",
         [](Surface& s) {
             s.SetPen(Pen::Solid(2, 0));
             s.MoveTo(10, 20);
             s.LineTo(30, 5);
         },
         {8, 3, 32, 22}},
        {"a fill takes its box as it is",
         [](Surface& s) {
             s.FillRectangle({1, 2, 3, 4}, 0);
         },
         {1, 2, 3, 4}},
        {"text is measured on the metrics surface (8 x 16 a character there)",
         [](Surface& s) { s.DrawText(100, 50, u"Motor"); },
         {100, 50, 140, 66}},
        {"an angle arc takes its joining line and its whole circle",
         [](Surface& s) {
             s.MoveTo(0, 0);
             s.DrawAngleArc(50, 50, 10, 0, 90);
         },
         {-1, -1, 61, 61}},
        {"a line counts with the part that crosses the clip, grown by the pen",
         [](Surface& s) {
             s.MoveTo(-300, 0);
             s.LineTo(300, 600);
         },
         {-200, 98, -98, 200}},
        {"a line whose box overlaps the clip but that passes it by inks nothing",
         [](Surface& s) {
             const Point points[] = {{-1000, 150}, {150, 1000}, {1000, 1000}};
             s.DrawPolyline(points);
         },
         {}},
        {"ink outside the clip is left out, ink across it cut",
         [](Surface& s) {
             s.DrawEllipse(-500, -500, -400, -400);
             s.DrawRectangle(150, 150, 300, 190);
         },
         {149, 149, 200, 191}},
    };
    for (const Case& c : cases) {
        test::RecordingSurface metrics;
        InkBounds ink(metrics, {-200, -200, 200, 200});
        c.draw(ink);
        EXPECT_EQ(ink.Bounds(), c.expected) << c.what;
    }
}

class PrintPlanning : public ::testing::Test
{
protected:
    // An A4 sheet's printable area at 600 dots per inch, less a footer.
    static constexpr SheetArea kArea{{4500, 6200}, 600};
    static constexpr double kReadable = 600 / print_scale::kReadablePixelsPerInch;
    static constexpr double kLargest = 600 / print_scale::kLargestPixelsPerInch;
    static constexpr double kMargin = 600 * print_scale::kMarginInches;

    PrintPlan Plan() { return PlanDesignSheets(metrics, document, view, kArea); }

    void AddGate(Point at, std::int32_t id)
    {
        document.elements[kMainList].push_back(std::make_unique<LogAnd>(at, id));
    }

    // Where the sheet's source lands on the sheet, in device pixels.
    static std::array<double, 4> Placed(const PrintSheet& sheet)
    {
        return {sheet.left, sheet.top, sheet.left + sheet.source.Width() * sheet.scale,
                sheet.top + sheet.source.Height() * sheet.scale};
    }

    test::RecordingSurface metrics;
    CVantrelDoc document;
    ViewState view;
};

TEST_F(PrintPlanning, AReadableDesignFillsOneSheetCentredInsideTheMargin)
{
    test::FillWordsDesign(document);
    view.zoom = 0.25; // the view's zoom and place do not matter
    view.origin = {40, -7};
    const PrintPlan plan = Plan();
    ASSERT_EQ(plan.sheets.size(), 1u);
    const PrintSheet& sheet = plan.sheets[0];
    EXPECT_FALSE(plan.Split());
    EXPECT_EQ(sheet.page, -1);
    EXPECT_GE(sheet.scale, kReadable);
    EXPECT_LE(sheet.scale, kLargest);
    // The ink from the first input's stub to the outputs' labels.
    EXPECT_LT(sheet.source.left, 80);
    EXPECT_GT(sheet.source.right, 7 * 80);
    EXPECT_GT(sheet.source.bottom, 7 * 80 + 20);
    const auto [left, top, right, bottom] = Placed(sheet);
    EXPECT_GE(left, kMargin - 1e-6);
    EXPECT_GE(top, kMargin - 1e-6);
    EXPECT_LE(right, kArea.size.width - kMargin + 1e-6);
    EXPECT_LE(bottom, kArea.size.height - kMargin + 1e-6);
    // Fitted: one side spans the area inside the margins, and it is centred.
    const bool fillsWidth = right - left > kArea.size.width - 2 * kMargin - 1;
    const bool fillsHeight = bottom - top > kArea.size.height - 2 * kMargin - 1;
    EXPECT_TRUE(fillsWidth || fillsHeight);
    EXPECT_NEAR(left + right, kArea.size.width, 1e-6);
    EXPECT_NEAR(top + bottom, kArea.size.height, 1e-6);
}

TEST_F(PrintPlanning, ASingleGateIsEnlargedNoMoreThanFourTimesItsScreenSize)
{
    AddGate({2, 2}, 1);
    const PrintPlan plan = Plan();
    ASSERT_EQ(plan.sheets.size(), 1u);
    EXPECT_DOUBLE_EQ(plan.sheets[0].scale, kLargest);
}

TEST_F(PrintPlanning, AnEmptyDesignPrintsOneBlankSheet)
{
    const PrintPlan plan = Plan();
    ASSERT_EQ(plan.sheets.size(), 1u);
    EXPECT_TRUE(plan.sheets[0].source.IsEmpty());
}

TEST_F(PrintPlanning, AWideDesignIsSplitAtAReadableScaleBetweenCellsLeavingOutBlankSheets)
{
    // Two groups of gates 100 cells apart, nothing between them.
    for (std::int32_t i = 0; i < 6; ++i) {
        AddGate({i, 0}, i + 1);
        AddGate({100 + i, 3}, i + 11);
    }
    const PrintPlan plan = Plan();
    ASSERT_TRUE(plan.Split());
    EXPECT_EQ(plan.rows, 1);
    EXPECT_GT(plan.columns, 5);
    // The sheets between the groups would stay blank.
    ASSERT_GE(plan.sheets.size(), 2u);
    EXPECT_LE(plan.sheets.size(), 4u);
    for (const PrintSheet& sheet : plan.sheets) {
        EXPECT_GE(sheet.scale, kReadable);
        EXPECT_EQ(sheet.source.Width(), plan.sheets[0].source.Width());
        // Cut halfway between cells, where no figure stands.
        EXPECT_EQ((sheet.source.left + 40) % 80, 0);
        EXPECT_EQ((sheet.source.top + 40) % 80, 0);
        const auto [left, top, right, bottom] = Placed(sheet);
        EXPECT_LE(right, kArea.size.width - kMargin + 1e-6);
        EXPECT_LE(bottom, kArea.size.height - kMargin + 1e-6);
    }
    for (const auto& gate : document.elements[kMainList]) {
        const Point anchor{gate->pos.x * 80, gate->pos.y * 80};
        EXPECT_TRUE(std::ranges::any_of(plan.sheets,
                                        [anchor](const PrintSheet& sheet) {
                                            return sheet.source.left <= anchor.x &&
                                                   anchor.x < sheet.source.right &&
                                                   sheet.source.top <= anchor.y &&
                                                   anchor.y < sheet.source.bottom;
                                        }))
            << "gate " << gate->id;
    }
    const std::size_t last = plan.sheets.size() - 1;
    const auto count = static_cast<long long>(plan.sheets.size());
    EXPECT_EQ(SheetFooter(u"plant.lgc", plan, last),
              u"plant.lgc \u2014 sheet " + Decimal(count) + u" of " + Decimal(count) +
                  u" (row 1, column " + Decimal(plan.sheets[last].column + 1) + u")");
}

TEST_F(PrintPlanning, ASheetWhereOnlyTheBoxOfAWireFallsIsLeftOut)
{
    // Two gates in opposite corners of a drawing many sheets wide and high,
    // wired to each other: a straight wire crosses at most one sheet fewer
    // than the rows and columns together.
    AddGate({0, 0}, 1);
    AddGate({150, 120}, 2);
    document.elements[kMainList][1]->inputs[0] = 1;
    const PrintPlan plan = Plan();
    ASSERT_GT(plan.rows, 3);
    ASSERT_GT(plan.columns, 3);
    EXPECT_LE(plan.sheets.size(), std::size_t(plan.rows + plan.columns - 1));
    const auto count = static_cast<long long>(plan.sheets.size());
    for (std::size_t i = 0; i < plan.sheets.size(); ++i)
        EXPECT_TRUE(SheetFooter(u"wire.lgc", plan, i)
                        .starts_with(u"wire.lgc \u2014 sheet " +
                                     Decimal(static_cast<long long>(i) + 1) + u" of " +
                                     Decimal(count) + u" (row "))
            << i;
}

TEST_F(PrintPlanning, AnElementFarBeyondTheScrollRangeDoesNotMultiplyTheSheets)
{
    AddGate({0, 0}, 1);
    AddGate({20'000'000, 20'000'000}, 2);
    const PrintPlan plan = Plan();
    EXPECT_EQ(plan.sheets.size(), 1u);
    EXPECT_FALSE(plan.Split());
}

TEST_F(PrintPlanning, EachPreviewPageGetsASheetOfItsOwn)
{
    document.pageBackgrounds.resize(3);
    const PrintPlan plan = PlanPageSheets(document, {800, 600}, kArea);
    ASSERT_EQ(plan.sheets.size(), 3u);
    for (int page = 0; page < 3; ++page) {
        const PrintSheet& sheet = plan.sheets[std::size_t(page)];
        EXPECT_EQ(sheet.page, page);
        EXPECT_EQ(sheet.source, (Rect{0, 0, 800, 600}));
        EXPECT_NEAR(Placed(sheet)[2] - Placed(sheet)[0], kArea.size.width - 2 * kMargin, 1e-6);
    }
    EXPECT_EQ(SheetFooter(u"Untitled", plan, 0), u"Untitled \u2014 sheet 1 of 3");
}

} // namespace
} // namespace vantrel
