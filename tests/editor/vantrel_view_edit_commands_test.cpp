// The view's clipboard, Find, Replicate and page background commands, on
// real widgets with the real (offscreen) clipboard.
#include "editor/view_fixture.h"

#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "editing/clipboard_payload.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "paint/shapes.h"
#include "qt_adapters/qt_image_codec.h"
#include "support/image_bombs.h"
#include "support/recording_notifier.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_prompts.h"
#include "support/test_folder.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace vantrel {
namespace {

using namespace command;

const QString kLogicMime =
    QStringLiteral("application/x-qt-windows-mime;value=\"Vantrel logic data\"");
const QString kPaintMime =
    QStringLiteral("application/x-qt-windows-mime;value=\"Vantrel paint data\"");

QByteArray AsByteArray(const std::vector<std::uint8_t>& bytes)
{
    return {reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())};
}

void PutOnClipboard(const QString& mimeType, const QByteArray& bytes)
{
    auto* data = new QMimeData;
    data->setData(mimeType, bytes);
    QApplication::clipboard()->setMimeData(data);
}

class ViewEditCommands : public test::ViewFixture
{
protected:
    void SetUp() override
    {
        ViewFixture::SetUp();
        QApplication::clipboard()->clear();
    }

    template <class Kind, class... Args> LogElement* Add(Args&&... args)
    {
        auto element = std::make_unique<Kind>(std::forward<Args>(args)...);
        LogElement* added = element.get();
        EXPECT_TRUE(document.InsertElement(std::move(element)));
        return added;
    }

    // The colour of the middle of the view's picture.
    QColor MiddlePixel()
    {
        QImage picture(800, 600, QImage::Format_RGB32);
        QPainter painter(&picture);
        view.RenderPicture(painter, picture.size());
        painter.end();
        return picture.pixelColor(400, 300);
    }

    // The width of the first page's image, 0 when it does not decode.
    int PageWidth(const CVantrelDoc& design) const
    {
        const std::optional<Image> page = codec.Decode(design.pageBackgrounds[0].Bytes());
        return page ? page->width : 0;
    }

    std::filesystem::path WritePicture(const char* name, const char* format, Qt::GlobalColor colour)
    {
        auto path = folder / name;
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(colour);
        EXPECT_TRUE(picture.save(QString::fromStdString(path.string()), format));
        return path;
    }

    std::filesystem::path folder = test::FreshTestFolder("view_edit_commands");
};

