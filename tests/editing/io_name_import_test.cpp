#include "editing/io_name_import.h"

#include "archive/text_codec.h"
#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "support/recording_notifier.h"

#include <gtest/gtest.h>

#include <string_view>

namespace vantrel {
namespace {

IoNameSheet Sheet(std::string_view text)
{
    return ReadIoNameSheet({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

// Inputs 1 "Start" and 2 twice ("Stop", "Stop copy"), output 1 "Lamp" and a
// gate, the drawing reaching column 5 and row 0 at the top.
class IoNameImportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        document.SetNotifier(&notifier);
        Add<LogIn>(Point{0, 0}, 1, 0, u"Start");
        Add<LogIn>(Point{0, 1}, 2, 1, u"Stop");
        Add<LogIn>(Point{0, 2}, 3, 1, u"Stop copy");
        Add<LogOut>(Point{3, 0}, 4, 0, u"Lamp");
        Add<LogAnd>(Point{5, 4}, 5);
        document.nextElementId = 6;
        document.SetModified(false);
    }

    template <class Kind, class... Args> void Add(Args&&... args)
    {
        ASSERT_TRUE(document.InsertElement(std::make_unique<Kind>(std::forward<Args>(args)...)));
    }

    std::u16string NameOf(std::int32_t id) const
    {
        return static_cast<const LogIO*>(document.FindById(id))->name;
    }

    test::RecordingNotifier notifier;
    CVantrelDoc document;
};

TEST_F(IoNameImportTest, NamesEveryElementOfANumberAndReportsEachRow)
{
    const IoNameImport import =
        ImportIoNames(document,
                      Sheet("Number,Board,Pin,Name\r\n1,1,1,Start\r\n2,1,2,Stop button"
                            "\r\n5,1,5,Spare\r\n40,2,8,Far\r\n"),
                      kInputList, false);
    EXPECT_EQ(NameOf(1), u"Start");
    EXPECT_EQ(NameOf(2), u"Stop button");
    EXPECT_EQ(NameOf(3), u"Stop button");
    EXPECT_EQ(NameOf(4), u"Lamp"); // output 1 is another terminal than input 1
    EXPECT_TRUE(import.Changed());
    EXPECT_TRUE(import.Reported());
    EXPECT_EQ(ToUtf8(IoNameImportReport(import)),
              "line 2: input 1 \"Start\" unchanged\n"
              "line 3: input 2 \"Stop button\" assigned (was \"Stop\")\n"
              "line 4: input 5 \"Spare\" unknown: no element has this number\n"
              "line 5: input 40 \"Far\" unknown: beyond the design's 32 inputs\n"
              "1 assigned, 1 unchanged, 0 created, 2 unknown.\n");
    EXPECT_EQ(document.elements[kMainList].size(), 5u);
}

TEST_F(IoNameImportTest, CreatesMissingElementsInAFreeColumnAsOneUndoStep)
{
    const std::size_t undoSteps = document.UndoStack().size();
    const IoNameImport import = ImportIoNames(
        document, Sheet("2,Stop button\n5,Spare\n7,Reserve\n40,Far\n"), kInputList, true);
    ASSERT_EQ(import.results.size(), 4u);
    EXPECT_EQ(import.results[1].outcome, IoNameOutcome::Created);
    EXPECT_EQ(import.results[3].outcome, IoNameOutcome::Unknown); // beyond the count
    const auto* spare = dynamic_cast<const LogIn*>(document.FindById(6));
    const auto* reserve = dynamic_cast<const LogIn*>(document.FindById(7));
    ASSERT_TRUE(spare && reserve);
    EXPECT_EQ(spare->number, 4);
    EXPECT_EQ(spare->name, u"Spare");
    EXPECT_EQ(spare->pos, (Point{7, 0}));
    EXPECT_EQ(reserve->number, 6);
    EXPECT_EQ(reserve->pos, (Point{7, 1}));
    EXPECT_EQ(import.results[2].cell, (Point{7, 1}));
    EXPECT_EQ(document.UndoStack().size(), undoSteps + 1);
    EXPECT_TRUE(document.IsModified());

    std::vector<LogElement*> selection;
    document.Undo(selection);
    EXPECT_EQ(NameOf(2), u"Stop");
    EXPECT_EQ(NameOf(3), u"Stop copy");
    EXPECT_EQ(document.FindById(6), nullptr);
    EXPECT_EQ(document.FindById(7), nullptr);
    EXPECT_FALSE(document.IsModified());
}

TEST_F(IoNameImportTest, AMalformedLineOrNothingToChangeLeavesTheDesignAsItWas)
{
    const IoNameImport malformed =
        ImportIoNames(document, Sheet("1,New start\n2\n3,Reset\n"), kInputList, true);
    EXPECT_TRUE(malformed.results.empty());
    EXPECT_TRUE(malformed.Reported());
    EXPECT_EQ(ToUtf8(IoNameImportReport(malformed)),
              "line 2: malformed: expected an I/O number and a name\n"
              "1 malformed line; nothing was changed. Correct the file and import it again.\n");
    EXPECT_EQ(NameOf(1), u"Start");
    EXPECT_EQ(document.elements[kMainList].size(), 5u);

    const IoNameImport same = ImportIoNames(document, Sheet("1,Lamp\n"), kOutputList, false);
    EXPECT_FALSE(same.Changed());
    EXPECT_FALSE(same.Reported());

    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(document.UndoStack().empty());
}

} // namespace
} // namespace vantrel
