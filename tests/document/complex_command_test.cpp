#include "document/complex_command.h"

#include "archive/archive.h"
#include "document/system_classes.h"
#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "support/hex.h"
#include "support/recording_notifier.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::FromHex;
using test::ToHex;

std::vector<std::uint8_t> Payload(ComplexCommand& command)
{
    std::vector<std::uint8_t> bytes;
    CArchive ar(StoreTo, bytes, SystemClasses());
    command.Serialize(ar);
    return bytes;
}

TEST(ComplexCommandArchive, EmptyCommandIsVersionNameAndZero)
{
    ComplexCommand command(u"Go");
    EXPECT_EQ(ToHex(Payload(command)),
              ToHex(FromHex("01 00 00 00 FF FE FF 02 47 00 6F 00 00 00 00 00")));
}

TEST(ComplexCommandArchive, SettingsRoundTripAndTheLaterDuplicateWins)
{
    auto bytes = FromHex("01 00 00 00 FF FE FF 01 41 00 03 00 00 00"
                         "05 00 00 00 01 07 00 00 00 00 05 00 00 00 00 EE");
    ComplexCommand command;
    CArchive ar(LoadFrom, bytes, SystemClasses());
    command.Serialize(ar);
    EXPECT_EQ(ar.ReadByte(), 0xEE);
    EXPECT_EQ(command.name, u"A");
    EXPECT_EQ(command.settings, (std::map<std::int32_t, bool>{{5, false}, {7, false}}));

    command.settings[9] = true;
    auto stored = Payload(command);
    ComplexCommand again;
    CArchive back(LoadFrom, stored, SystemClasses());
    again.Serialize(back);
    EXPECT_EQ(again.settings, command.settings);
    EXPECT_EQ(ToHex(Payload(again)), ToHex(stored));
}

TEST(ComplexCommandArchive, ANegativeSettingCountIsDamage)
{
    auto bytes = FromHex("01 00 00 00 FF FE FF 00 FF FF FF FF");
    ComplexCommand command;
    CArchive ar(LoadFrom, bytes, SystemClasses());
    EXPECT_THROW(command.Serialize(ar), CArchiveException);
}

class ComplexCommandFlash : public ::testing::Test
{
protected:
    void SetUp() override
    {
        document.InsertElement(std::make_unique<LogUser>(Point{0, 0}, 1, 4, u"Start"));
        document.InsertElement(std::make_unique<LogPulseUser>(Point{0, 1}, 2, 9, u"Jog"));
        document.InsertElement(std::make_unique<LogIn>(Point{0, 2}, 3, 0, u"Sensor"));
    }

    test::RecordingNotifier notifier;
    CVantrelDoc document;
};

TEST_F(ComplexCommandFlash, RecordCutsTheNameTo63AndWritesUserInputNumbers)
{
    ComplexCommand command(std::u16string(70, u'x'));
    command.settings = {{1, true}, {2, false}};
    std::vector<std::uint8_t> record;
    command.AppendFlashRecord(record, document, notifier);
    ASSERT_EQ(record.size(), 128u + 4 + 2 * 5);
    for (std::size_t unit = 0; unit < 64; ++unit)
        EXPECT_EQ(record[2 * unit], unit < 63 ? 'x' : 0) << unit;
    EXPECT_EQ(ToHex(std::span(record).subspan(128)),
              ToHex(FromHex("02 00 00 00 04 00 00 00 01 09 00 00 00 00")));
    EXPECT_EQ(command.name.size(), 70u); // the command itself keeps the whole name
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST_F(ComplexCommandFlash, SettingsOfDeletedOrOtherElementsAreDroppedWithOneMessage)
{
    ComplexCommand command(u"Mixed");
    command.settings = {{1, true}, {3, true}, {99, false}};
    std::vector<std::uint8_t> record;
    command.AppendFlashRecord(record, document, notifier);
    EXPECT_EQ(command.settings, (std::map<std::int32_t, bool>{{1, true}}));
    EXPECT_EQ(notifier.Messages(),
              std::vector<std::string>{
                  "Error correction: Deleted user inputs removed from complex command."});
    command.DropDeletedUserInputs(document, notifier);
    EXPECT_EQ(notifier.Messages().size(), 1u);
}

} // namespace
} // namespace vantrel
