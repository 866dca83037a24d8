// The editing commands run through the command table on a document, a view
// state and scripted answers: no window, no display, no system clipboard.
#include "editing/editing_commands.h"

#include "document/vantrel_doc.h"
#include "editing/clipboard.h"
#include "editing/clipboard_payload.h"
#include "editing/view_state.h"
#include "elements/element_kinds.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "paint/paint_kinds.h"
#include "support/fake_image_codec.h"
#include "support/recording_notifier.h"
#include "support/scripted_config_dialogs.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_prompts.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string_view>
#include <utility>

namespace vantrel {
namespace {

using namespace command;

// A clipboard in memory, which may refuse to be written as a busy system
// clipboard does.
class MemoryClipboard final : public Clipboard
{
public:
    bool Holds(const std::u16string& format) const override
    {
        return held && held->first == format;
    }
    std::optional<std::vector<std::uint8_t>> Read(const std::u16string& format) const override
    {
        if (!Holds(format))
            return std::nullopt;
        return held->second;
    }
    bool Write(const std::u16string& format, std::span<const std::uint8_t> bytes) override
    {
        if (refuses)
            return false;
        held.emplace(format, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        return true;
    }

    std::optional<std::pair<std::u16string, std::vector<std::uint8_t>>> held;
    bool refuses = false;
};

class CommandHandlers : public ::testing::Test
{
protected:
    void SetUp() override { document.SetNotifier(&notifier); }

    CommandEffects Run(int id) { return RunEditingCommand(id, context); }
    bool Enabled(int id) const { return IsEditingCommandEnabled(id, QueryOf(context)); }
    bool Checked(int id) const { return IsEditingCommandChecked(id, QueryOf(context)); }

