#include "editing/logic_block.h"

#include "archive/file_bytes.h"
#include "archive/text_codec.h"
#include "document/vantrel_doc.h"
#include "editing/view_state.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "support/hex.h"
#include "support/recording_notifier.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// An input feeding an And, the And feeding a Not, an Or feeding the And's
// second input and itself fed from outside (element 5, not in the block).
class LogicBlockTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        source.SetNotifier(&notifier);
        target.SetNotifier(&notifier);
        Add<LogIn>(Point{0, 0}, 1, 0, u"Start");
        Add<LogAnd>(Point{2, 0}, 2).inputs = {1, 4};
        Add<LogNot>(Point{4, 0}, 3).inputs = {2};
        Add<LogOr>(Point{2, 2}, 4).inputs = {5, 0};
        Add<LogIn>(Point{0, 2}, 5, 1, u"Stop");
        for (std::int32_t id : {1, 2, 3, 4})
            selection.push_back(source.FindById(id));
    }

    template <class Kind, class... Args> Kind& Add(Args&&... args)
    {
        auto element = std::make_unique<Kind>(std::forward<Args>(args)...);
        Kind& added = *element;
        EXPECT_TRUE(source.InsertElement(std::move(element)));
        return added;
    }

    LogicBlock Block() { return MakeLogicBlock(source, selection, u"Latch", u"A latch"); }

    Bytes FileOf(const LogicBlock& block) { return BlockFileBytes(block).value(); }

    test::RecordingNotifier notifier;
    CVantrelDoc source;
    CVantrelDoc target;
    std::vector<LogElement*> selection;
};

TEST_F(LogicBlockTest, TheFileIsTheHeaderTheTextsThePictureAndThePayload)
{
    LogicBlock block = Block();
    block.description = std::u16string(1, char16_t(0xE9));
    block.thumbnail = {0x89, 0x50};
    const Bytes file = FileOf(block);
    const Bytes head = test::FromHex("56 54 4C 42 4C 4F 43 4B  01 00 00 00"      // magic, version
                                     "05 00 00 00 4C 00 61 00 74 00 63 00 68 00" // "Latch"
                                     "01 00 00 00 E9 00"                         // "é"
                                     "02 00 00 00 89 50");                       // picture
    ASSERT_GT(file.size(), head.size() + 4);
    EXPECT_EQ(test::ToHex(std::span(file).first(head.size())), test::ToHex(head));
    const std::size_t payloadSize = block.payload.size();
    EXPECT_EQ(test::ToHex(std::span(file).subspan(head.size(), 4)),
              test::ToHex(Bytes{std::uint8_t(payloadSize), std::uint8_t(payloadSize >> 8), 0, 0}));
    EXPECT_EQ(file.size(), head.size() + 4 + payloadSize);

    const BlockReading reading = ReadLogicBlock(file);
    ASSERT_TRUE(reading.block) << test::ToHex(file);
    EXPECT_EQ(reading.block->name, u"Latch");
    EXPECT_EQ(reading.block->description, block.description);
    EXPECT_EQ(reading.block->thumbnail, block.thumbnail);
    EXPECT_EQ(reading.block->payload, block.payload);
}

TEST_F(LogicBlockTest, PlacedAtACellAsAPasteInOneUndoStep)
{
    target.nextElementId = 100;
    ViewState view;
    view.origin = {-7, 3};
    ASSERT_TRUE(PlaceLogicBlock(target, view, Block(), Point{10, 20}));
    // The input is left out; the rest get new consecutive ids in list order,
    // keep their wiring among themselves and lose the rest.
    const auto& main = target.elements[kMainList];
    ASSERT_EQ(main.size(), 3u);
    struct Expected
    {
        std::int32_t id;
        Point cell;
        std::array<std::int32_t, 2> inputs;
    } expected[] = {{100, {10, 20}, {0, 102}}, {101, {12, 20}, {100, 0}}, {102, {10, 22}, {0, 0}}};
    for (std::size_t i = 0; i < main.size(); ++i) {
        EXPECT_EQ(main[i]->id, expected[i].id);
        EXPECT_EQ(main[i]->pos, expected[i].cell) << i;
        EXPECT_EQ(main[i]->inputs[0], expected[i].inputs[0]) << i;
        EXPECT_EQ(main[i]->inputs[1], expected[i].inputs[1]) << i;
        EXPECT_STREQ(main[i]->ClassName(), source.FindById(std::int32_t(i) + 2)->ClassName());
    }
    EXPECT_EQ(view.logicSelection.size(), 3u);
    EXPECT_EQ(view.origin, (Point{-7, 3}));
    EXPECT_EQ(target.UndoStack().size(), 1u);

    std::vector<LogElement*> undone;
    target.Undo(undone);
    EXPECT_TRUE(target.elements[kMainList].empty());
}

