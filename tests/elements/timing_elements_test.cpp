#include "elements/timing_elements.h"

#include "archive/text_codec.h"
#include "elements/comparators.h"
#include "support/element_archive.h"
#include "support/element_contract.h"
#include "support/hex.h"
#include "support/operand_design.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vantrel {
namespace {

using test::FromHex;
using test::OperandDesign;
using test::StorePayload;
using test::ToHex;
using Words = std::vector<std::uint32_t>;

template <class Kind>
std::unique_ptr<LogElement> Wired(std::unique_ptr<Kind> element, std::int32_t first,
                                  std::int32_t second = 0)
{
    element->inputs = {first, second, 0, 0};
    return element;
}

std::unique_ptr<LogDelay> Delay(std::int32_t seconds)
{
    return std::make_unique<LogDelay>(Point{50, 50}, 500, seconds);
}

std::unique_ptr<LogPulseDelay> PulseDelay(std::int32_t seconds)
{
    return std::make_unique<LogPulseDelay>(Point{50, 50}, 500, seconds);
}

template <class Kind> std::unique_ptr<Kind> Plain()
{
    return std::make_unique<Kind>(Point{50, 50}, 500);
}

std::unique_ptr<LogClock> Clock(std::int32_t index)
{
    return std::make_unique<LogClock>(Point{50, 50}, 500, index);
}

std::unique_ptr<LogTimer> Timer(bool countUp)
{
    return std::make_unique<LogTimer>(Point{50, 50}, 500, u"Run", countUp);
}

// Every field of a timing element as one readable line, so that two
// elements compare field by field with a useful message.
std::string Fields(const LogElement& element)
{
    std::ostringstream out;
    out << test::BaseFields(element);
    if (auto* delay = dynamic_cast<const LogDelay*>(&element))
        out << " delay " << delay->delay;
    if (auto* clock = dynamic_cast<const LogClock*>(&element))
        out << " freqIndex " << clock->freqIndex;
    if (auto* named = dynamic_cast<const BitFedRegister*>(&element))
        out << " name " << ToUtf8(named->name);
    if (auto* timer = dynamic_cast<const LogTimer*>(&element))
        out << " countUp " << timer->countUp;
    return out.str();
}

TEST(TimingWords, EveryKindPutsItsFieldsAndOperandsInPlace)
{
    OperandDesign design;
    const auto main = OperandDesign::Main;
    const auto reg = OperandDesign::Register;
    const auto constant = OperandDesign::Constant;
    struct Case
    {
        const char* what;
        std::unique_ptr<LogElement> element;
        std::uint32_t word;
    };
    Case cases[] = {
        {"delay of 10 s from position 3", Wired(Delay(10), main(3)), 0xF6028003},
        {"delay of 2000 s", Wired(Delay(2000), main(9)), 0xF7F40009},
        {"delay beyond 11 bits keeps its opcode", Wired(Delay(0x805), main(0)), 0xF6014000},
        {"pulse delay of 0 s", Wired(PulseDelay(0), main(3)), 0xFE000003},
        {"pulse delay of 2000 s", Wired(PulseDelay(2000), main(3)), 0xFFF40003},
        {"var delay, constant 0 time", Wired(Plain<LogVarDelay>(), main(4), constant(0)),
         0xE6400004},
        {"var delay, register time", Wired(Plain<LogVarDelay>(), main(1), reg(7)), 0xE601C001},
        {"filter sets bit 23", Wired(Plain<LogFilter>(), main(4), constant(0)), 0xE6C00004},
        {"var pulse delay", Wired(Plain<LogVarPulseDelay>(), main(2), reg(5)), 0xEC014002},
        {"clock 128 Hz", Clock(0), 0xE0000000},
        {"clock 1 Hz", Clock(7), 0xE01C0000},
        {"clock 32s", Clock(12), 0xE0300000},
        {"clock index beyond 5 bits", Clock(33), 0xE0040000},
        {"timer counting up", Wired(Timer(true), main(1)), 0x00800390},
        {"timer counting down", Wired(Timer(false), main(1)), 0x00000390},
        {"speed", Wired(Plain<LogSpeed>(), main(5)), 0x00000B98},
    };
    for (Case& c : cases) {
        EXPECT_EQ(design.Words(*c.element), Words{c.word}) << c.what;
    }
    EXPECT_TRUE(design.notifier.Messages().empty());
}

TEST(TimingWords, UnconnectedOperandsWarnAndFillOnlyTheirOwnField)
{
    struct Case
    {
        const char* what;
        std::unique_ptr<LogElement> element;
        std::uint32_t word;
        std::size_t warnings;
    };
    Case cases[] = {
        {"delay", Delay(1), 0xF6007FFF, 1},
        {"var delay, both inputs", Plain<LogVarDelay>(), 0xE67FFFFF, 2},
        {"filter, time only", Wired(Plain<LogFilter>(), OperandDesign::Main(0), 999), 0xE6FFC000,
         1},
        {"timer counting down keeps bit 23 clear", Timer(false), 0x007FFF90, 1},
        {"speed", Plain<LogSpeed>(), 0x007FFF98, 1},
    };
    for (Case& c : cases) {
        OperandDesign design;
        EXPECT_EQ(design.Words(*c.element), Words{c.word}) << c.what;
        EXPECT_EQ(design.notifier.Messages(),
                  std::vector<std::string>(c.warnings, "Warning!: There is an unconnected input."))
            << c.what;
    }
}

// The register lists are walked accumulators, NoOps, timers, then the
// register list, so a timer numbers before a speed placed earlier.
TEST(TimingWords, TimerRegisterComesBeforeTheRegisterListWhateverThePlacing)
{
    OperandDesign design;
    ASSERT_TRUE(design.document.InsertElement(std::make_unique<LogSpeed>(Point{0, 0}, 300, u"s")));
    ASSERT_TRUE(
        design.document.InsertElement(std::make_unique<LogTimer>(Point{1, 0}, 301, u"t", false)));
    EXPECT_EQ(design.document.elements[kRegisterList].size(), 1u);
    EXPECT_EQ(design.document.elements[kTimerList].size(), 1u);
    EXPECT_EQ(design.document.EncodeIndex(301), OperandDesign::kRegisterCount);
    EXPECT_EQ(design.document.EncodeIndex(300), OperandDesign::kRegisterCount + 1);

    LogCompEq speedEqualsTimer({2, 0}, 302);
    speedEqualsTimer.inputs = {300, 301, 0, 0};
    EXPECT_EQ(design.Words(speedEqualsTimer), Words{0xE2000000 | (8 << 10) | (9 << 2)});
}

TEST(LogClock, ShowsItsFrequencyWithSixDecimals)
{
    struct Case
    {
        std::int32_t index;
        const char16_t* text;
    };
    for (Case c :
         {Case{0, u"128.000000"}, Case{7, u"1.000000"}, Case{8, u"0.500000"}, Case{12, u"0.031250"},
          Case{31, u"0.000000"}, Case{-1, u"0.000000"}, Case{32, u"128.000000"}})
        EXPECT_EQ(Clock(c.index)->FrequencyText(), c.text) << c.index;
}

TEST(TimingContract, ListsPinsResourcesAndTexts)
{
    OperandDesign design;
    struct Case
    {
        std::unique_ptr<LogElement> element;
        const char* contract;
    };
    Case cases[] = {
        {Delay(1), "list 0, in (-10,-10) delayed, out (10,-10), delay"},
        {PulseDelay(1), "list 0, in (-10,-10) delayed, out (10,-10), delay"},
        {Plain<LogVarDelay>(), "list 0, in (-20,-7) delayed, (-20,6) num, out (20,0), delay"},
        {Plain<LogVarPulseDelay>(),
         "list 0, in (-20,-7) delayed, (-20,6) num, out (20,0), delay, version 4"},
        {Plain<LogFilter>(), "list 0, in (-20,-7), (-20,6) num, out (20,0), delay, version 5"},
        {Clock(0), "list 0, in -, out (20,0)"},
        {Timer(true), "list 6, in (-20,0), out (20,0) num, register, monitor, editable, "
                      "nature \"seconds\", name \"Run\", describes \"Timer: Run\", version 5"},
        {std::make_unique<LogSpeed>(Point{}, 1, u"Fan"),
         "list 2, in (-20,0), out (20,0) num, register, delay, monitor, nature \"rpm\", "
         "name \"Fan\", describes \"Speed: Fan\", version 7"},
    };
    for (Case& c : cases)
        EXPECT_EQ(test::ContractOf(*c.element, design.document), c.contract)
            << c.element->ClassName();
}

std::vector<std::unique_ptr<LogElement>> EveryTimingKind()
{
    std::vector<std::unique_ptr<LogElement>> kinds;
    kinds.push_back(Wired(std::make_unique<LogDelay>(Point{1, 2}, 11, 10), 3));
    kinds.push_back(Wired(std::make_unique<LogPulseDelay>(Point{1, 3}, 12, 2000), 4));
    kinds.push_back(Wired(std::make_unique<LogVarDelay>(Point{1, 4}, 13), 5, 6));
    kinds.push_back(Wired(std::make_unique<LogVarPulseDelay>(Point{1, 5}, 14), 7, 8));
    kinds.push_back(Wired(std::make_unique<LogFilter>(Point{1, 6}, 15), 9, 10));
    kinds.push_back(std::make_unique<LogClock>(Point{-1, 7}, 16, 12));
    kinds.push_back(Wired(std::make_unique<LogTimer>(Point{1, 8}, 17, u"Zeit \u00e4", true), 11));
    kinds.push_back(Wired(std::make_unique<LogTimer>(Point{1, 9}, 18, u"", false), 0));
    kinds.push_back(Wired(std::make_unique<LogSpeed>(Point{1, 10}, 19, u"Fan"), 12));
    return kinds;
}

TEST(TimingArchive, EveryKindRoundTripsThroughAnObjectList)
{
    auto kinds = EveryTimingKind();
    test::ExpectRoundTrip(kinds, Fields);
}

TEST(TimingArchive, PayloadsFollowTheBasePart)
{
    struct Case
    {
        const char* what;
        std::unique_ptr<LogElement> element;
        const char* hex; // the payload; one more byte follows it
        const char* fields;
    };
    Case cases[] = {
        {"delay", Plain<LogDelay>(), "0B000000 01000000 02000000 03000000 04000000 0A000000",
         "LogDelay id 3 at 1,2 inputs 4 0 0 0 delay 10"},
        {"pulse delay of element version 9 holds two input slots", Plain<LogPulseDelay>(),
         "09000000 01000000 02000000 03000000 04000000 05000000 00000000",
         "LogPulseDelay id 3 at 1,2 inputs 4 5 0 0 delay 0"},
        {"var delay has no payload of its own", Plain<LogVarDelay>(),
         "0B000000 01000000 02000000 03000000 04000000 05000000",
         "LogVarDelay id 3 at 1,2 inputs 4 5 0 0"},
        {"clock without inputs", Plain<LogClock>(), "0B000000 01000000 02000000 03000000 07000000",
         "LogClock id 3 at 1,2 inputs 0 0 0 0 freqIndex 7"},
        {"clock of element version 9 skips two input slots", Plain<LogClock>(),
         "09000000 01000000 02000000 03000000 00000000 00000000 0C000000",
         "LogClock id 3 at 1,2 inputs 0 0 0 0 freqIndex 12"},
        {"timer with any non-zero count-up byte", Plain<LogTimer>(),
         "0B000000 01000000 02000000 03000000 04000000 FFFEFF 02 5400 3100 02",
         "LogTimer id 3 at 1,2 inputs 4 0 0 0 name T1 countUp 1"},
        {"timer from an 8-bit name", Plain<LogTimer>(),
         "0B000000 01000000 02000000 03000000 04000000 01 41 00",
         "LogTimer id 3 at 1,2 inputs 4 0 0 0 name A countUp 0"},
        {"speed", Plain<LogSpeed>(), "0B000000 01000000 02000000 03000000 04000000 FFFEFF 00",
         "LogSpeed id 3 at 1,2 inputs 4 0 0 0 name "},
    };
    for (Case& c : cases)
        test::ExpectPayloadLoads(*c.element, c.hex, c.fields, Fields);
}

TEST(TimingArchive, StoresTheCountUpFlagAsOneByte)
{
    LogTimer timer({1, 2}, 3, u"T", true);
    timer.inputs[0] = 4;
    EXPECT_EQ(ToHex(StorePayload(timer)), ToHex(FromHex("0B000000 01000000 02000000 03000000"
                                                        "04000000 FFFEFF 01 5400 01")));
}

TEST(TimingArchive, EveryCutOffPayloadFailsWithEndOfFile)
{
    for (auto& kind : EveryTimingKind())
        EXPECT_EQ(test::TruncationsThatLoad(*kind), std::vector<std::size_t>{})
            << kind->ClassName();
    // A name that claims more characters than follow.
    LogSpeed speed;
    EXPECT_EQ(test::LoadPayload(speed, FromHex("0B000000 01000000 02000000 03000000 04000000"
                                               "FFFEFF FE 5400")),
              ArchiveCause::EndOfFile);
}

TEST(TimingClone, EveryKindClonesDeeplyAndIndependently)
{
    test::ExpectIndependentClones(EveryTimingKind(), Fields, [](LogElement& clone) {
        if (auto* delay = dynamic_cast<LogDelay*>(&clone))
            delay->delay = 77;
        if (auto* clock = dynamic_cast<LogClock*>(&clone))
            clock->freqIndex = 3;
        if (auto* named = dynamic_cast<BitFedRegister*>(&clone))
            named->name += u" changed";
        if (auto* timer = dynamic_cast<LogTimer*>(&clone))
            timer->countUp = !timer->countUp;
    });
}

} // namespace
} // namespace vantrel
