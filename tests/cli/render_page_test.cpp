// A finished display page with every paint class and style, painted by the
// real view offscreen and drawn by "vantrel-cli render --page": the two
// pictures are the same, still and animated.
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "editor/vantrel_view.h"
#include "qt_adapters/qt_image_codec.h"
#include "support/display_page.h"
#include "support/scripted_config_dialogs.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_prompts.h"
#include "support/test_folder.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <filesystem>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

const QSize kPage(800, 600);

class DisplayPage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = test::FreshTestFolder("display_page");
        CVantrelDoc document;
        document.pageBackgrounds.resize(2); // the display page is the second
        test::AddDisplayPage(document, 1, codec);
        design = folder / "display.lgc";
        ASSERT_TRUE(SaveDesign(document, design, codec));
        ASSERT_EQ(OpenDesign(loaded, design, codec), OpenOutcome::Opened);

        view.show();
        view.resize(kPage.width() + view.width() - view.viewport()->width(),
                    kPage.height() + view.height() - view.viewport()->height());
        ASSERT_EQ(view.viewport()->size(), kPage);
        view.State().layoutMode = LayoutMode::Preview;
        view.State().currentPage = 1;
    }

    // What the view shows on screen, kept as a PNG beside the test's files.
    QImage ViewScreenshot(const std::string& name)
    {
        QImage shot = view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(shot.save(QString::fromStdString((folder / name).string())));
        return shot;
    }

    QImage RenderWithCli(const QStringList& options, const std::string& name)
    {
        const fs::path output = folder / name;
        QProcess process;
        process.start(QStringLiteral(VANTREL_CLI_PATH),
                      QStringList{"render", QString::fromStdString(design.string()), "-o",
                                  QString::fromStdString(output.string()), "--page", "2", "--size",
                                  "800x600"} +
                          options);
        EXPECT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return QImage(QString::fromStdString(output.string()))
            .convertToFormat(QImage::Format_RGB32);
    }

    fs::path folder;
    fs::path design;
    QtImageCodec codec;
    CVantrelDoc loaded;
    test::ScriptedDialogs dialogs; // never asked while painting
    test::ScriptedPrompts prompts;
    test::ScriptedConfigDialogs configDialogs;
    CVantrelView view{loaded, dialogs, configDialogs, prompts, codec};
};

TEST_F(DisplayPage, CommandLineDrawsWhatTheViewShows)
{
    const QImage still = ViewScreenshot("view_tick0.png");
    EXPECT_EQ(RenderWithCli({}, "cli_tick0.png"), still);
    // Inside the first tank, above its level: the fill colour over the background.
    EXPECT_EQ(still.pixel(60, 150), qRgb(35, 50, 75));
    // In its lower third: the level's progress colour.
    EXPECT_EQ(still.pixel(60, 300), qRgb(40, 140, 230));

    for (const auto& object : loaded.paintObjects)
        view.State().paintSelection.push_back(object.get());
    for (int tick : {1, 2}) {
        view.State().tick = tick;
        const std::string suffix = "_selected_tick" + std::to_string(tick) + ".png";
        const QImage animated = ViewScreenshot("view" + suffix);
        EXPECT_NE(animated, still);
        EXPECT_EQ(RenderWithCli({"--selected", "--tick", QString::number(tick)}, "cli" + suffix),
                  animated)
            << "tick " << tick;
    }
}

} // namespace
} // namespace vantrel