TEST_F(LogicBlockTest, ADamagedFileIsReportedNeverTrusted)
{
    const Bytes good = FileOf(Block());
    const auto damaged = [&](std::size_t at, std::initializer_list<std::uint8_t> bytes) {
        Bytes changed = good;
        std::copy(bytes.begin(), bytes.end(), changed.begin() + std::ptrdiff_t(at));
        return changed;
    };
    Bytes onlyInputs = FileOf(MakeLogicBlock(source, {source.FindById(1)}, u"In", u""));
    Bytes trailing = good;
    trailing.push_back(0);
    const struct
    {
        const char* what;
        Bytes bytes;
        const char* problem;
    } cases[] = {
        {"empty", {}, "it is no block file"},
        {"another file", damaged(0, {'P', 'K'}), "it is no block file"},
        {"a name of four billion units", damaged(12, {0xFF, 0xFF, 0xFF, 0xFF}),
         "its name is longer than a block's"},
        {"a name past the end", damaged(12, {0xC8, 0, 0, 0}), "it ends too early"},
        {"trailing bytes", trailing, "it holds more than a block"},
        {"logic that cannot be read", damaged(good.size() - 8, {0xFF, 0xFF, 0xFF, 0xFF}),
         "its logic cannot be read"},
        {"nothing to place", onlyInputs, "it holds no element that can be placed"},
    };
    for (const auto& c : cases) {
        const BlockReading reading = ReadLogicBlock(c.bytes);
        EXPECT_FALSE(reading.block) << c.what;
        EXPECT_NE(ToUtf8(reading.problem).find(c.problem), std::string::npos)
            << c.what << ": " << ToUtf8(reading.problem);
    }
    const BlockReading newer = ReadLogicBlock(damaged(8, {2}));
    EXPECT_NE(ToUtf8(newer.problem).find("newer version"), std::string::npos);

    // Every cut of the file, and random damage anywhere in it: read or
    // refused, and a block that reads places without harm.
    for (std::size_t size = 0; size < good.size(); ++size)
        EXPECT_FALSE(ReadLogicBlock(std::span(good).first(size)).block) << size;
    std::mt19937 random(28);
    ViewState view;
    for (int round = 0; round < 3000; ++round) {
        Bytes mutated = good;
        for (int k = 0; k < 1 + int(random() % 4); ++k)
            mutated[random() % mutated.size()] = std::uint8_t(random());
        const BlockReading reading = ReadLogicBlock(mutated);
        if (reading.block)
            PlaceLogicBlock(target, view, *reading.block, Point{int(random() % 50), 0});
    }
}

TEST_F(LogicBlockTest, AFolderListsItsBlocksAndItsDamagedFiles)
{
    const fs::path folder = test::FreshTestFolder("logic_blocks");
    const Bytes good = FileOf(Block());
    WriteFileAtomically(folder / "latch.lgb", good);
    WriteFileAtomically(folder / "broken.lgb", std::span(good).first(20));
    WriteFileAtomically(folder / "notes.txt", good);
    {
        std::ofstream(folder / "huge.lgb").put('x');
    }
    fs::resize_file(folder / "huge.lgb", kMaxBlockFileBytes + 1); // sparse: nothing is read
    const std::vector<BlockEntry> entries = ListBlocks(folder);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].file.filename(), "broken.lgb");
    EXPECT_FALSE(entries[0].reading.block);
    EXPECT_EQ(entries[1].file.filename(), "huge.lgb");
    EXPECT_NE(ToUtf8(entries[1].reading.problem).find("larger than any block"), std::string::npos);
    EXPECT_EQ(entries[2].file.filename(), "latch.lgb");
    ASSERT_TRUE(entries[2].reading.block);
    EXPECT_EQ(entries[2].reading.block->name, u"Latch");
    EXPECT_TRUE(ListBlocks(folder / "none").empty());
}

TEST(BlockFolders, TheUsersFolderFollowsXdgDataHome)
{
    const char* saved = std::getenv("XDG_DATA_HOME");
    const std::string restore = saved ? saved : "";
    setenv("XDG_DATA_HOME", "/data/home", 1);
    EXPECT_EQ(UserBlockFolder(), fs::path("/data/home/vantrel/blocks"));
    setenv("XDG_DATA_HOME", "relative", 1);
    EXPECT_EQ(UserBlockFolder(), fs::path(std::getenv("HOME")) / ".local/share/vantrel/blocks");
    if (saved)
        setenv("XDG_DATA_HOME", restore.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(DesignBlockFolder("/plans/plant.lgc"), fs::path("/plans/blocks"));
}

} // namespace
} // namespace vantrel
