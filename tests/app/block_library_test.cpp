// The block library in the running editor: Edit > Save Selection as Block
// writes the selected elements as a block file, the Library dock lists the
// blocks and places them by a drop onto the canvas or a double click.
#include "app_test_support.h"
#include "dialog_answers.h"

#include "app/library_dock.h"
#include "archive/file_bytes.h"
#include "compare/design_dump.h"
#include "editing/clipboard_payload.h"
#include "editing/command_ids.h"
#include "editing/logic_block.h"
#include "editor/vantrel_view.h"
#include "elements/io_elements.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QInputDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QTreeWidget>

#include <map>

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

    LibraryDock& Library()
    {
        if (!Frame().IsCommandChecked(kViewLibrary)) {
            EXPECT_TRUE(Frame().RunCommand(kViewLibrary));
        }
        return Frame().Library();
    }

    QTreeWidgetItem& Row(const QString& name)
    {
        QTreeWidgetItem* row = Library().BlockRow(name);
        EXPECT_NE(row, nullptr) << name.toStdString();
        static QTreeWidgetItem none;
        return row ? *row : none;
    }

    // Drags the row from the library and drops it on the view's canvas at
    // the cell, as a real drag would deliver it to the canvas.
    void DropOnCell(const QTreeWidgetItem& row, Point cell)
    {
        const std::unique_ptr<QMimeData> data(LibraryDock::DragData(row));
        ASSERT_NE(data, nullptr);
        QWidget* canvas = Frame().View().viewport();
        const Point device = Frame().View().State().CellToDevice(cell);
        const QPointF at(device.x, device.y);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, data.get(), Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(canvas, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDragMoveEvent move(at.toPoint(), Qt::CopyAction, data.get(), Qt::LeftButton,
                            Qt::NoModifier);
        QApplication::sendEvent(canvas, &move);
        EXPECT_TRUE(move.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &drop);
        EXPECT_TRUE(drop.isAccepted());
        QCoreApplication::processEvents();
    }

    std::vector<std::int32_t> MainIds()
    {
        std::vector<std::int32_t> ids;
        for (const auto& element : app->Document().elements[kMainList])
            ids.push_back(element->id);
        return ids;
    }

    std::vector<std::int32_t> SelectedIds()
    {
        std::vector<std::int32_t> ids;
        for (const LogElement* element : Frame().View().State().logicSelection)
            ids.push_back(element->id);
        return ids;
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
    LibraryDock& library = Library();
    SaveBlock("Pair", "", true);
    EXPECT_EQ(ReadBlock(PathOf("plant/blocks/Pair.lgb")).name, u"Pair");
    ASSERT_NE(library.BlockRow("Pair"), nullptr) << "the dock lists it at once";
    EXPECT_EQ(library.BlockRow("Pair")->parent()->text(0), "Beside this design");

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

const DumpRecord& ElementRecord(const std::vector<DumpRecord>& records, std::int32_t id)
{
    for (const DumpRecord* record : RecordsIn(records, "element"))
        if (record->number == id)
            return *record;
    ADD_FAILURE() << "no element " << id;
    static const DumpRecord none;
    return none;
}

// Every field of the placed element is the source element's, apart from
// where it stands and what feeds it, which the caller checks.
void ExpectPlacedCopy(const DumpRecord& placed, const DumpRecord& source)
{
    ASSERT_EQ(placed.fields.size(), source.fields.size());
    for (std::size_t i = 0; i < placed.fields.size(); ++i) {
        const std::string& name = source.fields[i].name;
        if (name != "after" && name != "cell" && name != "inputs") {
            EXPECT_EQ(placed.fields[i], source.fields[i]) << source.Line();
        }
    }
}

TEST_F(BlockLibraryWindow, ABlockDroppedOnAnotherDesignIsPastedAtTheCellInOneUndoStep)
{
    Select({1, 2, 3, 4});
    SaveBlock("Latch", "Start and stop");
    const std::vector<DumpRecord> source = DumpDesign(app->Document());
    QTreeWidgetItem& listed = Row("Latch");
    EXPECT_EQ(listed.parent()->text(0), "My blocks");
    EXPECT_EQ(listed.toolTip(0), "Start and stop");
    EXPECT_EQ(listed.icon(0).pixmap(Frame().Library().Tree().iconSize()).size(),
              Frame().Library().Tree().iconSize());

    // Another design: an And of id 7, next id 8.
    ASSERT_TRUE(app->OpenDocumentFile(WriteDesign("other.lgc", 7)));
    const Point cell = Frame().View().CentreCell() + Point{1, 1};
    DropOnCell(Row("Latch"), cell);

    // And (2), Not (3) and Or (4) become 8, 9 and 10, the And's cell, the
    // block's top-left, lands on the drop cell.
    ASSERT_EQ(MainIds(), (std::vector<std::int32_t>{7, 8, 9, 10}));
    EXPECT_EQ(SelectedIds(), (std::vector<std::int32_t>{8, 9, 10}));
    const std::vector<DumpRecord> placed = DumpDesign(app->Document());
    const std::map<std::int32_t, std::int32_t> copies{{8, 2}, {9, 3}, {10, 4}};
    for (const auto& [id, sourceId] : copies)
        ExpectPlacedCopy(ElementRecord(placed, id), ElementRecord(source, sourceId));
    EXPECT_EQ(app->Document().FindById(8)->pos, cell);
    EXPECT_EQ(app->Document().FindById(9)->pos, (cell + Point{2, 0}));
    EXPECT_EQ(app->Document().FindById(10)->pos, (cell + Point{0, 2}));
    EXPECT_EQ(ElementRecord(placed, 8).Value("inputs"), "0,10") << "the input was left out";
    EXPECT_EQ(ElementRecord(placed, 9).Value("inputs"), "8");
    EXPECT_EQ(ElementRecord(placed, 10).Value("inputs"), "0,0") << "fed from outside";
    EXPECT_TRUE(app->Document().IsModified());
    EXPECT_TRUE(Frame().windowTitle().contains('*'));
    QDir().mkpath(QStringLiteral(VANTREL_TEST_OUTPUT_DIR));
    Frame().grab().save(QStringLiteral(VANTREL_TEST_OUTPUT_DIR "/library_block_dropped.png"));

    ASSERT_TRUE(Frame().RunCommand(kEditUndo));
    EXPECT_EQ(MainIds(), std::vector<std::int32_t>{7});
    EXPECT_FALSE(app->Document().IsModified());

    // A double click places it at the view's centre.
    const Point centre = Frame().View().CentreCell();
    QTreeWidget& tree = Frame().Library().Tree();
    QTreeWidgetItem& row = Row("Latch");
    QCoreApplication::processEvents();
    tree.scrollToItem(&row);
    // A real double click: a click, then the second press as a double click.
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(&row).center());
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(&row).center());
    ASSERT_EQ(MainIds().size(), 4U);
    const std::int32_t first = MainIds()[1];
    EXPECT_GT(first, 7);
    EXPECT_EQ(MainIds(), (std::vector<std::int32_t>{7, first, first + 1, first + 2}));
    EXPECT_EQ(app->Document().FindById(first)->pos, centre);
    EXPECT_EQ(SelectedIds().size(), 3U);
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST_F(BlockLibraryWindow, ADamagedBlockFileIsListedAsDamagedAndTheDockKeepsWorking)
{
    Select({2, 3});
    SaveBlock("Pair", "And feeding a Not");
    QFile damaged(FilePath("data/vantrel/blocks/Broken.lgb"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray("VTLBLOCK\x01\x00\x00\x00\xff\xff", 14));
    damaged.close();
    ASSERT_TRUE(app->OpenDocumentFile(WriteDesign("other.lgc", 7)));
    LibraryDock& library = Library();

    QTreeWidgetItem& broken = Row("Broken.lgb (damaged)");
    EXPECT_NE(broken.toolTip(0).indexOf("The block file is damaged"), -1)
        << broken.toolTip(0).toStdString();
    EXPECT_FALSE(broken.flags() & Qt::ItemIsDragEnabled);
    EXPECT_EQ(LibraryDock::DragData(broken), nullptr);
    library.Place(broken);
    ASSERT_EQ(notifier.Messages().size(), 1U);
    EXPECT_NE(notifier.Messages()[0].find("Broken.lgb: The block file is damaged"),
              std::string::npos)
        << notifier.Messages()[0];
    EXPECT_EQ(MainIds(), std::vector<std::int32_t>{7});

    // The installed blocks are listed beside them.
    QTreeWidgetItem* installed =
        library.Tree().topLevelItem(library.Tree().topLevelItemCount() - 1);
    EXPECT_EQ(installed->text(0), "Installed (read-only)");
    EXPECT_EQ(installed->childCount(), 4);

    QDir().mkpath(QStringLiteral(VANTREL_TEST_OUTPUT_DIR));
    Frame().grab().save(QStringLiteral(VANTREL_TEST_OUTPUT_DIR "/library_dock.png"));

    // The filter looks at names and descriptions, in any case.
    library.Filter().setText(QStringLiteral("NOT"));
    EXPECT_FALSE(Row("Pair").isHidden());
    EXPECT_TRUE(Row("Broken.lgb (damaged)").isHidden());
    library.Filter().setText(QStringLiteral("latch"));
    EXPECT_TRUE(Row("Pair").isHidden());
    EXPECT_FALSE(Row("Start/stop latch").isHidden());
    library.Filter().clear();

    library.Place(Row("Pair"));
    EXPECT_EQ(MainIds(), (std::vector<std::int32_t>{7, 8, 9}));
}

TEST_F(BlockLibraryWindow, RenamesAndDeletesBlocksOfWritablePlacesFromTheDock)
{
    Select({2});
    SaveBlock("Gate", "An And");
    Select({3});
    SaveBlock("Inverter", "");
    QTreeWidget& tree = Library().Tree();
    tree.setFocus();
    tree.setCurrentItem(&Row("Gate"));

    DialogAnswers answers;
    answers.Step([](QWidget& widget) {
        auto* dialog = qobject_cast<QInputDialog*>(&widget);
        if (!dialog)
            return false;
        EXPECT_EQ(dialog->textValue(), "Gate");
        dialog->setTextValue(QStringLiteral("Valve"));
        dialog->accept();
        return true;
    });
    answers.While([&tree] { QTest::keyClick(&tree, Qt::Key_F2); });
    EXPECT_FALSE(QFile::exists(FilePath("data/vantrel/blocks/Gate.lgb")));
    const LogicBlock renamed = ReadBlock(PathOf("data/vantrel/blocks/Valve.lgb"));
    EXPECT_EQ(renamed.name, u"Valve");
    EXPECT_EQ(renamed.description, u"An And") << "the rest of the file is kept";
    EXPECT_EQ(PastedElementCount(renamed.payload), 1U);
    EXPECT_EQ(tree.currentItem(), Library().BlockRow("Valve"));

    // A name another block has is refused.
    answers.Step([](QWidget& widget) {
        auto* dialog = qobject_cast<QInputDialog*>(&widget);
        if (dialog) {
            dialog->setTextValue(QStringLiteral("Inverter"));
            dialog->accept();
        }
        return dialog != nullptr;
    });
    answers.While([&tree] { QTest::keyClick(&tree, Qt::Key_F2); });
    ASSERT_EQ(notifier.Messages().size(), 1U);
    EXPECT_NE(notifier.Messages()[0].find("There is a block named \"Inverter\" already"),
              std::string::npos);
    EXPECT_TRUE(QFile::exists(FilePath("data/vantrel/blocks/Valve.lgb")));

    // Delete asks first (the notifier answers OK) and removes the file.
    tree.setCurrentItem(&Row("Valve"));
    QTest::keyClick(&tree, Qt::Key_Delete);
    ASSERT_EQ(notifier.Messages().size(), 2U);
    EXPECT_NE(notifier.Messages()[1].find("Delete the block \"Valve\""), std::string::npos);
    EXPECT_FALSE(QFile::exists(FilePath("data/vantrel/blocks/Valve.lgb")));
    EXPECT_EQ(Library().BlockRow("Valve"), nullptr);

    // The installed blocks stay as they are.
    QTreeWidgetItem* installed = tree.topLevelItem(tree.topLevelItemCount() - 1)->child(0);
    const QString file = installed->data(0, Qt::UserRole).toString();
    tree.setCurrentItem(installed);
    QTest::keyClick(&tree, Qt::Key_Delete);
    QTest::keyClick(&tree, Qt::Key_F2);
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_EQ(notifier.Messages().size(), 2U);
}

// Waits a few seconds at the most for the condition, as the dock's folder
// watcher tells it of changes from the event loop.
bool Eventually(const std::function<bool()>& condition)
{
    for (int round = 0; round < 100 && !condition(); ++round)
        QTest::qWait(50);
    return condition();
}

TEST_F(BlockLibraryWindow, BlocksAddedOrRemovedByAnotherProgramShowInTheDock)
{
    Select({2});
    SaveBlock("Gate", "");
    LibraryDock& library = Library();
    LogicBlock other = ReadBlock(PathOf("data/vantrel/blocks/Gate.lgb"));
    other.name = u"Valve";
    const std::filesystem::path file = PathOf("data/vantrel/blocks/Valve.lgb");
    WriteFileAtomically(file, BlockFileBytes(other).value());
    EXPECT_TRUE(Eventually([&library] { return library.BlockRow("Valve") != nullptr; }));
    std::filesystem::remove(file);
    EXPECT_TRUE(Eventually([&library] { return library.BlockRow("Valve") == nullptr; }));
    EXPECT_NE(library.BlockRow("Gate"), nullptr);
}

TEST_F(BlockLibraryWindow, TheLibraryShowsAgainAfterARestartWhenItWasShown)
{
    Library();
    ASSERT_TRUE(Frame().IsCommandChecked(kViewLibrary));
    ASSERT_TRUE(Frame().close());
    app.reset();
    app = StartApp(notifier);
    EXPECT_TRUE(Frame().IsCommandChecked(kViewLibrary));
    ASSERT_TRUE(Frame().RunCommand(kViewLibrary));
    ASSERT_TRUE(Frame().close());
    app.reset();
    app = StartApp(notifier);
    EXPECT_FALSE(Frame().IsCommandChecked(kViewLibrary));
}

} // namespace
} // namespace vantrel::test
