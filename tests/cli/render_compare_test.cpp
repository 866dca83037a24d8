// "vantrel-cli render --compare": the picture of a design with the marks of
// how it differs from another, on designs written as a design file stores
// them.
#include "cli_run.h"
#include "mark_pixels.h"

#include "document/vantrel_doc.h"
#include "editing/comparison_marks.h"
#include "support/compared_designs.h"
#include "support/test_folder.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <fstream>

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::ComparedAfter;
using test::ComparedBefore;
using test::ComparedMark;
using test::Input;
using test::kComparedMarks;
using test::Output;
using test::PixelsAround;
using test::Q;
using test::RunCli;
using test::StoredDesign;

constexpr int kCell = 80; // pixels of a cell at zoom 1

class RenderCompare : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = test::FreshTestFolder("render-compare");
        Write("before.lgc", ComparedBefore());
        Write("after.lgc", ComparedAfter());
    }

    void Write(const std::string& name, const StoredDesign& design)
    {
        test::WriteComparedDesign(design, folder / name);
    }

    QImage Render(const QStringList& options, const std::string& name)
    {
        const CliRun run = RunCli(QStringList{"render", "after.lgc", "--compare", "before.lgc",
                                              "-o", QString::fromStdString(name)} +
                                      options,
                                  folder);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return QImage(Q(folder / name)).convertToFormat(QImage::Format_RGB32);
    }

    fs::path folder;
};

TEST_F(RenderCompare, MarksEachKindOfChangeAtItsCell)
{
    const QImage picture = Render({}, "compare.png");
    ASSERT_EQ(picture.size(), QSize(800, 600));
    const Colour colours[] = {comparison_pens::kAdded, comparison_pens::kRemoved,
                              comparison_pens::kChanged};
    for (const ComparedMark& mark : kComparedMarks) {
        SCOPED_TRACE(mark.what);
        const QPoint anchor = mark.cell * kCell;
        EXPECT_GT(PixelsAround(picture, anchor, kCell / 2 - 1, mark.colour), 20);
        for (const Colour other : colours) {
            if (other != mark.colour) {
                EXPECT_EQ(PixelsAround(picture, anchor, kCell / 2 - 1, other), 0);
            }
        }
    }
    // The removed output's label below it is part of its ghost: reddish,
    // never dark (its smoothed edges blend into the white).
    int reddish = 0;
    for (int y = 5 * kCell + 12; y < 5 * kCell + 40; ++y)
        for (int x = 5 * kCell - 30; x < 5 * kCell + 30; ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            reddish += pixel.red() - pixel.green() > 40 ? 1 : 0;
            EXPECT_GT(pixel.lightness(), 150) << x << "," << y;
        }
    EXPECT_GT(reddish, 10);
    // The moved input's line starts at its old cell; the unchanged input
    // has no mark.
    EXPECT_GT(PixelsAround(picture, QPoint(1, 3) * kCell, 4, comparison_pens::kChanged), 0);
    for (const Colour colour : colours)
        EXPECT_EQ(PixelsAround(picture, QPoint(1, 1) * kCell, kCell / 2 - 1, colour), 0);
}

TEST_F(RenderCompare, MarksThePaintObjectsOfAPreviewPage)
{
    const QImage picture = Render({"--page", "1"}, "page.png");
    const auto count = [&](Colour colour) {
        return PixelsAround(picture, QPoint(400, 300), 400, colour);
    };
    EXPECT_GT(count(comparison_pens::kAdded), 20);
    EXPECT_GT(count(comparison_pens::kRemoved), 20);
    EXPECT_GT(count(comparison_pens::kChanged), 20);
    // The square that stayed the same is not marked: its corner is the
    // page's top-left quarter.
    const QRect unchanged(0, 0, 300, 200);
    for (const Colour colour :
         {comparison_pens::kAdded, comparison_pens::kRemoved, comparison_pens::kChanged})
        EXPECT_EQ(PixelsAround(picture, unchanged.center(), 99, colour), 0);
}

TEST_F(RenderCompare, FitFramesTheChangesOnly)
{
    StoredDesign far = ComparedBefore();
    far.lists[0].push_back(Input(6, 60, 40, u"Far"));
    far.nextElementId = 7;
    Write("before.lgc", far);
    far.lists[0].push_back(Output(7, 64, 44, {6}, u"Farther"));
    far.nextElementId = 8;
    Write("after.lgc", far);

    const QImage picture = Render({"--fit"}, "fit.png");
    // Only the added output differs: zoom 1, its cell a cell from the corner.
    EXPECT_GT(PixelsAround(picture, QPoint(kCell, kCell), kCell / 2 - 1, comparison_pens::kAdded),
              20);
    // Without --compare, --fit frames the whole main list, much smaller.
    const CliRun plain = RunCli({"render", "after.lgc", "--fit", "-o", "plain.png"}, folder);
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    const QImage whole = QImage(Q(folder / "plain.png")).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(PixelsAround(whole, QPoint(400, 300), 400, comparison_pens::kAdded), 0);
}

TEST_F(RenderCompare, VectorFilesAndFailures)
{
    for (const char* name : {"compare.svg", "compare.pdf"}) {
        const CliRun run =
            RunCli({"render", "after.lgc", "--compare", "before.lgc", "-o", name}, folder);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_GT(fs::file_size(folder / name), 0u);
    }
    std::ofstream(folder / "garbage.lgc") << "not a design";
    const CliRun unreadable =
        RunCli({"render", "after.lgc", "--compare", "garbage.lgc", "-o", "x.png"}, folder);
    EXPECT_EQ(unreadable.exitCode, 3);
    EXPECT_NE(unreadable.err, "");
    EXPECT_FALSE(fs::exists(folder / "x.png"));
    EXPECT_EQ(RunCli({"render", "after.lgc", "-o", "x.png", "--compare"}, folder).exitCode, 2);
}

} // namespace
} // namespace vantrel
