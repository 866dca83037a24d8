// Printing that reads: the editor's --print-to switch, the pages of Print in
// both layout modes, and File > Export > Picture.
#include "app_test_support.h"

#include "app/view_printing.h"
#include "archive/file_bytes.h"
#include "editing/command_ids.h"
#include "editor/vantrel_view.h"
#include "support/full_size_design.h"
#include "support/pdf_pages.h"
#include "support/test_folder.h"
#include "support/words_design.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTimer>

#include <algorithm>

namespace vantrel::test {
namespace {

namespace fs = std::filesystem;

struct EditorRun
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

EditorRun RunEditor(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(VANTREL_APP_PATH), arguments);
    EXPECT_TRUE(process.waitForFinished(120000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

QString Q(const fs::path& path)
{
    return QString::fromStdString(path.string());
}

class PrintToFile : public ::testing::Test
{
protected:
    void SetUp() override { folder = FreshTestFolder("printing"); }

    fs::path Save(const std::string& name, const std::function<void(CVantrelDoc&)>& fill)
    {
        CVantrelDoc document;
        fill(document);
        fs::path path = folder / name;
        EXPECT_TRUE(SaveDesign(document, path, QtImageCodec()));
        return path;
    }

    fs::path folder;
};

// The box around the drawing's ink on a page rendered at a pixel a point,
// above the footer's top.
QRect DrawingInk(const QImage& page, double footerTop)
{
    QRect ink;
    for (int y = 0; y < std::min(page.height(), int(footerTop) - 1); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 200)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

TEST_F(PrintToFile, TheWordsDesignFillsOneSheetWithItsLabelsApartAndInside)
{
    const fs::path design = Save("words.lgc", FillWordsDesign);
    const EditorRun run = RunEditor({"--print-to", Q(folder / "words.pdf"), Q(design)});
    ASSERT_EQ(run.exitCode, 0) << run.err;

    const std::vector<PdfPage> pages = ReadPdfPages(folder / "words.pdf");
    ASSERT_EQ(pages.size(), 1u);
    const PdfPage& page = pages[0];
    // The default printer's printable area, which Print uses too.
    const QRectF printable =
        QPrinter(QPrinter::HighResolution).pageLayout().paintRect(QPageLayout::Point);
    std::vector<PdfWord> labels;
    for (const std::string& label : WordsDesignLabels()) {
        const auto found = std::ranges::find(page.words, label, &PdfWord::text);
        ASSERT_NE(found, page.words.end()) << label << " in: " << page.Text();
        labels.push_back(*found);
        EXPECT_TRUE(printable.contains(
            QRectF(QPointF(found->xMin, found->yMin), QPointF(found->xMax, found->yMax))))
            << label;
    }
    for (std::size_t i = 0; i < labels.size(); ++i)
        for (std::size_t j = i + 1; j < labels.size(); ++j)
            EXPECT_FALSE(labels[i].Overlaps(labels[j]))
                << labels[i].text << " / " << labels[j].text;
    EXPECT_NE(page.Text().find("words.lgc \u2014 sheet 1 of 1"), std::string::npos) << page.Text();

    const fs::path png = folder / "words-page.png";
    ASSERT_TRUE(RenderPdfPage(folder / "words.pdf", 1, png));
    const auto footer = std::ranges::find(page.words, std::string("words.lgc"), &PdfWord::text);
    ASSERT_NE(footer, page.words.end());
    const QRect ink = DrawingInk(QImage(Q(png)), footer->yMin);
    EXPECT_TRUE(ink.width() >= 0.6 * printable.width() || ink.height() >= 0.6 * printable.height())
        << "drawing " << ink.width() << " x " << ink.height() << " of " << printable.width()
        << " x " << printable.height();
    EXPECT_TRUE(printable.contains(QRectF(ink)));
}

// Split over sheets, every sheet shows part of the drawing: a sheet where
// only a wire's box falls, not the wire, is left out.
TEST_F(PrintToFile, AFullSizeDesignIsSplitOverSheetsWithFootersAndNoneBlank)
{
    const fs::path design = Save("full.lgc", [](CVantrelDoc& document) {
        FillFullSizeDesign(document, 1);
        // A wire across the whole drawing, from its first input to a gate
        // below its last row.
        auto gate = std::make_unique<LogAnd>(Point{199, 255}, std::int32_t(document.nextElementId));
        gate->inputs[0] = document.MainAt(0)->id;
        document.nextElementId += 1;
        document.elements[kMainList].push_back(std::move(gate));
    });
    const EditorRun run = RunEditor({"--print-to", Q(folder / "full.pdf"), Q(design)});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<PdfPage> pages = ReadPdfPages(folder / "full.pdf");
    ASSERT_GT(pages.size(), 4u);
    const std::vector<fs::path> pictures = RenderPdfPages(folder / "full.pdf", folder / "sheet");
    ASSERT_EQ(pictures.size(), pages.size());
    const std::string count = std::to_string(pages.size());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE("sheet " + std::to_string(i + 1));
        EXPECT_NE(pages[i].Text().find("full.lgc \u2014 sheet " + std::to_string(i + 1) + " of " +
                                       count + " (row "),
                  std::string::npos);
        const auto footer =
            std::ranges::find(pages[i].words, std::string("full.lgc"), &PdfWord::text);
        ASSERT_NE(footer, pages[i].words.end());
        EXPECT_FALSE(DrawingInk(QImage(Q(pictures[i])), footer->yMin).isEmpty());
    }
}

TEST_F(PrintToFile, FailuresAreToldWithTheirExitCode)
{
    const fs::path design = Save("words.lgc", FillWordsDesign);
    const fs::path damaged = fs::path(VANTREL_TEST_DATA_DIR) / "corpus" / "damaged_garbage.lgc";
    struct Case
    {
        QStringList arguments;
        int exitCode;
        std::string said;
    };
    const std::vector<Case> cases = {
        {{"--print-to", Q(folder / "a.pdf"), Q(folder / "missing.lgc")}, 3, "missing.lgc"},
        {{"--print-to", Q(folder / "a.pdf"), Q(damaged)}, 3, "Vantrel v2: "},
        {{"--print-to", Q(folder / "no" / "such" / "a.pdf"), Q(design)}, 4, "could not be written"},
        {{"--print-to", Q(folder / "a.pdf")}, 2, "need a design file"},
        {{"--print", "--print-to", Q(folder / "a.pdf"), Q(design)}, 2, "do not go together"},
        {{"--print-to"}, 2, "print-to"},
        {{"--frobnicate", Q(design)}, 2, "frobnicate"},
    };
    for (const Case& c : cases) {
        const EditorRun run = RunEditor(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
    }
    EXPECT_FALSE(fs::exists(folder / "a.pdf"));

    const EditorRun help = RunEditor({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--print-to <OUT>"), std::string::npos) << help.out;
    const EditorRun version = RunEditor({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "vantrel 2.0\n");
}

TEST_F(PrintToFile, PrintWithoutADefaultPrinterSaysSo)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a printer, and the test prints no paper";
    const fs::path design = Save("words.lgc", FillWordsDesign);
    const EditorRun run = RunEditor({"--print", Q(design)});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_NE(run.err.find("no default printer"), std::string::npos) << run.err;
}

TEST_F(PrintToFile, PreviewDesignPrintsEachPageOnItsOwnSheet)
{
    CVantrelDoc document;
    FillWordsDesign(document);
    document.pageBackgrounds.resize(3);
    ViewState view;
    view.layoutMode = LayoutMode::Preview;
    const fs::path pdf = folder / "pages.pdf";
    {
        QPdfWriter writer(Q(pdf));
        ASSERT_TRUE(PrintDrawing(writer, document, view, {640, 400}, "pages.lgc"));
    }
    const std::vector<PdfPage> pages = ReadPdfPages(pdf);
    ASSERT_EQ(pages.size(), 3u);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const std::string number = std::to_string(i + 1);
        EXPECT_NE(pages[i].Text().find("Page " + number + " / 3"), std::string::npos);
        EXPECT_NE(pages[i].Text().find("pages.lgc \u2014 sheet " + number + " of 3"),
                  std::string::npos);
    }
}

class PrintPreviewTest : public AppTest
{};

// The preview dialog, seen once it shows: its page count and a picture of it.
struct PreviewSeen
{
    int pages = -1;
    QImage picture;
};

TEST_F(PrintPreviewTest, ShowsTheSheetsPrintMakes)
{
    CVantrelDoc pages;
    FillWordsDesign(pages);
    pages.pageBackgrounds.resize(2);
    const QString design = FilePath("pages.lgc");
    ASSERT_TRUE(SaveDesign(pages, QFile::encodeName(design).toStdString(), QtImageCodec()));
    RecordingNotifier notifier;
    const auto app = StartApp(notifier, {design});
    struct Case
    {
        int layout;
        int sheets;
        const char* picture;
    };
    for (const Case& c : {Case{command::kLayoutDesign, 1, "preview-design.png"},
                          Case{command::kLayoutPreview, 2, "preview-pages.png"}}) {
        ASSERT_TRUE(app->MainFrame().RunCommand(c.layout));
        PreviewSeen seen;
        QTimer::singleShot(0, [&seen] {
            auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialog->resize(700, 800);
            if (auto* preview = dialog->findChild<QPrintPreviewWidget*>()) {
                preview->updatePreview();
                seen.pages = preview->pageCount();
            }
            seen.picture = dialog->grab().toImage();
            dialog->reject();
        });
        ASSERT_TRUE(app->MainFrame().RunCommand(command::kFilePrintPreview));
        EXPECT_EQ(seen.pages, c.sheets) << c.picture;
        QDir().mkpath(QStringLiteral(VANTREL_TEST_OUTPUT_DIR "/printing"));
        seen.picture.save(QStringLiteral(VANTREL_TEST_OUTPUT_DIR "/printing/") + c.picture);
    }
}

class ExportPictureTest : public AppTest
{};

TEST_F(ExportPictureTest, WritesTheViewsPictureInTheFormatOfTheName)
{
    RecordingNotifier notifier;
    const QString design = WriteDesign(QStringLiteral("pump.lgc"));
    const auto app = StartApp(notifier, {design});
    struct Case
    {
        QString name;
        std::string starts;
    };
    for (const Case& c :
         {Case{"pump.png", "\x89PNG"}, Case{"pump.svg", "<?xml"}, Case{"pump.PDF", "%PDF"},
          Case{"pump.bmp", "BM"}, Case{"pump.jpg", "\xFF\xD8\xFF"}}) {
        fileDialogs.answers = {FilePath(c.name)};
        ASSERT_TRUE(app->MainFrame().RunCommand(command::kExportPicture));
        const std::vector<std::uint8_t> bytes =
            ReadFileBytes(QFile::encodeName(FilePath(c.name)).toStdString());
        ASSERT_GE(bytes.size(), c.starts.size()) << c.name.toStdString();
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + std::ptrdiff_t(c.starts.size())),
                  c.starts);
    }
    EXPECT_EQ(fileDialogs.proposedNames.first(), FilePath("pump.png"));
    EXPECT_TRUE(notifier.Messages().empty());

    fileDialogs.answers = {FilePath("pump.txt"), FilePath("gone/pump.png")};
    ASSERT_TRUE(app->MainFrame().RunCommand(command::kExportPicture));
    EXPECT_FALSE(QFile::exists(FilePath("pump.txt")));
    // The file errors the editor shows say what to do about a missing folder.
    ASSERT_TRUE(app->MainFrame().RunCommand(command::kExportPicture));
    EXPECT_EQ(notifier.Messages(),
              (std::vector<std::string>{
                  "Vantrel v2: A picture is exported as a .png, .jpg, .bmp, .svg or .pdf file.",
                  "Vantrel v2: Cannot write " + FilePath("gone/pump.png").toStdString() +
                      ": the folder " + FilePath("gone").toStdString() +
                      " does not exist. Create it or choose another folder."}));
}

} // namespace
} // namespace vantrel::test
