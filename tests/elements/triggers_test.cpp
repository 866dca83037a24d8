#include "elements/comparators.h"
#include "elements/triggers.h"

#include "archive/archive.h"
#include "document/system_classes.h"
#include "support/element_archive.h"
#include "support/element_contract.h"
#include "support/hex.h"
#include "support/operand_design.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::FromHex;
using test::OperandDesign;
using test::StorePayload;
using test::ToHex;
using Words = std::vector<std::uint32_t>;

template <class Kind>
std::unique_ptr<LogElement> Wired(std::array<std::int32_t, kMaxInputs> inputs,
                                  Point position = {50, 50}, std::int32_t id = 500)
{
    auto element = std::make_unique<Kind>(position, id);
    element->inputs = inputs;
    return element;
}

// The triggers and comparators have no fields beyond the element base.
const auto Fields = test::BaseFields;

TEST(TriggerWords, EveryKindPutsItsOperandsInPlace)
{
    OperandDesign design;
    const auto main = OperandDesign::Main;
    const auto reg = OperandDesign::Register;
    const auto constant = OperandDesign::Constant;
    struct Case
    {
        const char* what;
        std::unique_ptr<LogElement> element;
        Words words;
    };
    Case cases[] = {
        {"mem", Wired<LogMem>({main(2), main(3)}), {0x60008003}},
        {"switch", Wired<LogSwitch>({main(2), main(3)}), {0x70008003}},
        {"plain trigger", Wired<LogTrigger>({main(2), main(3)}), {0x00000000}},
        {"toggle", Wired<LogToggle>({main(1), main(2), main(3)}), {0xEA000003, 0x00004002}},
        {"delayed stop trigger",
         Wired<LogDelayedSwitch>({main(1), main(2), main(3), constant(2)}),
         {0xE8408003, 0x00004002}},
        {"delayed stop trigger, register time",
         Wired<LogDelayedSwitch>({main(9), main(8), main(7), reg(6)}),
         {0xE8018007, 0x00024008}},
        {"comp == register 5 with constant 0",
         Wired<LogCompEq>({reg(5), constant(0)}),
         {0xE2000016}},
        {"comp == constant 3 with register 7",
         Wired<LogCompEq>({constant(3), reg(7)}),
         {0xE2001C0D}},
        {"comp > register 5 with constant 0", Wired<LogCompL>({reg(5), constant(0)}), {0xE4000016}},
    };
    for (Case& c : cases) {
        EXPECT_EQ(design.Words(*c.element), c.words) << c.what;
    }
    EXPECT_TRUE(design.notifier.Messages().empty());
}

TEST(TriggerWords, UnconnectedOperandsWarnAndFillOnlyTheirOwnField)
{
    const auto main = OperandDesign::Main;
    struct Case
    {
        const char* what;
        std::unique_ptr<LogElement> element;
        Words words;
        std::size_t warnings;
    };
    Case cases[] = {
        {"mem", Wired<LogMem>({0, main(3)}), {0x6FFFC003}, 1},
        {"toggle without its toggling input",
         Wired<LogToggle>({main(1), main(2), 0}),
         {0xEA003FFF, 0x00004002},
         1},
        {"delayed stop trigger without its time",
         Wired<LogDelayedSwitch>({0, 0, main(3), 0}),
         {0xE87FC003, 0x0FFFFFFF},
         3},
        {"comparator without operands: 511 twice", Wired<LogCompEq>({0, 0}), {0xE203FFFF}, 2},
    };
    for (Case& c : cases) {
        OperandDesign design;
        EXPECT_EQ(design.Words(*c.element), c.words) << c.what;
        EXPECT_EQ(design.notifier.Messages(),
                  std::vector<std::string>(c.warnings, "Warning!: There is an unconnected input."))
            << c.what;
    }
}

TEST(TriggerContract, ListsPinsAndResources)
{
    OperandDesign design;
    struct Case
    {
        std::unique_ptr<LogElement> element;
        const char* contract;
    };
    Case cases[] = {
        {Wired<LogTrigger>({}), "list 0, in (-10,-10), (-10,10), out (10,0)"},
        {Wired<LogMem>({}), "list 0, in (-10,-10), (-10,10), out (10,-10)"},
        {Wired<LogSwitch>({}), "list 0, in (-10,-10), (-10,10), out (10,0)"},
        {Wired<LogToggle>({}),
         "list 0, in (-10,-10), (-10,0), (-10,10), out (10,0), version 3, words 2"},
        {Wired<LogDelayedSwitch>({}), "list 0, in (-10,-10), (-10,-4), (-10,3) delayed, "
                                      "(-10,10) num, out (10,0), delay, words 2"},
        {Wired<LogCompEq>({}), "list 0, in (-20,-7) num, (-20,6) num, out (20,0)"},
        {Wired<LogCompL>({}), "list 0, in (-20,-7) num, (-20,6) num, out (20,0)"},
    };
    for (Case& c : cases)
        EXPECT_EQ(test::ContractOf(*c.element, design.document), c.contract)
            << c.element->ClassName();
}

