#include "editing/page_background.h"

#include "archive/archive.h"
#include "document/system_classes.h"
#include "document/vantrel_doc.h"
#include "support/fake_image_codec.h"
#include "support/hex.h"
#include "support/recording_notifier.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace vantrel {
namespace {

using test::FakeImageCodec;

class PageBackground : public ::testing::Test
{
protected:
    void SetUp() override
    {
        document.SetNotifier(&notifier);
        document.pageBackgrounds = {FakeImageCodec::Encoded(FakeImageCodec::Sample(2, 2)),
                                    FakeImageCodec::Encoded(FakeImageCodec::Sample(3, 1)),
                                    FakeImageCodec::Encoded(FakeImageCodec::Sample(1, 1))};
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

// The page holds the file itself, not a decoded copy; a file that does not
// decode is not taken, whatever its name says.
TEST_F(PageBackground, AnImportedFileIsKeptAsItIsOnceItDecodes)
{
    const auto folder = test::FreshTestFolder("page_background");
    const auto write = [&](const char* name, const char* bytes, std::streamsize size) {
        std::ofstream(folder / name, std::ios::binary).write(bytes, size);
        return folder / name;
    };
    const char picture[] = {'I', 'M', 'G', 1, 2, 5, 6};
    const char damaged[] = {'I', 'M', 'G', 2, 2, 5};

    const std::string before = Stored();
    EXPECT_TRUE(ImportBackground(document, 1, write("picture.img", picture, 7), FakeImageCodec()));
    EXPECT_EQ(document.pageBackgrounds[1],
              EncodedImage(std::vector<std::uint8_t>(std::begin(picture), std::end(picture))));
    EXPECT_TRUE(notifier.Messages().empty());
    ExpectUndoAndRedo(before);

    EXPECT_FALSE(ImportBackground(document, 0, write("damaged.png", damaged, 6), FakeImageCodec()));
    EXPECT_TRUE(document.pageBackgrounds[0].IsEmpty());
    EXPECT_EQ(notifier.Messages(),
              std::vector<std::string>{"Error: Could not load background image"});
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