    test::RecordingNotifier notifier;
    CVantrelDoc document;
    ViewState state;
    test::ScriptedDialogs dialogs;
    test::ScriptedConfigDialogs configDialogs;
    test::ScriptedPrompts prompts;
    test::FakeImageCodec codec;
    MemoryClipboard clipboard;
    EditingContext context{document, state, dialogs,   configDialogs,
                           prompts,  codec, clipboard, Size{400, 300}};
};

// Copy fills the clipboard with the mode's payload, Paste takes it back as a
// new element, and undo and redo step over the paste; each command is
// enabled exactly when it has something to work on.
TEST_F(CommandHandlers, CopyPasteUndoAndRedoWorkWithoutAWindow)
{
    document.InsertElement(std::make_unique<LogNot>(Point{1, 1}, 1));
    document.nextElementId = 2;
    EXPECT_FALSE(Enabled(kEditCopy));
    EXPECT_FALSE(Enabled(kEditPaste));
    EXPECT_FALSE(Enabled(kEditUndo));
    EXPECT_EQ(Run(kEditCopy), effect::kNone) << "a disabled command does not run";

    EXPECT_EQ(Run(kEditSelectAll), effect::kRedraw);
    ASSERT_TRUE(Enabled(kEditCopy));
    EXPECT_EQ(Run(kEditCopy), effect::kMenus);
    ASSERT_TRUE(clipboard.held);
    EXPECT_EQ(clipboard.held->first, kLogicDataFormat);
    EXPECT_TRUE(Enabled(kEditPaste));
    Run(kLayoutPreview);
    EXPECT_FALSE(Enabled(kEditPaste)) << "logic data is no paste for the preview pages";
    Run(kLayoutDesign);

    EXPECT_EQ(Run(kEditPaste), effect::kRedraw);
    EXPECT_EQ(document.MainCount(), 2);
    EXPECT_TRUE(notifier.Messages().empty());
    ASSERT_TRUE(Enabled(kEditUndo));
    EXPECT_EQ(Run(kEditUndo), effect::kPageImages | effect::kRedraw);
    EXPECT_EQ(document.MainCount(), 1);
    EXPECT_EQ(Run(kEditRedo), effect::kPageImages | effect::kRedraw);
    EXPECT_EQ(document.MainCount(), 2);
}

TEST_F(CommandHandlers, ARefusedClipboardIsToldAndAForeignPayloadIsRefused)
{
    document.InsertElement(std::make_unique<LogNot>(Point{1, 1}, 1));
    Run(kEditSelectAll);
    clipboard.refuses = true;
    Run(kEditCopy);
    EXPECT_EQ(notifier.Messages(),
              std::vector<std::string>{"Vantrel v2: The selection could not be put on the "
                                       "clipboard."});
    // Bytes under the format that are no payload leave the design as it was.
    notifier.Clear();
    clipboard.refuses = false;
    clipboard.Write(kLogicDataFormat, std::vector<std::uint8_t>{1, 2, 3});
    EXPECT_EQ(Run(kEditPaste), effect::kNone);
    EXPECT_EQ(document.MainCount(), 1);
    EXPECT_EQ(notifier.Messages().size(), 1U);
}

// An export asks for its file first; cancelled, nothing is written. Run, it
// writes the file and tells its report.
TEST_F(CommandHandlers, ExportsAskForTheirFileThenWriteAndReport)
{
    document.InsertElement(std::make_unique<LogNot>(Point{1, 1}, 1));
    EXPECT_EQ(Run(kExportFlash), effect::kNone);
    EXPECT_EQ(prompts.asked, std::vector<std::u16string>{u"flash.lgf"});
    EXPECT_TRUE(notifier.Messages().empty());

    const std::filesystem::path folder = test::FreshTestFolder("editing_commands");
    prompts.folder = folder;
    for (const auto& [id, file] :
         {std::pair{kExportFlash, "flash.lgf"}, std::pair{kExportJson, "flash.lgj"}}) {
        notifier.Clear();
        EXPECT_TRUE(Run(id) & effect::kRedraw);
        EXPECT_TRUE(std::filesystem::exists(folder / file)) << file;
        EXPECT_TRUE(
            std::any_of(notifier.Messages().begin(), notifier.Messages().end(),
                        [](const std::string& message) { return message.starts_with("Report: "); }))
            << file;
    }
}

// File > Import > I/O Names reads the chosen sheet as a whole: a file that
// cannot be read and a sheet with a malformed line change nothing and say
// why; a good sheet names the elements in one undo step and is reported.
TEST_F(CommandHandlers, ImportIoNamesReportsEveryRowAndUndoesInOneStep)
{
    document.InsertElement(std::make_unique<LogIn>(Point{0, 0}, 1, 0, u"Old"));
    document.InsertElement(std::make_unique<LogIn>(Point{0, 1}, 2, 1, u""));
    document.nextElementId = 3;
    const std::filesystem::path folder = test::FreshTestFolder("import_io_names_command");
    const auto write = [&folder](const char* name, std::string_view text) {
        std::ofstream(folder / name, std::ios::binary) << text;
        return folder / name;
    };
    const auto names = [this] {
        std::vector<std::u16string> result;
        for (const auto& element : document.elements[kMainList])
            result.push_back(static_cast<const LogIO&>(*element).name);
        return result;
    };

    EXPECT_EQ(Run(kImportIoNames), effect::kNone); // cancelled
    prompts.ioNames = IoNamesChoice{folder / "missing.csv", kInputList, false};
    EXPECT_EQ(Run(kImportIoNames), effect::kNone);
    ASSERT_EQ(notifier.Messages().size(), 1u);
    EXPECT_NE(notifier.Messages()[0].find("missing.csv"), std::string::npos);

    notifier.Clear();
    prompts.ioNames->file = write("broken.csv", "1,Start\nfive,Stop\n");
    EXPECT_EQ(Run(kImportIoNames), effect::kNone);
    EXPECT_EQ(names(), (std::vector<std::u16string>{u"Old", u""}));
    ASSERT_EQ(notifier.Messages().size(), 1u);
    EXPECT_TRUE(notifier.Messages()[0].starts_with("Import I/O Names: "));
    EXPECT_NE(notifier.Messages()[0].find("line 2: malformed"), std::string::npos);

    notifier.Clear();
    prompts.ioNames =
        IoNamesChoice{write("names.csv", "1,Start\n2,Stop\n3,Spare\n"), kInputList, true};
    const std::size_t steps = document.UndoStack().size();
    EXPECT_TRUE(Run(kImportIoNames) & effect::kRedraw);
    EXPECT_EQ(names(), (std::vector<std::u16string>{u"Start", u"Stop", u"Spare"}));
    EXPECT_EQ(document.UndoStack().size(), steps + 1);
    ASSERT_EQ(notifier.Messages().size(), 1u);
    EXPECT_NE(notifier.Messages()[0].find("2 assigned, 0 unchanged, 1 created, 0 unknown."),
              std::string::npos);

    ASSERT_TRUE(Run(kEditUndo));
    EXPECT_EQ(names(), (std::vector<std::u16string>{u"Old", u""}));
}

// Every element kind and paint kind is a tool of its own: chosen in its
// layout mode only, and then checked.
TEST_F(CommandHandlers, ToolRowsComeFromTheKindTables)
{
    for (const ElementKindRow& kind : ElementKinds()) {
        ASSERT_TRUE(Enabled(kind.command)) << kind.className;
        EXPECT_EQ(Run(kind.command), effect::kMenus);
        EXPECT_EQ(state.designTool, kind.command - kFirstElementTool);
        EXPECT_TRUE(Checked(kind.command)) << kind.className;
        EXPECT_FALSE(Checked(kToolSelect));
    }
    Run(kLayoutPreview);
    EXPECT_FALSE(Enabled(ElementKinds()[0].command));
    for (const PaintKindRow& kind : PaintKinds()) {
        const bool choosable = kind.tool != PaintToolAction::None;
        EXPECT_EQ(Enabled(kind.command), choosable) << kind.className;
        Run(kind.command);
        EXPECT_EQ(Checked(kind.command), choosable) << kind.className;
    }
}

// Find centres the view on the chosen element; a cancelled Find changes
// nothing.
TEST_F(CommandHandlers, FindCentresOnTheChosenElement)
{
    document.InsertElement(std::make_unique<LogIn>(Point{300, 200}, 7, 2, u"Start"));
    const ViewState before;
    EXPECT_EQ(Run(kEditFind), effect::kNone);
    ASSERT_EQ(prompts.offered.size(), 1U);
    EXPECT_EQ(state.origin, before.origin);
    prompts.foundId = 7;
    EXPECT_EQ(Run(kEditFind), effect::kRedraw);
    EXPECT_NE(state.origin, before.origin);
    EXPECT_EQ(state.logicSelection.size(), 1U);
}

} // namespace
} // namespace vantrel