// Odd sizes truncate every division on its own.
TEST(TriggerContract, PinsAtAnOddSizeTruncateEachDivision)
{
    struct Case
    {
        std::unique_ptr<LogElement> element;
        std::vector<Point> inputs;
        Point output;
    };
    Case cases[] = {
        {Wired<LogDelayedSwitch>({}), {{-7, -7}, {-7, -2}, {-7, 3}, {-7, 8}}, {7, 0}},
        {Wired<LogToggle>({}), {{-7, -7}, {-7, 0}, {-7, 8}}, {7, 0}},
        {Wired<LogMem>({}), {{-7, -7}, {-7, 8}}, {7, -7}},
    };
    for (Case& c : cases) {
        std::vector<Point> inputs;
        inputs.reserve(std::size_t(c.element->InputCount()));
        for (int i = 0; i < c.element->InputCount(); ++i)
            inputs.push_back(c.element->InputPinOffset(15, i));
        EXPECT_EQ(inputs, c.inputs) << c.element->ClassName();
        EXPECT_EQ(c.element->OutputPinOffset(15), c.output) << c.element->ClassName();
    }
}

std::vector<std::unique_ptr<LogElement>> EveryTriggerKind()
{
    std::vector<std::unique_ptr<LogElement>> kinds;
    kinds.push_back(Wired<LogTrigger>({1, 2}, {1, 1}, 11));
    kinds.push_back(Wired<LogMem>({3, 4}, {1, 2}, 12));
    kinds.push_back(Wired<LogSwitch>({5, 6}, {1, 3}, 13));
    kinds.push_back(Wired<LogToggle>({7, 8, 9}, {-1, 4}, 14));
    kinds.push_back(Wired<LogDelayedSwitch>({10, 11, 12, 13}, {1, -5}, 15));
    kinds.push_back(Wired<LogCompEq>({14, 15}, {1, 6}, 16));
    kinds.push_back(Wired<LogCompL>({16, 17}, {1, 7}, 17));
    return kinds;
}

TEST(TriggerArchive, EveryKindRoundTripsThroughAnObjectList)
{
    auto kinds = EveryTriggerKind();
    test::ExpectRoundTrip(kinds, Fields);
}

TEST(TriggerArchive, ToggleAndDelayedStopTriggerStoreNoVersionAndNoBasePart)
{
    auto toggle = Wired<LogToggle>({7, 8, 9}, {1, 2}, 3);
    EXPECT_EQ(ToHex(StorePayload(*toggle)),
              ToHex(FromHex("01000000 02000000 03000000 07000000 08000000 09000000")));
    auto delayed = Wired<LogDelayedSwitch>({7, 8, 9, 10}, {1, 2}, 3);
    EXPECT_EQ(ToHex(StorePayload(*delayed)),
              ToHex(FromHex("01000000 02000000 03000000 07000000 08000000 09000000 0A000000")));
    auto mem = Wired<LogMem>({7, 8}, {1, 2}, 3);
    EXPECT_EQ(ToHex(StorePayload(*mem)),
              ToHex(FromHex("0B000000 01000000 02000000 03000000 07000000 08000000")));
}

TEST(TriggerArchive, PayloadsLoadAndStopAtTheNextObject)
{
    struct Case
    {
        const char* what;
        std::unique_ptr<LogElement> element;
        const char* hex; // the payload; one more byte follows it
        const char* fields;
        std::int32_t elementVersion; // the archive's element version after the load
    };
    Case cases[] = {
        {"toggle", Wired<LogToggle>({}), "01000000 02000000 03000000 04000000 05000000 06000000",
         "LogToggle id 3 at 1,2 inputs 4 5 6 0", 11},
        {"delayed stop trigger", Wired<LogDelayedSwitch>({}),
         "FFFFFFFF 02000000 03000000 04000000 05000000 06000000 07000000",
         "LogDelayedSwitch id 3 at -1,2 inputs 4 5 6 7", 11},
        {"mem", Wired<LogMem>({}), "0B000000 01000000 02000000 03000000 04000000 05000000",
         "LogMem id 3 at 1,2 inputs 4 5 0 0", 11},
        {"comparator of element version 9", Wired<LogCompL>({}),
         "09000000 01000000 02000000 03000000 04000000 05000000",
         "LogCompL id 3 at 1,2 inputs 4 5 0 0", 9},
    };
    for (Case& c : cases) {
        const auto bytes = FromHex(std::string(c.hex) + "EE");
        CArchive ar(LoadFrom, bytes, SystemClasses());
        c.element->Serialize(ar);
        EXPECT_EQ(Fields(*c.element), c.fields) << c.what;
        EXPECT_EQ(ar.ElementVersion(), c.elementVersion) << c.what;
        EXPECT_EQ(ar.BytesLeft(), 1u) << c.what;
        EXPECT_EQ(ar.ReadByte(), 0xEE) << c.what;
    }
}

TEST(TriggerArchive, EveryCutOffPayloadFailsWithEndOfFile)
{
    for (auto& kind : EveryTriggerKind())
        EXPECT_EQ(test::TruncationsThatLoad(*kind), std::vector<std::size_t>{})
            << kind->ClassName();
}

// The two-word kinds keep input slots 2 and 3 too.
TEST(TriggerClone, EveryKindClonesEveryInputSlotIndependently)
{
    test::ExpectIndependentClones(EveryTriggerKind(), Fields, [](LogElement&) {});
}

} // namespace
} // namespace vantrel
