#include "elements/io_elements.h"

#include "archive/archive.h"
#include "document/system_classes.h"
#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "support/hex.h"
#include "support/recording_notifier.h"
#include "support/test_elements.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::FromHex;
using test::ToHex;

// Sources: ids 1..10 at main-list positions 0..9; id 50 is register 0..,
// ids 60.. are constants.
class IoWords : public ::testing::Test
{
protected:
    void SetUp() override
    {
        document.SetNotifier(&notifier);
        for (int id = 1; id <= 10; ++id)
            document.InsertElement(std::make_unique<LogNot>(Point{0, id}, id));
        for (int id = 50; id <= 55; ++id)
            document.InsertElement(
                std::make_unique<test::TestListed>(Point{1, id}, id, kAccumulatorList));
        document.InsertElement(std::make_unique<test::TestListed>(Point{2, 0}, 60, kConstantList));
        document.InsertElement(std::make_unique<test::TestListed>(Point{2, 1}, 61, kConstantList));
    }

    test::RecordingNotifier notifier;
    CVantrelDoc document;
};

template <class Kind> std::unique_ptr<LogElement> Io(std::int32_t number, std::int32_t input = 0)
{
    auto element = std::make_unique<Kind>(Point{9, 9}, 100, number, u"io");
    element->inputs[0] = input;
    return element;
}

