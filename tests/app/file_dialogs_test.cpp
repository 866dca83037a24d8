// The desktop's file dialogs of the exports, answered as a user would: the
// folder they open in, the name they offer and the extension a bare name
// gets.
#include "app_test_support.h"
#include "dialog_answers.h"

#include "editing/command_ids.h"

namespace vantrel::test {
namespace {

using namespace command;

class ExportDialogs : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        // The desktop's own file dialogs and questions.
        app = std::make_unique<CVantrelApp>(AppServices{&notifier});
        ASSERT_TRUE(app->InitInstance({}));
        ASSERT_TRUE(QDir().mkpath(FilePath("plant")));
        ASSERT_TRUE(QDir().mkpath(FilePath("elsewhere")));
    }

    CMainFrame& Frame() { return app->MainFrame(); }

    RecordingNotifier notifier{MessageAnswer::Ok};
    DialogAnswers answers;
    std::unique_ptr<CVantrelApp> app;
};

TEST_F(ExportDialogs, OpenInTheDesignsFolderWithTheDefaultNameAndAddTheExtension)
{
    ASSERT_TRUE(app->OpenDocumentFile(WriteDesign("plant/pump.lgc", 7)));
    const QString plant = FilePath("plant");
    const QString allFiles = QStringLiteral("All Files (*)");
    struct Case
    {
        int command;
        const char* offered;
        QStringList filters;
        const char* typed;
        const char* written;
    };
    for (const Case& c :
         {Case{kExportFlash,
               "flash.lgf",
               {"Controller files (*.lgf)", allFiles},
               "controller",
               "controller.lgf"},
          Case{kExportJson, "flash.lgj", {"JSON files (*.lgj)", allFiles}, "design", "design.lgj"},
          Case{kExportIoList,
               "inputs.csv",
               {"Comma-separated lists (*.csv)", allFiles},
               "inputs",
               "inputs.csv"},
          Case{kExportPicture,
               "pump.png",
               {"PNG image (*.png)", "SVG drawing (*.svg)", "PDF document (*.pdf)"},
               "view",
               "view.png"},
          Case{kExportDocumentation,
               "pump.pdf",
               {"PDF document (*.pdf)", "HTML page (*.html)", allFiles},
               "manual",
               "manual.pdf"},
          Case{kFileSaveAs,
               "pump.lgc",
               {"Logical Design Files (*.lgc)", allFiles},
               "copy",
               "copy.lgc"}}) {
        SCOPED_TRACE(c.offered);
        SeenDialog seen;
        if (c.command == kExportIoList)
            answers.IoListDialog();
        answers.FileDialog(seen, c.typed);
        answers.Run(Frame(), c.command);
        EXPECT_EQ(seen.folder, plant);
        EXPECT_EQ(seen.name, c.offered);
        EXPECT_EQ(seen.filters, c.filters);
        EXPECT_TRUE(QFile::exists(plant + "/" + c.written));
    }
}

TEST_F(ExportDialogs, ANameTypedWithoutExtensionGetsTheOneOfTheChosenType)
{
    ASSERT_TRUE(app->OpenDocumentFile(WriteDesign("plant/pump.lgc", 7)));
    const struct
    {
        int command;
        std::vector<Qt::Key> typeKeys;
        const char* written;
    } cases[] = {
        {kExportDocumentation, {Qt::Key_Down}, "phone.html"},
        // Under the filter of all files, the first type's, whatever was
        // chosen before.
        {kExportDocumentation, {Qt::Key_Down, Qt::Key_End}, "all.pdf"},
        {kExportPicture, {Qt::Key_Down}, "drawing.svg"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written);
        SeenDialog seen;
        answers.FileDialog(seen, QFileInfo(c.written).completeBaseName(), {}, c.typeKeys);
        answers.Run(Frame(), c.command);
        EXPECT_TRUE(QFile::exists(FilePath("plant/") + c.written));
    }
}

TEST_F(ExportDialogs, AnUnsavedDesignsDialogsOpenWhereTheLastFileWasChosen)
{
    const QString elsewhere = FilePath("elsewhere");
    // No file chosen yet: the working folder.
    SeenDialog first;
    answers.FileDialog(first, "first", elsewhere);
    answers.Run(Frame(), kExportJson);
    EXPECT_EQ(first.folder, QDir::currentPath());
    EXPECT_TRUE(QFile::exists(elsewhere + "/first.lgj"));

    SeenDialog next;
    answers.IoListDialog();
    answers.FileDialog(next, "wiring");
    answers.Run(Frame(), kExportIoList);
    EXPECT_EQ(next.folder, elsewhere);
    EXPECT_EQ(next.name, "inputs.csv");
    EXPECT_TRUE(QFile::exists(elsewhere + "/wiring.csv"));
}

} // namespace
} // namespace vantrel::test
