#include "elements/comparators.h"
#include "elements/triggers.h"

#include "support/element_archive.h"
#include "support/hex.h"
#include "support/operand_design.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::FromHex;
using test::LoadPayload;
using test::OperandDesign;
using test::PayloadLoadFailure;
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
        EXPECT_EQ(c.element->WordCount(), int(c.words.size())) << c.what;
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

TEST(TriggerContract, KindsDeclareTheirInputsAndResources)
{
    struct Case
    {
        std::unique_ptr<LogElement> element;
        int inputs;
        bool usesDelay;
        int version;
        const char* delayedInputs; // one letter per input slot: d delayed, - not
        const char* numericPins;   // per input slot, then the output: n number, b bit
    };
    OperandDesign design;
    Case cases[] = {
        {Wired<LogTrigger>({}), 2, false, 2, "--", "bbb"},
        {Wired<LogMem>({}), 2, false, 2, "--", "bbb"},
        {Wired<LogSwitch>({}), 2, false, 2, "--", "bbb"},
        {Wired<LogToggle>({}), 3, false, 3, "---", "bbbb"},
        {Wired<LogDelayedSwitch>({}), 4, true, 2, "--d-", "bbbnb"},
        {Wired<LogCompEq>({}), 2, false, 2, "--", "nnb"},
        {Wired<LogCompL>({}), 2, false, 2, "--", "nnb"},
    };
    for (Case& c : cases) {
        const LogElement& e = *c.element;
        SCOPED_TRACE(e.ClassName());
        EXPECT_EQ(e.ListKind(), kMainList);
        EXPECT_EQ(e.InputCount(), c.inputs);
        EXPECT_TRUE(e.HasOutput());
        EXPECT_EQ(e.UsesDelay(), c.usesDelay);
        EXPECT_FALSE(e.UsesRegister());
        EXPECT_EQ(e.RequiredVersion(), c.version);
        std::string delayed, numeric;
        for (int i = 0; i < e.InputCount(); ++i) {
            delayed += e.IsDelayedInput(i) ? 'd' : '-';
            numeric += e.IsNumericPin(true, i) ? 'n' : 'b';
        }
        numeric += e.IsNumericPin(false, 0) ? 'n' : 'b';
        EXPECT_EQ(delayed, c.delayedInputs);
        EXPECT_EQ(numeric, c.numericPins);
        EXPECT_EQ(e.Describe(design.document), u"");
    }
}

TEST(TriggerContract, InputsSpreadOverHalfTheHeightOnTheBodysLeftEdge)
{
    struct Case
    {
        std::unique_ptr<LogElement> element;
        int r;
        std::vector<Point> inputs;
        Point output;
    };
    Case cases[] = {
        {Wired<LogSwitch>({}), 20, {{-10, -10}, {-10, 10}}, {10, 0}},
        {Wired<LogMem>({}), 20, {{-10, -10}, {-10, 10}}, {10, -10}},
        {Wired<LogToggle>({}), 20, {{-10, -10}, {-10, 0}, {-10, 10}}, {10, 0}},
        {Wired<LogDelayedSwitch>({}), 20, {{-10, -10}, {-10, -4}, {-10, 3}, {-10, 10}}, {10, 0}},
        {Wired<LogDelayedSwitch>({}), 15, {{-7, -7}, {-7, -2}, {-7, 3}, {-7, 8}}, {7, 0}},
        {Wired<LogTrigger>({}), 15, {{-7, -7}, {-7, 8}}, {7, 0}},
        {Wired<LogCompEq>({}), 20, {{-20, -7}, {-20, 6}}, {20, 0}},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.element->ClassName());
        std::vector<Point> inputs;
        for (int i = 0; i < c.element->InputCount(); ++i)
            inputs.push_back(c.element->InputPinOffset(c.r, i));
        EXPECT_EQ(inputs, c.inputs);
        EXPECT_EQ(c.element->OutputPinOffset(c.r), c.output);
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
        const char* hex; // the payload, followed by one more byte (EE)
        const char* fields;
        std::int32_t elementVersion; // the archive's element version after the load
    };
    Case cases[] = {
        {"toggle", Wired<LogToggle>({}), "01000000 02000000 03000000 04000000 05000000 06000000 EE",
         "LogToggle id 3 at 1,2 inputs 4 5 6", 11},
        {"delayed stop trigger", Wired<LogDelayedSwitch>({}),
         "FFFFFFFF 02000000 03000000 04000000 05000000 06000000 07000000 EE",
         "LogDelayedSwitch id 3 at -1,2 inputs 4 5 6 7", 11},
        {"mem", Wired<LogMem>({}), "0B000000 01000000 02000000 03000000 04000000 05000000 EE",
         "LogMem id 3 at 1,2 inputs 4 5", 11},
        {"comparator of element version 9", Wired<LogCompL>({}),
         "09000000 01000000 02000000 03000000 04000000 05000000 EE",
         "LogCompL id 3 at 1,2 inputs 4 5", 9},
    };
    for (Case& c : cases) {
        const auto load = LoadPayload(*c.element, FromHex(c.hex));
        EXPECT_EQ(load.bytesLeft, 1u) << c.what;
        EXPECT_EQ(load.elementVersion, c.elementVersion) << c.what;
        EXPECT_EQ(Fields(*c.element), c.fields) << c.what;
    }
}

TEST(TriggerArchive, ShortToggleFailsWithEndOfFile)
{
    for (const char* hex : {"01000000 0200", "01000000 02000000 03000000 04000000 05000000"}) {
        LogToggle toggle;
        EXPECT_EQ(PayloadLoadFailure(toggle, FromHex(hex)), ArchiveCause::EndOfFile) << hex;
    }
}

TEST(TriggerClone, EveryKindClonesEveryInputSlotIndependently)
{
    for (auto& original : EveryTriggerKind()) {
        const std::string before = Fields(*original);
        std::unique_ptr<LogElement> clone = original->Clone();
        EXPECT_STREQ(clone->ClassName(), original->ClassName());
        EXPECT_EQ(clone->inputs, original->inputs);
        EXPECT_EQ(Fields(*clone), before);
        clone->inputs = {90, 91, 92, 93};
        clone->pos = {70, 70};
        clone->id = 71;
        EXPECT_EQ(Fields(*original), before);
    }
}

} // namespace
} // namespace vantrel