TEST_F(IoWords, EachKindPutsItsNumberAndOperandInItsFields)
{
    struct Case
    {
        const char* what;
        std::unique_ptr<LogElement> element;
        std::uint32_t word;
    };
    Case cases[] = {
        {"input 5", Io<LogIn>(5), 0xF0014000},
        {"input 2047 and beyond are masked", Io<LogIn>(2048 + 3), 0xF000C000},
        {"output 3 from position 9", Io<LogOut>(3, 10), 0xF200C009},
        {"user input 0", Io<LogUser>(0), 0xF8000000},
        {"pulse user input 1", Io<LogPulseUser>(1), 0xFA004000},
        {"user output 2 from position 0", Io<LogUserOut>(2, 1), 0xFC008000},
        {"logged user output 2 from position 1", Io<LoggedUserOut>(2, 2), 0xFC008001},
        {"analog input 3", Io<Analog_Input>(3), 0x00180180},
        {"analog output 2 from register 5", Io<Analog_Output>(2, 55), 0x00102988},
        {"analog output 2 from constant 1", Io<Analog_Output>(2, 61), 0x00100B88},
    };
    for (Case& c : cases) {
        std::vector<std::uint32_t> words;
        c.element->Encode(words, document);
        EXPECT_EQ(words, std::vector<std::uint32_t>{c.word}) << c.what;
    }
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST_F(IoWords, UnconnectedOutputEncodesAllOnesOperand)
{
    std::vector<std::uint32_t> words;
    Io<LogOut>(0)->Encode(words, document);
    Io<Analog_Output>(0)->Encode(words, document);
    EXPECT_EQ(words, (std::vector<std::uint32_t>{0xF2003FFF, 0x0007FB88}));
    EXPECT_EQ(notifier.Messages().size(), 2u);
}

TEST_F(IoWords, DescriptionsNameTheElementAndItsLabel)
{
    LogIn input({}, 1, 0, u"Start");
    LogOut output({}, 2, 31, u"Lamp");
    LogUser user({}, 3, 0, u"Reset");
    LogUserOut userOut({}, 4, 9, u"Busy");
    LoggedUserOut logged({}, 5, 1, u"Door");
    Analog_Input level({}, 6, 0, u"Level");
    Analog_Output valve({}, 7, 0, u"Valve");
    EXPECT_EQ(input.Describe(document), u"Input: Start, 1");
    EXPECT_EQ(output.Describe(document), u"Output: Lamp, 32");
    EXPECT_EQ(user.Describe(document), u"User Input: Reset, 1");
    EXPECT_EQ(userOut.Describe(document), u"User Output: Busy, 10");
    EXPECT_EQ(logged.Describe(document), u"Logged User Output: Door");
    EXPECT_EQ(level.Describe(document), u"Analog Input: Level");
    EXPECT_EQ(valve.Describe(document), u"Analog Output: Valve");
}

TEST(TempInputName, AuxiliaryReadingsHaveNoSilo)
{
    struct Case
    {
        std::int32_t type;
        const char16_t* silo;
        const char16_t* name;
    };
    for (Case c : {Case{0, u"A", u"Silo Average, A"}, Case{1, u"North", u"Silo Max, North"},
                   Case{4, u"North", u"Aux Humidity"}, Case{3, u"", u"Aux Temp"},
                   Case{8, u"X", u"Alarm Count"}, Case{9, u"X", u"Silo High Alarm Count, X"},
                   Case{20, u"B", u"Silo Avg VOC, B"}, Case{21, u"B", u", B"}}) {
        TempInput reading({}, 1, c.type, 0, c.silo);
        EXPECT_EQ(reading.Name(), c.name) << c.type;
    }
}

TEST(IoElementContracts, ListsPinsAndFlags)
{
    LogIn input;
    LogUserOut userOut;
    Analog_Output valve;
    TempInput reading;
    EXPECT_EQ(input.OutputPinOffset(20), (Point{20, -10}));
    EXPECT_EQ(userOut.InputPinOffset(20, 0), (Point{0, -10}));
    EXPECT_EQ(valve.InputPinOffset(20, 0), (Point{-20, -10}));
    EXPECT_EQ(reading.OutputPinOffset(20), (Point{20, 0}));
    EXPECT_EQ(valve.ListKind(), kRegisterList);
    EXPECT_EQ(reading.ListKind(), kNoOpList);
    EXPECT_TRUE(valve.UsesRegister() && valve.ShowInMonitor() && valve.IsNumericPin(true, 0));
    EXPECT_TRUE(reading.UsesRegister() && reading.IsNumericPin(false, 0));
    EXPECT_FALSE(input.IsNumericPin(false, 0));
    EXPECT_EQ(LoggedUserOut().RequiredVersion(), 5);
    EXPECT_TRUE(LogPulseUser().IsUserIo());
    LogUser restrictedUser;
    restrictedUser.restricted = 1;
    EXPECT_EQ(restrictedUser.Restricted(), 1);
}

std::vector<std::uint8_t> StoreAll(std::vector<std::unique_ptr<LogElement>>& list)
{
    std::vector<std::uint8_t> bytes;
    CArchive ar(StoreTo, bytes, SystemClasses());
    ar.SerializeObjectList(list);
    return bytes;
}

TEST(IoArchive, EveryKindRoundTripsFieldByField)
{
    std::vector<std::unique_ptr<LogElement>> kinds;
    kinds.push_back(std::make_unique<LogIn>(Point{1, 2}, 1, 4, u"In"));
    kinds.push_back(std::make_unique<LogOut>(Point{1, 3}, 2, 5, u"Out"));
    auto user = std::make_unique<LogUser>(Point{1, 4}, 3, 6, u"User");
    user->restricted = 1;
    kinds.push_back(std::move(user));
    kinds.push_back(std::make_unique<LogPulseUser>(Point{1, 5}, 4, 7, u"Pulse"));
    kinds.push_back(std::make_unique<LogUserOut>(Point{1, 6}, 5, 8, u"UserOut"));
    auto logged = std::make_unique<LoggedUserOut>(Point{1, 7}, 6, 9, u"Logged \u00e9");
    logged->loggedIds = {3, 4, 70000};
    kinds.push_back(std::move(logged));
    kinds.push_back(std::make_unique<Analog_Input>(Point{1, 8}, 7, 1, u"AIn"));
    kinds.push_back(std::make_unique<Analog_Output>(Point{1, 9}, 8, 2, u"AOut"));
    kinds.push_back(std::make_unique<TempInput>(Point{1, 10}, 9, 14, -5, u"Silo 3"));
    for (auto& kind : kinds)
        kind->inputs[0] = kind->InputCount() > 0 ? 77 : 0;

    auto first = StoreAll(kinds);
    std::vector<std::unique_ptr<LogElement>> loaded;
    CArchive ar(LoadFrom, first, SystemClasses());
    ar.SerializeObjectList(loaded);
    EXPECT_EQ(ToHex(StoreAll(loaded)), ToHex(first));
    ASSERT_EQ(loaded.size(), kinds.size());
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        EXPECT_STREQ(loaded[i]->ClassName(), kinds[i]->ClassName());
        EXPECT_EQ(loaded[i]->Name(), kinds[i]->Name());
        EXPECT_EQ(loaded[i]->inputs, kinds[i]->inputs);
        EXPECT_EQ(loaded[i]->Restricted(), kinds[i]->Restricted());
    }
    EXPECT_EQ(dynamic_cast<LoggedUserOut&>(*loaded[5]).loggedIds,
              (std::vector<std::int32_t>{3, 4, 70000}));
    auto& reading = dynamic_cast<TempInput&>(*loaded[8]);
    EXPECT_EQ(std::tie(reading.tempType, reading.defaultValue, reading.siloName),
              std::tie(static_cast<TempInput&>(*kinds[8]).tempType,
                       static_cast<TempInput&>(*kinds[8]).defaultValue,
                       static_cast<TempInput&>(*kinds[8]).siloName));
}

