#include "editing/page_background.h"

#include "archive/archive.h"
#include "document/system_classes.h"
#include "document/vantrel_doc.h"
#include "support/fake_image_codec.h"
#include "support/hex.h"
#include "support/recording_notifier.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::FakeImageCodec;

class PageBackground : public ::testing::Test
{
protected:
    void SetUp() override
    {
        document.SetNotifier(&notifier);
        document.pageBackgrounds = {FakeImageCodec::Sample(2, 2), FakeImageCodec::Sample(3, 1),
                                    FakeImageCodec::Sample(1, 1)};
        document.SetModified(false);
    }

    std::string Stored()
    {
        std::vector<std::uint8_t> bytes;
        CArchive ar(StoreTo, bytes, SystemClasses());
        document.Serialize(ar, FakeImageCodec(), ImageFormat::Png);
        return test::ToHex(bytes);
    }

    // Undo gives the design as it was before the edit, redo as after it.
    void ExpectUndoAndRedo(const std::string& before)
    {
        const std::string after = Stored();
        std::vector<LogElement*> selection;
        ASSERT_EQ(document.UndoStack().size(), 1u);
        document.Undo(selection);
        EXPECT_EQ(Stored(), before);
        document.Redo(selection);
        EXPECT_EQ(Stored(), after);
    }

    test::RecordingNotifier notifier;
    CVantrelDoc document;
};

TEST_F(PageBackground, ColourIsSharedAndRemovesOnlyTheCurrentPagesImage)
{
    const std::string before = Stored();
    SetBackgroundColour(document, 1, Rgb(10, 20, 30));

    EXPECT_EQ(document.backgroundColour, Rgb(10, 20, 30));
    EXPECT_FALSE(document.pageBackgrounds[0].IsEmpty());
    EXPECT_TRUE(document.pageBackgrounds[1].IsEmpty());
    EXPECT_FALSE(document.pageBackgrounds[2].IsEmpty());
    EXPECT_TRUE(document.IsModified());
    ExpectUndoAndRedo(before);
}

TEST_F(PageBackground, AFileThatDoesNotDecodeLeavesThePageWithoutImage)
{
    const std::string before = Stored();
    EXPECT_FALSE(ImportBackground(document, 2, "no-such-picture.png", FakeImageCodec()));

    EXPECT_EQ(notifier.Messages(),
              std::vector<std::string>{"Error: Could not load background image"});
    EXPECT_TRUE(document.pageBackgrounds[2].IsEmpty());
    EXPECT_FALSE(document.pageBackgrounds[1].IsEmpty());
    EXPECT_TRUE(document.IsModified());
    ExpectUndoAndRedo(before);
}

} // namespace
} // namespace vantrel