TEST_F(ViewEditCommands, CopyPutsThePayloadOnTheClipboardAndPasteTakesItBack)
{
    LogElement* gate = Add<LogAnd>(Point{2, 2}, 1);
    document.nextElementId = 2;
    EXPECT_FALSE(view.IsCommandEnabled(kEditCopy));
    view.State().logicSelection = {gate};
    ASSERT_TRUE(view.IsCommandEnabled(kEditCopy));
    view.OnCommand(kEditCopy);

    const QMimeData* held = QApplication::clipboard()->mimeData();
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(held->data(kLogicMime), AsByteArray(LogicPayload(document, {gate})));
    EXPECT_FALSE(held->hasFormat(kPaintMime));

    ASSERT_TRUE(view.IsCommandEnabled(kEditPaste));
    view.OnCommand(kEditPaste);
    ASSERT_EQ(document.MainCount(), 2);
    EXPECT_EQ(view.State().logicSelection, std::vector<LogElement*>{document.FindById(2)});
    EXPECT_EQ(document.FindById(2)->pos, (Point{1, 1}));
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST_F(ViewEditCommands, PasteIsEnabledOnlyForTheFormatOfTheMode)
{
    EXPECT_FALSE(view.HandlesCommand(kEditCut)); // no one handles Cut: always disabled
    const QByteArray anything("x");
    struct Case
    {
        QString mimeType;
        bool inDesign;
        bool inPreview;
    };
    const Case cases[] = {
        {kLogicMime, true, false},
        {kPaintMime, false, true},
        {QStringLiteral("text/plain"), false, false},
    };
    for (const Case& c : cases) {
        PutOnClipboard(c.mimeType, anything);
        view.OnCommand(kLayoutDesign);
        EXPECT_EQ(view.IsCommandEnabled(kEditPaste), c.inDesign) << c.mimeType.toStdString();
        view.OnCommand(kLayoutPreview);
        EXPECT_EQ(view.IsCommandEnabled(kEditPaste), c.inPreview) << c.mimeType.toStdString();
    }
}

TEST_F(ViewEditCommands, ADamagedClipboardPayloadIsReportedAndPastesNothing)
{
    PutOnClipboard(kLogicMime, QByteArray("\x01\x00\xFF\xFF", 4));
    view.OnCommand(kEditPaste);
    EXPECT_EQ(document.MainCount(), 0);
    EXPECT_EQ(
        notifier.Messages(),
        std::vector<std::string>{"Vantrel v2: Attempted to access an unnamed file past its end."});
}

TEST_F(ViewEditCommands, PaintPasteIsUndoneInDesignAndTheSelectionForgetsItsObjects)
{
    view.OnCommand(kLayoutPreview);
    auto line = std::make_unique<Line>();
    line->to = {0.5f, 0.5f};
    PutOnClipboard(kPaintMime, AsByteArray(PaintPayload({line.get()})));
    view.OnCommand(kEditPaste);
    ASSERT_EQ(document.paintObjects.size(), 1u);
    EXPECT_EQ(view.State().paintSelection.size(), 1u);

    view.OnCommand(kLayoutDesign);
    ASSERT_TRUE(view.IsCommandEnabled(kEditUndo));
    view.OnCommand(kEditUndo);
    EXPECT_TRUE(document.paintObjects.empty());
    EXPECT_TRUE(view.State().paintSelection.empty());
    view.OnCommand(kEditRedo);
    EXPECT_EQ(document.paintObjects.size(), 1u);
}

TEST_F(ViewEditCommands, FindCentresTheChosenElement)
{
    Add<LogIn>(Point{50, 20}, 1, 0, u"Start");
    Add<LogIn>(Point{-3, 4}, 2, 1, u"Start");
    prompts.foundId = 1;
    view.OnCommand(kEditFind);
    EXPECT_EQ(prompts.offered.size(), 2u);
    EXPECT_EQ(view.State().origin, (Point{45, 17}));
    EXPECT_EQ(view.State().logicSelection, std::vector<LogElement*>{document.FindById(1)});

    prompts.foundId.reset(); // Cancel
    view.OnCommand(kEditFind);
    EXPECT_EQ(view.State().origin, (Point{45, 17}));
    view.OnCommand(kLayoutPreview);
    EXPECT_FALSE(view.IsCommandEnabled(kEditFind));
}

TEST_F(ViewEditCommands, ReplicateSelectsTheNewReplicatorAndIsThenDisabled)
{
    LogElement* input = Add<LogIn>(Point{3, 4}, 1, 0, u"In");
    document.nextElementId = 2;
    EXPECT_FALSE(view.IsCommandEnabled(kEditReplicate));
    view.State().logicSelection = {input};
    ASSERT_TRUE(view.IsCommandEnabled(kEditReplicate));
    view.OnCommand(kEditReplicate);
    ASSERT_NE(document.FindAt({2, 4}), nullptr);
    EXPECT_EQ(view.State().logicSelection, std::vector<LogElement*>{document.FindAt({2, 4})});
    EXPECT_FALSE(view.IsCommandEnabled(kEditReplicate));
}

TEST_F(ViewEditCommands, ImportedPicturesShowAndABackgroundColourReplacesThem)
{
    view.OnCommand(kLayoutPreview);
    EXPECT_EQ(MiddlePixel(), QColor(Qt::white));
    // Each import shows at once, whatever was shown before.
    struct Case
    {
        const char* name;
        const char* format;
        Qt::GlobalColor colour;
    };
    for (const Case& c : {Case{"red.png", "PNG", Qt::red}, Case{"green.jpg", "JPEG", Qt::green}}) {
        SCOPED_TRACE(c.name);
        prompts.openFile = WritePicture(c.name, c.format, c.colour);
        view.OnCommand(kImportBackground);
        EXPECT_EQ(PageWidth(document), 64);
        const QColor expected(c.colour);
        const QColor shown = MiddlePixel();
        EXPECT_LT(std::abs(shown.red() - expected.red()), 16);
        EXPECT_LT(std::abs(shown.green() - expected.green()), 16);
    }
    // The design saves with the image; undo and redo exchange the images.
    const auto saved = folder / "imported.lgc";
    ASSERT_TRUE(SaveDesign(document, saved, codec));
    CVantrelDoc reopened;
    ASSERT_EQ(OpenDesign(reopened, saved, codec), OpenOutcome::Opened);
    EXPECT_EQ(PageWidth(reopened), 64);
    const EncodedImage green = document.pageBackgrounds[0];
    view.OnCommand(kLayoutDesign);
    view.OnCommand(kEditUndo);
    EXPECT_EQ(PageWidth(document), 64);
    EXPECT_NE(document.pageBackgrounds[0], green);
    view.OnCommand(kEditRedo);
    EXPECT_EQ(document.pageBackgrounds[0], green);
    view.OnCommand(kLayoutPreview);
    EXPECT_TRUE(notifier.Messages().empty());

    prompts.colour = Rgb(0, 0, 255);
    view.OnCommand(kBackgroundColor);
    EXPECT_EQ(prompts.colourShown, Rgb(255, 255, 255));
    EXPECT_TRUE(document.pageBackgrounds[0].IsEmpty());
    EXPECT_EQ(MiddlePixel(), QColor(Qt::blue));

    // Undo brings the picture back, on the screen too.
    view.OnCommand(kLayoutDesign);
    view.OnCommand(kEditUndo);
    view.OnCommand(kLayoutPreview);
    EXPECT_GT(MiddlePixel().green(), 240);
}

// A file that is no picture, and one too large to be a page, are told apart.
TEST_F(ViewEditCommands, AFileThatIsNoPictureOrTooLargeIsReported)
{
    view.OnCommand(kLayoutPreview);
    const std::vector<std::uint8_t> huge = test::PngClaiming(20000, 100);
    const struct
    {
        const char* name;
        std::string bytes;
        std::string message;
    } cases[] = {
        {"notes.txt", "not a picture\n", "Error: Could not load background image"},
        {"huge.png", std::string(huge.begin(), huge.end()),
         "Error: Could not load background image: the image is 20000 x 100 pixels, and a "
         "background image may have at most 33554432 pixels and at most 16384 on either side. "
         "Scale the image down and import it again."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        notifier.Clear();
        prompts.openFile = folder / c.name;
        std::ofstream(*prompts.openFile, std::ios::binary) << c.bytes;
        document.pageBackgrounds[0] =
            EncodedImage(codec.Encode({1, 1, {0xFFFF0000u}}, ImageFormat::Png));
        document.SetModified(false);
        view.OnCommand(kImportBackground);
        EXPECT_EQ(notifier.Messages(), std::vector<std::string>{c.message});
        EXPECT_TRUE(document.pageBackgrounds[0].IsEmpty());
        EXPECT_TRUE(document.IsModified());
        EXPECT_EQ(MiddlePixel(), QColor(Qt::white));
    }
}

} // namespace
} // namespace vantrel