TEST(IoArchive, HandWrittenPayloadsLoadAndStopAtTheNextObject)
{
    const char* base10 = "0A 00 00 00 01 00 00 00 02 00 00 00 03 00 00 00"; // version 10
    const char* base11 = "0B 00 00 00 01 00 00 00 02 00 00 00 03 00 00 00";
    const char* name = "FF FE FF 02 41 00 42 00"; // "AB"
    struct Case
    {
        const char* what;
        std::unique_ptr<LogElement> element;
        std::string hex;
        std::int32_t restricted;
    };
    Case cases[] = {
        {"user input of version 10 has no restricted field", std::make_unique<LogUser>(),
         std::string(base10) + "07 00 00 00" + name, 0},
        {"user input of version 11", std::make_unique<LogUser>(),
         std::string(base11) + "07 00 00 00" + name + "01 00 00 00", 1},
        {"input with an 8-bit name", std::make_unique<LogIn>(),
         std::string(base11) + "07 00 00 00 02 41 42", 0},
        {"logged user output", std::make_unique<LoggedUserOut>(),
         std::string(base11) + "05 00 00 00 07 00 00 00" + name + "02 00 0A 00 00 00 0B 00 00 00",
         0},
        {"temperature input", std::make_unique<TempInput>(),
         std::string(base11) + "04 00 00 00 0C 00 00 00" + name, 0},
    };
    for (Case& c : cases) {
        auto bytes = FromHex(c.hex + "EE");
        CArchive ar(LoadFrom, bytes, SystemClasses());
        c.element->Serialize(ar);
        EXPECT_EQ(ar.BytesLeft(), 1u) << c.what;
        EXPECT_EQ(ar.ReadByte(), 0xEE) << c.what;
        EXPECT_EQ(c.element->id, 3) << c.what;
        EXPECT_EQ(c.element->Restricted(), c.restricted) << c.what;
        if (auto* io = dynamic_cast<LogIO*>(c.element.get())) {
            EXPECT_EQ(io->number, 7) << c.what;
            EXPECT_EQ(io->name, u"AB") << c.what;
        }
    }
    EXPECT_EQ(dynamic_cast<LoggedUserOut&>(*cases[3].element).loggedIds,
              (std::vector<std::int32_t>{10, 11}));
    EXPECT_EQ(dynamic_cast<TempInput&>(*cases[4].element).Name(), u"Aux Humidity");
}

TEST(IoArchive, LoggedIdCountBeyondTheStreamFails)
{
    auto bytes = FromHex("0B 00 00 00 01 00 00 00 02 00 00 00 03 00 00 00 07 00 00 00"
                         "FF FE FF 00 FF FF FF FF FF 7F 01 00 00 00");
    CArchive ar(LoadFrom, bytes, SystemClasses());
    LoggedUserOut logged;
    try {
        logged.Serialize(ar);
        FAIL() << "expected end of file";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.Cause(), ArchiveCause::EndOfFile);
    }
}

TEST(IoClone, CopiesTextsAndLoggedIdsIndependently)
{
    LoggedUserOut logged({2, 2}, 4, 1, u"Door");
    logged.loggedIds = {1, 2};
    logged.inputs[0] = 9;
    auto clone = logged.Clone();
    auto& copy = dynamic_cast<LoggedUserOut&>(*clone);
    EXPECT_EQ(copy.loggedIds, logged.loggedIds);
    EXPECT_EQ(copy.name, u"Door");
    EXPECT_EQ(copy.inputs[0], 9);
    copy.loggedIds.push_back(3);
    copy.name = u"Gate";
    EXPECT_EQ(logged.loggedIds.size(), 2u);
    EXPECT_EQ(logged.name, u"Door");

    TempInput reading({1, 1}, 5, 2, 10, u"West");
    auto readingClone = reading.Clone();
    static_cast<TempInput&>(*readingClone).siloName = u"East";
    EXPECT_EQ(reading.siloName, u"West");
}

} // namespace
} // namespace vantrel
