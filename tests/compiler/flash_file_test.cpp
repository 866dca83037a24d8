#include "compiler/flash_file.h"

#include "archive/file_bytes.h"
#include "compiler/flash_image.h"
#include "document/vantrel_doc.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "export/flash_export.h"
#include "paint/shapes.h"
#include "support/fake_image_codec.h"
#include "support/hex.h"
#include "support/plant_design.h"
#include "support/recording_notifier.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <climits>

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using test::FromHex;
using test::Place;
using test::ToHex;

constexpr std::int32_t kRandom = 77;

// A 64-byte name entry as the controller reads it: the 8-bit text, then zeros.
std::string NameEntry(std::string_view text)
{
    std::vector<std::uint8_t> field(text.begin(), text.end());
    field.resize(64);
    return ToHex(field);
}

// Walks through an exported file one part at a time.
class FileCursor
{
public:
    explicit FileCursor(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    std::string Next(std::size_t count)
    {
        if (count > Left())
            return "past the end";
        auto part = std::span(bytes_).subspan(position_, count);
        position_ += count;
        return ToHex(part);
    }
    std::size_t Left() const { return bytes_.size() - position_; }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

class FlashFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = test::FreshTestFolder("flash_file");
        document.SetNotifier(&notifier);
    }

    // Exports and steps over the program image, which must come first.
    FileCursor ExportAndSkipImage()
    {
        const auto image = Compile(document, kRandom);
        report = ExportFlashFile(document, folder / "flash.lgf", codec, kRandom);
        FileCursor cursor(ReadFileBytes(folder / "flash.lgf"));
        EXPECT_EQ(cursor.Next(image.size()), ToHex(image));
        return cursor;
    }

    fs::path folder;
    test::FakeImageCodec codec;
    test::RecordingNotifier notifier;
    CVantrelDoc document;
    std::u16string report;
};

