// The block library in the running editor: Edit > Save Selection as Block
// writes the selected elements as a block file.
#include "app_test_support.h"
#include "dialog_answers.h"

#include "archive/file_bytes.h"
#include "editing/clipboard_payload.h"
#include "editing/command_ids.h"
#include "editing/logic_block.h"
#include "editor/vantrel_view.h"
#include "elements/io_elements.h"

#include <QLineEdit>
#include <QRadioButton>

namespace vantrel::test {
namespace {

using namespace command;

// A design of an input feeding an And, the And feeding a Not, and an Or
// fed from another input and feeding the And's second input; the user's
// block folder in the test's own data folder.
class BlockLibraryWindow : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        savedDataHome_ = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(FilePath("data")));
        ASSERT_TRUE(QDir().mkpath(FilePath("plant")));
        CVantrelDoc design;
        design.InsertElement(std::make_unique<LogIn>(Point{0, 0}, 1, 0, u"Start"));
        design.InsertElement(std::make_unique<LogAnd>(Point{2, 0}, 2));
        design.InsertElement(std::make_unique<LogNot>(Point{4, 0}, 3));
        design.InsertElement(std::make_unique<LogOr>(Point{2, 2}, 4));
        design.InsertElement(std::make_unique<LogIn>(Point{0, 2}, 5, 1, u"Stop"));
        design.FindById(2)->inputs = {1, 4};
        design.FindById(3)->inputs = {2};
        design.FindById(4)->inputs = {5, 0};
        design.nextElementId = 6;
        ASSERT_TRUE(SaveDesign(design, PathOf("plant/latch.lgc"), QtImageCodec()));
        app = StartApp(notifier, {FilePath("plant/latch.lgc")});
        ASSERT_TRUE(started);
    }

    void TearDown() override { qputenv("XDG_DATA_HOME", savedDataHome_); }

    std::filesystem::path PathOf(const QString& name) const
    {
        return QFile::encodeName(FilePath(name)).toStdString();
    }

    CMainFrame& Frame() { return app->MainFrame(); }

    void Select(std::initializer_list<std::int32_t> ids)
    {
        auto& selection = Frame().View().State().logicSelection;
        selection.clear();
        for (const std::int32_t id : ids)
            selection.push_back(app->Document().FindById(id));
        Frame().UpdateCommandUi();
    }

    // Answers the Save Selection as Block dialog with the name and
    // description, beside the design or not; notes the name it proposed and
    // whether the name field had the focus.
    void SaveBlock(const QString& name, const QString& description, bool besideDesign = false)
    {
        DialogAnswers answers;
        answers.Step([=, this](QWidget& widget) {
            auto* nameEdit = widget.findChild<QLineEdit*>(QStringLiteral("blockName"));
            auto* beside = widget.findChild<QRadioButton*>(QStringLiteral("besideDesign"));
            if (!nameEdit || !beside)
                return false;
            proposedName = nameEdit->text();
            nameFocused =
                widget.focusWidget() == nameEdit && nameEdit->selectedText() == proposedName;
            besideOffered = beside->isEnabled();
            nameEdit->setText(name);
            widget.findChild<QLineEdit*>(QStringLiteral("blockDescription"))->setText(description);
            beside->setChecked(besideDesign);
            QDir().mkpath(QStringLiteral(VANTREL_TEST_OUTPUT_DIR));
            widget.grab().save(QStringLiteral(VANTREL_TEST_OUTPUT_DIR "/save_block_dialog.png"));
            qobject_cast<QDialog*>(&widget)->accept();
            return true;
        });
        answers.Run(Frame(), kEditSaveBlock);
    }

    RecordingNotifier notifier;
    std::unique_ptr<CVantrelApp> app;
    QString proposedName;
    bool nameFocused = false;
    bool besideOffered = false;

private:
    QByteArray savedDataHome_;
};

LogicBlock ReadBlock(const std::filesystem::path& file)
{
    BlockReading reading = ReadLogicBlock(ReadFileBytes(file));
    EXPECT_TRUE(reading.block) << file << ": "
                               << QString::fromStdU16String(reading.problem).toStdString();
    return reading.block.value_or(LogicBlock{});
}

TEST_F(BlockLibraryWindow, SavesTheSelectionAsABlockFileWithItsPicture)
{
    EXPECT_FALSE(Frame().IsCommandEnabled(kEditSaveBlock)) << "nothing selected";
    Select({1, 2, 3, 4});
    ASSERT_TRUE(Frame().IsCommandEnabled(kEditSaveBlock));
    SaveBlock("Latch", "Start and stop");

    EXPECT_EQ(proposedName, "New block");
    EXPECT_TRUE(nameFocused);
    EXPECT_TRUE(besideOffered);
    const LogicBlock block = ReadBlock(PathOf("data/vantrel/blocks/Latch.lgb"));
    EXPECT_EQ(block.name, u"Latch");
    EXPECT_EQ(block.description, u"Start and stop");
    EXPECT_EQ(PastedElementCount(block.payload), 3U) << "the input is left out";
    const QImage thumbnail =
        QImage::fromData(block.thumbnail.data(), int(block.thumbnail.size()), "PNG");
    EXPECT_EQ(thumbnail.size(), QSize(160, 120));
    EXPECT_TRUE(notifier.Messages().empty());
    EXPECT_FALSE(app->Document().IsModified()) << "saving a block leaves the design as it was";
}

TEST_F(BlockLibraryWindow, ABlockOfTheSameNameIsReplacedOnlyWhenTheUserSaysSo)
{
    Select({2});
    SaveBlock("Gate", "first");
    Select({3});
    SaveBlock("Gate", "second"); // the recording notifier answers OK, not Yes
    ASSERT_EQ(notifier.Messages().size(), 1U);
    EXPECT_NE(notifier.Messages()[0].find("Gate.lgb"), std::string::npos);
    EXPECT_EQ(ReadBlock(PathOf("data/vantrel/blocks/Gate.lgb")).description, u"first");
    EXPECT_EQ(proposedName, "New block") << "no New block file yet";
}

TEST_F(BlockLibraryWindow, SavesBesideTheDesignAndTellsAFolderThatCannotBeWritten)
{
    Select({2, 3});
    SaveBlock("Pair", "", true);
    EXPECT_EQ(ReadBlock(PathOf("plant/blocks/Pair.lgb")).name, u"Pair");

    // A file where the user's block folder should be: the folder cannot be made.
    QFile blocker(FilePath("data"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SaveBlock("Pair", "");
    ASSERT_EQ(notifier.Messages().size(), 1U);
    EXPECT_NE(notifier.Messages()[0].find("The block was not saved"), std::string::npos)
        << notifier.Messages()[0];
}

TEST_F(BlockLibraryWindow, BesideTheDesignIsNotOfferedForAnUntitledDesign)
{
    ASSERT_TRUE(Frame().RunCommand(kFileNew));
    app->Document().InsertElement(std::make_unique<LogAnd>(Point{1, 1}, 1));
    Select({1});
    SaveBlock("Gate", "");
    EXPECT_FALSE(besideOffered);
    EXPECT_TRUE(std::filesystem::exists(PathOf("data/vantrel/blocks/Gate.lgb")));
}

} // namespace
} // namespace vantrel::test
