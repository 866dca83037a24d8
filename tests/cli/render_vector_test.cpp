// "vantrel-cli render" into SVG and PDF: the PNG's picture as vector shapes
// and real text.
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "editing/canvas_geometry.h"
#include "editing/view_state.h"
#include "qt_adapters/qt_image_codec.h"
#include "support/pdf_pages.h"
#include "support/test_folder.h"
#include "support/words_design.h"

#include <QFile>
#include <QPointF>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

class VectorRender : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = test::FreshTestFolder("render_vector");
        test::FillWordsDesign(document);
        document.pageBackgrounds.resize(3);
        design = folder / "words.lgc";
        ASSERT_TRUE(SaveDesign(document, design, QtImageCodec()));
    }

    int Render(const std::string& output, const QStringList& options = {})
    {
        QProcess process;
        process.start(QStringLiteral(VANTREL_CLI_PATH),
                      QStringList{"render", QString::fromStdString(design.string()), "-o",
                                  QString::fromStdString((folder / output).string())} +
                          options);
        EXPECT_TRUE(process.waitForFinished(30000));
        return process.exitCode();
    }

    fs::path folder;
    fs::path design;
    CVantrelDoc document;
};

// The shapes and texts of an SVG file: for each shape the first point it
// draws, in the picture's pixels.
struct SvgContent
{
    std::vector<QPointF> shapeStarts;
    QStringList texts;
};

SvgContent ReadSvg(const fs::path& path)
{
    QFile file(QString::fromStdString(path.string()));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    SvgContent content;
    static const QRegularExpression kNumbers(QStringLiteral("(-?[\\d.]+)[ ,]+(-?[\\d.]+)"));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        const QXmlStreamAttributes attributes = xml.attributes();
        if (name == u"text") {
            content.texts.append(xml.readElementText(QXmlStreamReader::IncludeChildElements));
        } else if (name == u"polyline" || name == u"polygon" || name == u"path") {
            const QString points =
                attributes.value(QString(name == u"path" ? "d" : "points")).toString();
            const QRegularExpressionMatch first = kNumbers.match(points);
            if (first.hasMatch())
                content.shapeStarts.emplace_back(first.captured(1).toDouble(),
                                                 first.captured(2).toDouble());
        } else if (name == u"rect" || name == u"ellipse") {
            const bool rect = name == u"rect";
            content.shapeStarts.emplace_back(
                attributes.value(QString(rect ? "x" : "cx")).toDouble(),
                attributes.value(QString(rect ? "y" : "cy")).toDouble());
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return content;
}

TEST_F(VectorRender, SvgHoldsAShapeForEveryFigureAndTheLabelsAsText)
{
    ASSERT_EQ(Render("words.svg", {"--fit"}), 0);
    const SvgContent svg = ReadSvg(folder / "words.svg");
    for (const std::string& label : test::WordsDesignLabels())
        EXPECT_TRUE(svg.texts.contains(QString::fromStdString(label))) << label;
    EXPECT_TRUE(svg.texts.contains(QStringLiteral("8 logic elements V2")));

    ViewState fitted;
    FitToMainList(fitted, document, {800, 600});
    const int r = fitted.ElementSize();
    for (const auto& element : document.elements[kMainList]) {
        const Point anchor = fitted.CellToDevice(element->pos);
        // The figure's own shapes start within its size of its anchor (the
        // stubs and connections start elsewhere).
        const bool drawn = std::ranges::any_of(svg.shapeStarts, [&](const QPointF& start) {
            return std::abs(start.x() - anchor.x) <= 2 * r &&
                   std::abs(start.y() - anchor.y) <= 2 * r;
        });
        EXPECT_TRUE(drawn) << "element " << element->id;
    }
}

TEST_F(VectorRender, PdfHasOnePagePerPictureWithTheTextReadable)
{
    ASSERT_EQ(Render("words.pdf", {"--fit", "--size", "640x480"}), 0);
    const std::vector<test::PdfPage> pages = test::ReadPdfPages(folder / "words.pdf");
    ASSERT_EQ(pages.size(), 1u);
    // 640 x 480 pixels at 96 per inch.
    EXPECT_NEAR(pages[0].width, 480, 1);
    EXPECT_NEAR(pages[0].height, 360, 1);
    for (const std::string& label : test::WordsDesignLabels())
        EXPECT_NE(pages[0].Text().find(label), std::string::npos) << label;

    ASSERT_EQ(Render("pages.pdf", {"--all-pages"}), 0);
    EXPECT_EQ(test::PdfPageCount(folder / "pages.pdf"), 3);
    const std::vector<test::PdfPage> preview = test::ReadPdfPages(folder / "pages.pdf");
    ASSERT_EQ(preview.size(), 3u);
    for (int page = 1; page <= 3; ++page)
        EXPECT_NE(
            preview[std::size_t(page - 1)].Text().find("Page " + std::to_string(page) + " / 3"),
            std::string::npos)
            << preview[std::size_t(page - 1)].Text();

    EXPECT_EQ(Render("mixed.pdf", {"--all-pages", "--page", "2"}), 2);
    EXPECT_FALSE(fs::exists(folder / "mixed.pdf"));
}

} // namespace
} // namespace vantrel
