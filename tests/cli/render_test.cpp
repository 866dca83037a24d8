// "vantrel-cli render" draws exactly what the editor view paints.
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "editor/vantrel_view.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "qt_adapters/qt_image_codec.h"
#include "support/scripted_config_dialogs.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_prompts.h"
#include "support/test_folder.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>

#include <gtest/gtest.h>

#include <filesystem>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

class Render : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = test::FreshTestFolder("render");
        auto gate = std::make_unique<LogAnd>(Point{3, 2}, 2);
        gate->inputs = {1, 9, 0, 0}; // input 1 open: drawn blue
        document.elements[kMainList].push_back(
            std::make_unique<LogIn>(Point{1, 2}, 1, 0, u"Start"));
        document.elements[kMainList].push_back(std::move(gate));
        document.backgroundColour = Rgb(10, 120, 200);
        document.pageBackgrounds.resize(2);
        design = folder / "design.lgc";
        ASSERT_TRUE(SaveDesign(document, design, codec));
    }

    QImage RunRender(const QStringList& options, const std::string& name)
    {
        const fs::path output = folder / name;
        QProcess process;
        QStringList arguments{"render", QString::fromStdString(design.string()), "-o",
                              QString::fromStdString(output.string())};
        process.start(QStringLiteral(VANTREL_CLI_PATH), arguments + options);
        EXPECT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return QImage(QString::fromStdString(output.string()));
    }

    // What the view paints for the same state.
    QImage ViewPicture(QSize size, const std::function<void(ViewState&)>& setUp)
    {
        CVantrelDoc loaded;
        EXPECT_EQ(OpenDesign(loaded, design, codec), OpenOutcome::Opened);
        test::ScriptedDialogs dialogs; // never asked while rendering
        test::ScriptedConfigDialogs configDialogs;
        test::ScriptedPrompts prompts;
        CVantrelView view(loaded, dialogs, configDialogs, prompts, codec);
        setUp(view.State());
        QImage picture(size, QImage::Format_RGB32);
        QPainter painter(&picture);
        view.RenderPicture(painter, size);
        return picture;
    }

    fs::path folder;
    fs::path design;
    QtImageCodec codec;
    CVantrelDoc document;
};

TEST_F(Render, DesignPictureIsThePictureOfTheView)
{
    const QImage rendered = RunRender({"--size", "640x400", "--numbers"}, "design.png");
    ASSERT_EQ(rendered.size(), QSize(640, 400));
    EXPECT_EQ(rendered.convertToFormat(QImage::Format_RGB32),
              ViewPicture({640, 400}, [](ViewState& s) { s.showElementNumbers = true; }));
    // The And's chord column at x = 240 - 20 is drawn with the open-input pen.
    EXPECT_EQ(rendered.pixel(220, 160), qRgb(0, 0, 192));
}

TEST_F(Render, FitAndExplicitZoomAndOrigin)
{
    const QImage fitted = RunRender({"--fit"}, "fit.png");
    EXPECT_EQ(fitted.convertToFormat(QImage::Format_RGB32),
              ViewPicture({800, 600}, [](ViewState& s) {
                  s.zoom = 1.875;
                  s.origin = {-1, -1};
              }));
    const QImage zoomed = RunRender({"--zoom", "0.5", "--origin", "2,1"}, "zoomed.png");
    EXPECT_EQ(zoomed.convertToFormat(QImage::Format_RGB32),
              ViewPicture({800, 600}, [](ViewState& s) {
                  s.zoom = 0.5;
                  s.origin = {2, 1};
              }));
}

TEST_F(Render, PreviewPageShowsTheBackgroundColour)
{
    const QImage page = RunRender({"--page", "2", "--size", "300x200"}, "page.png");
    EXPECT_EQ(page.pixel(10, 10), qRgb(10, 120, 200));
}

// The file's bytes are of the format its name says: the lossless ones hold
// the view's very picture, a JPEG one close to it.
TEST_F(Render, EachRasterFormatByItsExtension)
{
    const QImage view = ViewPicture({800, 600}, [](ViewState&) {});
    const struct
    {
        const char* name;
        QByteArray signature;
        bool lossless;
    } cases[] = {
        {"design.png", "\x89PNG", true},
        {"design.bmp", "BM", true},
        {"design.BMP", "BM", true},
        {"design.jpg", "\xFF\xD8\xFF", false},
        {"design.jpeg", "\xFF\xD8\xFF", false},
        {"no-extension", "\x89PNG", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage rendered = RunRender({}, c.name);
        QFile file(QString::fromStdString((folder / c.name).string()));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().startsWith(c.signature));
        ASSERT_EQ(rendered.size(), QSize(800, 600));
        if (c.lossless)
            EXPECT_EQ(rendered.convertToFormat(QImage::Format_RGB32), view);
        else // the white ground survives any JPEG quality
            EXPECT_EQ(QColor(rendered.pixel(790, 590)).lightness(), 255);
    }
}

TEST_F(Render, OtherExtensionsAreRefusedNamingTheSupportedOnes)
{
    for (const char* name : {"design.gif", "design.tiff", "design.webp", "design.txt"}) {
        QProcess process;
        process.start(QStringLiteral(VANTREL_CLI_PATH),
                      QStringList{"render", QString::fromStdString(design.string()), "-o",
                                  QString::fromStdString((folder / name).string())});
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 2) << name;
        EXPECT_TRUE(process.readAllStandardError().contains(".png, .jpg, .bmp, .svg or .pdf"));
        EXPECT_FALSE(fs::exists(folder / name));
    }
}

TEST_F(Render, BadOptionsAreUsageErrors)
{
    for (const QStringList& options :
         {QStringList{"--zoom", "3"}, QStringList{"--size", "0x10"}, QStringList{"--page", "3"},
          QStringList{"--fit", "--zoom", "1"}, QStringList{"--origin", "1"},
          QStringList{"--tick", "1"}, QStringList{"--selected"},
          QStringList{"--page", "1", "--tick", "-1"}, QStringList{"--all-pages"}}) {
        QProcess process;
        process.start(QStringLiteral(VANTREL_CLI_PATH),
                      QStringList{"render", QString::fromStdString(design.string()), "-o",
                                  QString::fromStdString((folder / "x.png").string())} +
                          options);
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 2) << options.join(' ').toStdString();
    }
}

} // namespace
} // namespace vantrel