TEST_F(FlashFile, EveryPartInItsPlace)
{
    document.numInputs = 8;
    document.numOutputs = 8;
    Place<LogIn>(document, 1, {}, 0, u"Start");
    Place<LogOut>(document, 2, {1}, 1, u"Lamp");
    Place<LogUser>(document, 3, {}, 1, u"Jog");
    Place<LogUserOut>(document, 4, {3}, 0, u"Done");
    Place<Acc>(document, 5, {}, u"Level", 0);
    Place<GP_Register>(document, 6, {5, 5}, 0, true, u"Sum");
    auto line = std::make_unique<Line>();
    line->to = FPoint(0.5f, -0.5f);
    line->commandId = 3;
    line->activeId = 2;
    line->active2Id = 4;
    line->progressId = 6;
    line->hasCommand = line->hasActive = line->hasActive2 = line->hasProgress = 1;
    document.paintObjects.push_back(std::move(line));
    document.backgroundColour = 0x00123456;
    document.complexCommands.push_back(std::make_unique<ComplexCommand>(u"Go"));
    document.complexCommands.back()->settings = {{3, true}};
    document.pageBackgrounds = {test::FakeImageCodec::Encoded(test::FakeImageCodec::Sample(2, 1)),
                                {}};

    FileCursor file = ExportAndSkipImage();
    // Name table header: 8 inputs, 8 outputs, user input 1 gives 3 user
    // input entries, user output 0 gives 2, two monitored registers.
    EXPECT_EQ(file.Next(64), ToHex(FromHex("81 D4 00 00 00 06 00 00 08 00 00 00 08 00 00 00"
                                           "03 00 00 00 02 00 00 00 02 00 00 00" +
                                           std::string(72, '0'))));
    std::vector<std::string> ioNames(8 + 8 + 3 + 2, NameEntry(""));
    ioNames[0] = NameEntry("Start");
    ioNames[8 + 1] = NameEntry("Lamp");
    ioNames[16 + 1] = NameEntry("Jog");
    ioNames[16 + 3 + 0] = NameEntry("Done");
    for (std::size_t entry = 0; entry < ioNames.size(); ++entry)
        EXPECT_EQ(file.Next(64), ioNames[entry]) << "I/O name entry " << entry;
    EXPECT_EQ(file.Next(64), NameEntry("Level"));
    EXPECT_EQ(file.Next(64), NameEntry("Sum"));
    // One line: commands user input 1 (flat 17), active with output 1 (9),
    // active2 with user output 0 (24), progress of monitor entry 1.
    EXPECT_EQ(file.Next(4 + 84), ToHex(FromHex("01 00 00 00"
                                               "01 00 00 00 11 00 00 00 09 00 00 00 00 00 00 00"
                                               "FF 00 00 00 01 00 00 00 01 00 00 00 01 00 00 00"
                                               "00 00 00 00 18 00 00 00 01 00 00 00 00 FF FF 00"
                                               "01 00 00 00 01 00 00 00 E8 03 00 00 00 00 00 00"
                                               "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 3F"
                                               "00 00 00 BF")));
    EXPECT_EQ(file.Next(4), "56 34 12 00");
    EXPECT_EQ(file.Next(4 + 128 + 9),
              ToHex(FromHex("01 00 00 00 47 00 6F 00" + std::string(124 * 2, '0') +
                            "01 00 00 00 01 00 00 00 01")));
    // The first page background, as the codec encodes it.
    EXPECT_EQ(file.Next(4 + 7), "07 00 00 00 49 4D 47 02 01 00 07");
    EXPECT_EQ(file.Left(), 0u);
    EXPECT_EQ(report, Report(document, Compile(document, kRandom)));
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST_F(FlashFile, UserInputEntriesAreOneMoreThanTheHighestNumberNeeds)
{
    Place<LogUser>(document, 1, {}, 7, u"Seven");
    FileCursor file = ExportAndSkipImage();
    // 32 + 32 inputs and outputs, 9 user input entries, 1 user output entry.
    EXPECT_EQ(file.Next(64), ToHex(FromHex("1F 5A 00 00 C0 12 00 00 20 00 00 00 20 00 00 00"
                                           "09 00 00 00 01 00 00 00 00 00 00 00" +
                                           std::string(72, '0'))));
    EXPECT_EQ(file.Next(64 * (64 + 7)), ToHex(std::vector<std::uint8_t>(64 * (64 + 7))));
    EXPECT_EQ(file.Next(64), NameEntry("Seven"));
    EXPECT_EQ(file.Next(64 * 2), ToHex(std::vector<std::uint8_t>(128)));
    EXPECT_EQ(file.Left(), 16u);
}

TEST_F(FlashFile, NamesAreCutTo63BytesOfTheEightBitCodePage)
{
    document.numInputs = 8;
    document.numOutputs = 0;
    Place<LogIn>(document, 1, {}, 0, std::u16string(70, u'x'));
    Place<LogIn>(document, 2, {}, 1, u"Caf\u00e9 \u20ac");
    FileCursor file = ExportAndSkipImage();
    file.Next(64);
    EXPECT_EQ(file.Next(64), NameEntry(std::string(63, 'x')));
    EXPECT_EQ(file.Next(64), NameEntry("Caf\xE9 \x80"));
}

TEST_F(FlashFile, WithoutPaintAndCommandsTheColourSitsBetweenTwoZeroCounts)
{
    document.backgroundColour = 0x00ABCDEF;
    FileCursor file = ExportAndSkipImage();
    file.Next(64 + 66 * 64);
    // No paint objects, the colour, no commands, no background image.
    EXPECT_EQ(file.Next(16), ToHex(FromHex("00 00 00 00 EF CD AB 00 00 00 00 00 00 00 00 00")));
    EXPECT_EQ(file.Left(), 0u);
}

// An element numbered outside its kind's range would land in another
// kind's entries or past the table; it gets no entry.
TEST_F(FlashFile, NumbersOutsideTheirRangeGetNoEntry)
{
    document.numInputs = 8;
    document.numOutputs = 8;
    Place<LogIn>(document, 1, {}, 9, u"Stray");
    Place<LogIn>(document, 2, {}, -1, u"Negative");
    Place<LogOut>(document, 3, {}, 1, u"Lamp");
    FileCursor file = ExportAndSkipImage();
    EXPECT_EQ(file.Next(64).substr(16 * 3, 11), "01 00 00 00"); // one user input entry
    for (int entry = 0; entry < 8 + 8 + 1 + 1; ++entry)
        EXPECT_EQ(file.Next(64), NameEntry(entry == 9 ? "Lamp" : "")) << entry;
}

// Only the name tables stop at the board's range; the header keeps the low
// 8 bits of INT_MAX div 8, of -8 div 8 and of (INT_MAX + 1 + 8) div 8.
TEST_F(FlashFile, ImpossibleCountsHoldOnlyTheNameTablesToTheBoardRange)
{
    document.numInputs = INT_MAX;
    document.numOutputs = -8;
    Place<LogUser>(document, 1, {}, INT_MAX, u"Far");
    const auto image = Compile(document, kRandom);
    EXPECT_EQ(ToHex(std::span(image).subspan(0x15, 3)), "FF FF 01");
    FileCursor file = ExportAndSkipImage();
    EXPECT_EQ(file.Next(64).substr(8 * 3, 35), "00 08 00 00 00 00 00 00\n01 08 00 00");
}

TEST_F(FlashFile, CommandsLoseDeletedUserInputsOnceTheFileIsWritten)
{
    Place<LogUser>(document, 3, {}, 0, u"Jog");
    document.complexCommands.push_back(std::make_unique<ComplexCommand>(u"Go"));
    document.complexCommands.back()->settings = {{3, true}, {99, false}};

    EXPECT_THROW(ExportFlashFile(document, folder / "missing" / "flash.lgf", codec, kRandom),
                 FileError);
    EXPECT_EQ(document.complexCommands.back()->settings.size(), 2u);
    EXPECT_FALSE(fs::exists(folder / "missing"));

    notifier.Clear();
    ExportFlashFile(document, folder / "flash.lgf", codec, kRandom);
    EXPECT_EQ(notifier.Messages(),
              std::vector<std::string>{"Error correction: Deleted user "
                                       "inputs removed from complex command."});
    EXPECT_EQ(document.complexCommands.back()->settings, (std::map<std::int32_t, bool>{{3, true}}));
}

} // namespace
} // namespace vantrel
