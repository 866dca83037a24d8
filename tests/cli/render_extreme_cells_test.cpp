// A design whose cells sit at the edges of the int range draws in the
// command line's renderer and in the view, fitted, found and scrolled (the
// sanitizer build checks that no coordinate overflows on the way).
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "editing/command_ids.h"
#include "editor/vantrel_view.h"
#include "elements/gates.h"
#include "qt_adapters/qt_image_codec.h"
#include "support/scripted_config_dialogs.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_prompts.h"
#include "support/test_folder.h"

#include <QProcess>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <limits>

namespace vantrel {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

void AddGate(CVantrelDoc& design, Point cell, std::int32_t id, std::int32_t a, std::int32_t b)
{
    auto gate = std::make_unique<LogAnd>(cell, id);
    gate->inputs = {a, b, 0, 0};
    design.elements[kMainList].push_back(std::move(gate));
}

class ExtremeCellsRender : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CVantrelDoc design;
        AddGate(design, {kMax, kMax}, 1, 2, 3);
        AddGate(design, {kMin, kMin}, 2, 1, 3);
        AddGate(design, {kMax, kMin}, 3, 1, 4);
        AddGate(design, {1, 1}, 4, 1, 2);
        design.nextElementId = 5;
        path = test::FreshTestFolder("extreme_cells") / "design.lgc";
        ASSERT_TRUE(SaveDesign(design, path, codec));
    }

    std::filesystem::path path;
    QtImageCodec codec;
};

TEST_F(ExtremeCellsRender, CommandLineRendersDefaultAndFitted)
{
    for (const QStringList& options : {QStringList{}, QStringList{"--fit"},
                                       QStringList{"--zoom", "2", "--origin", "-600,600"}}) {
        SCOPED_TRACE(options.join(' ').toStdString());
        QProcess process;
        process.start(
            QStringLiteral(VANTREL_CLI_PATH),
            QStringList{"render", QString::fromStdString(path.string()), "-o",
                        QString::fromStdString((path.parent_path() / "out.png").string())} +
                options);
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    }
}

TEST_F(ExtremeCellsRender, ViewPaintsFittedFoundAndScrolled)
{
    CVantrelDoc design;
    ASSERT_EQ(OpenDesign(design, path, codec), OpenOutcome::Opened);
    test::ScriptedDialogs dialogs;
    test::ScriptedConfigDialogs configDialogs;
    test::ScriptedPrompts prompts;
    CVantrelView view(design, dialogs, configDialogs, prompts, codec);
    view.resize(640, 480);
    view.OnInitialUpdate();
    EXPECT_FALSE(view.grab().isNull());
    view.OnCommand(command::kZoomFit);
    EXPECT_FALSE(view.grab().isNull());
    for (const std::int32_t id : {1, 2, 3}) {
        prompts.foundId = id;
        view.OnCommand(command::kEditFind);
        EXPECT_FALSE(view.grab().isNull());
    }
    // The scroll range stays the grid's, whatever the origin a find set.
    EXPECT_LE(view.horizontalScrollBar()->maximum(), 600);
    view.horizontalScrollBar()->setValue(600);
    view.verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_FALSE(view.grab().isNull());
}

} // namespace
} // namespace vantrel
