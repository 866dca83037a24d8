#include "elements/numeric_elements.h"

#include "archive/archive.h"
#include "archive/text_codec.h"
#include "document/system_classes.h"
#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/timing_elements.h"
#include "support/element_archive.h"
#include "support/element_contract.h"
#include "support/hex.h"
#include "support/recording_notifier.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::FromHex;

// Every stored field of a numeric element as one readable line.
std::string Fields(const LogElement& element)
{
    std::string line = test::BaseFields(element);
    if (auto* acc = dynamic_cast<const Acc*>(&element))
        line += " name " + ToUtf8(acc->name) + " restricted " + std::to_string(acc->restricted);
    if (auto* math = dynamic_cast<const MathOp*>(&element))
        line += " op " + std::to_string(math->op);
    if (auto* accOp = dynamic_cast<const AccOp*>(&element))
        line += " acc " + std::to_string(accOp->accId);
    if (auto* reg = dynamic_cast<const GP_Register*>(&element))
        line += " monitor " + std::to_string(reg->showInMonitor) + " name " + ToUtf8(reg->name);
    if (auto* constant = dynamic_cast<const NL_Constant*>(&element))
        line += " value " + std::to_string(constant->value);
    return line;
}

// Changes every stored field a numeric kind adds to the element base.
void ChangeOwnFields(LogElement& element)
{
    if (auto* acc = dynamic_cast<Acc*>(&element)) {
        acc->name += u"!";
        acc->restricted ^= 1;
    }
    if (auto* math = dynamic_cast<MathOp*>(&element))
        math->op += 1;
    if (auto* accOp = dynamic_cast<AccOp*>(&element))
        accOp->accId += 1;
    if (auto* reg = dynamic_cast<GP_Register*>(&element)) {
        reg->showInMonitor = !reg->showInMonitor;
        reg->name += u"!";
    }
    if (auto* constant = dynamic_cast<NL_Constant*>(&element))
        constant->value += 1;
}

std::unique_ptr<LogElement> AccOpOn(std::int32_t accId, std::int32_t op, std::int32_t operand,
                                    std::int32_t condition)
{
    auto accOp = std::make_unique<AccOp>(Point{50, 50}, 100, op, accId);
    accOp->inputs = {operand, condition, 0, 0};
    return accOp;
}

std::unique_ptr<LogElement> RegisterOf(std::int32_t op, bool monitored, std::int32_t a,
                                       std::int32_t b)
{
    auto reg = std::make_unique<GP_Register>(Point{50, 50}, 100, op, monitored, u"R");
    reg->inputs = {a, b, 0, 0};
    return reg;
}

// One kind of each class with every field set, and unused input slots 0.
test::ElementVector EveryKind()
{
    test::ElementVector kinds;
    kinds.push_back(std::make_unique<Acc>(Point{1, 2}, 1, u"Level \u00e9", 1));
    kinds.push_back(std::make_unique<NoOp>(Point{1, 3}, 2, u"Spare", 0));
    kinds.push_back(std::make_unique<MathOp>(Point{1, 4}, 3, 6));
    kinds.back()->inputs = {7, 8, 0, 0};
    kinds.push_back(AccOpOn(1, 3, 70000, -1));
    kinds.push_back(RegisterOf(5, true, 9, 10));
    kinds.back()->pos = {1, 6};
    kinds.back()->id = 5;
    kinds.push_back(std::make_unique<NL_Constant>(Point{1, 7}, 6, -7));
    return kinds;
}

// Sources at known operand numbers: ids 1..10 at main-list positions 0..9;
// accumulators 21 and 22 (registers 0 and 1), NoOp register 30 (2) and a
// timer 40 (3); the register list holds AccOp 59, which takes no register,
// then GP_Register 60 (4); constants 50, 51, 52 (operands 256 to 258).
class NumericDesign : public ::testing::Test
{
protected:
    void SetUp() override
    {
        document.SetNotifier(&notifier);
        for (int id = 1; id <= 10; ++id)
            Insert(std::make_unique<LogNot>(Point{0, id}, id));
        Insert(std::make_unique<Acc>(Point{1, 0}, 21, u"A0", 0));
        Insert(std::make_unique<Acc>(Point{1, 1}, 22, u"A1", 0));
        Insert(std::make_unique<NoOp>(Point{1, 2}, 30, u"N", 0));
        Insert(std::make_unique<LogTimer>(Point{1, 3}, 40, u"T", false));
        Insert(std::make_unique<AccOp>(Point{2, 0}, 59, 0, 21));
        Insert(std::make_unique<GP_Register>(Point{2, 1}, 60, 0, false, u"G"));
        for (int id = 50; id <= 52; ++id)
            Insert(std::make_unique<NL_Constant>(Point{3, id}, id, id));
    }

    void Insert(std::unique_ptr<LogElement> element)
    {
        ASSERT_TRUE(document.InsertElement(std::move(element)));
    }

    std::vector<std::uint32_t> Words(const LogElement& element)
    {
        return test::WordsOf(element, document);
    }

    test::RecordingNotifier notifier;
    CVantrelDoc document;
};

TEST_F(NumericDesign, EachKindPutsOperationAndOperandsInTheirFields)
{
    ASSERT_EQ(document.EncodeIndex(60), 4);
    struct Case
    {
        const char* what;
        std::unique_ptr<LogElement> element;
        std::uint32_t word;
    };
    Case cases[] = {
        {"= on A1 with constant 2 while position 7", AccOpOn(22, 2, 52, 8), 0x001E040B},
        {"= L on A0 with register 2 while position 0", AccOpOn(21, 3, 30, 1), 0x00000404},
        {"* of registers 3 and 4, monitored", RegisterOf(2, true, 40, 60), 0x00201910},
        {"+ of constant 2 and register 1", RegisterOf(0, false, 52, 22), 0x00081200},
        {"XOR of register 0 and constant 1", RegisterOf(7, false, 21, 51), 0x00080438},
        {"constant -1", std::make_unique<NL_Constant>(Point{}, 100, -1), 0xFFFFFFFF},
        {"constant 258", std::make_unique<NL_Constant>(Point{}, 100, 258), 0x00000102},
        {"plain MathOp", std::make_unique<MathOp>(Point{}, 100, 3), 0},
    };
    for (Case& c : cases)
        EXPECT_EQ(Words(*c.element), std::vector<std::uint32_t>{c.word}) << c.what;
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST_F(NumericDesign, UnconnectedOperandsWarnAndFillTheirFields)
{
    struct Case
    {
        const char* what;
        std::unique_ptr<LogElement> element;
        std::uint32_t word;
        std::size_t warnings;
    };
    Case cases[] = {
        // The condition is not masked: -1 sets every bit from 18 up.
        {"AccOp without condition", AccOpOn(21, 0, 30, 0), 0xFFFC0401, 1},
        {"AccOp on a missing accumulator", AccOpOn(999, 0, 30, 1), 0x000005F9, 1},
        {"register without operands", RegisterOf(1, false, 0, 0), 0x07FFFE08, 2},
    };
    for (Case& c : cases) {
        notifier.Clear();
        EXPECT_EQ(Words(*c.element), std::vector<std::uint32_t>{c.word}) << c.what;
        EXPECT_EQ(notifier.Messages(),
                  std::vector<std::string>(c.warnings, "Warning!: There is an unconnected input."))
            << c.what;
    }
}

// Figures at anchor (100, 200). The operation texts keep their 5-pixel
// offsets at every size; an accumulator operation's name is centred on the
// line above its operation (texts are 8 pixels a character, 16 high here).
TEST_F(NumericDesign, FiguresCallByCall)
{
    test::FigureCase cases[] = {
        {"accumulator operation with its accumulator's name",
         AccOpOn(22, 3, 0, 0),
         20,
         {"DrawEllipse(80,160,120,240)", "DrawText(95,195,\"= L\")", "TextExtent(\"A1\")",
          "DrawText(92,179,\"A1\")"}},
        {"accumulator operation on a NoOp register",
         AccOpOn(30, 0, 0, 0),
         10,
         {"DrawEllipse(90,180,110,220)", "DrawText(95,195,\"+\")", "TextExtent(\"N\")",
          "DrawText(96,179,\"N\")"}},
        {"accumulator operation on a constant",
         AccOpOn(50, 1, 0, 0),
         20,
         {"DrawEllipse(80,160,120,240)", "DrawText(95,195,\"-\")"}},
        {"accumulator operation on nothing",
         AccOpOn(0, 2, 0, 0),
         20,
         {"DrawEllipse(80,160,120,240)", "DrawText(95,195,\"=\")"}},
        {"accumulator",
         std::make_unique<Acc>(Point{}, 1, u"Level", 0),
         20,
         {"DrawRectangle(80,180,120,200)", "DrawText(80,220,\"Level\")"}},
        {"NoOp register",
         std::make_unique<NoOp>(Point{}, 1, u"Spare", 1),
         15,
         {"DrawRectangle(85,185,115,200)", "DrawText(85,215,\"Spare\")"}},
        {"register",
         RegisterOf(4, false, 0, 0),
         20,
         {"DrawEllipse(80,180,120,220)", "DrawText(95,195,\"/.\")"}},
        {"register at half size",
         RegisterOf(7, false, 0, 0),
         10,
         {"DrawEllipse(90,190,110,210)", "DrawText(95,195,\"XOR\")"}},
        {"register with an operation no dialog offers",
         RegisterOf(8, false, 0, 0),
         20,
         {"DrawEllipse(80,180,120,220)", "DrawText(95,195,\"\")"}},
        {"constant",
         std::make_unique<NL_Constant>(Point{}, 1, -7),
         20,
         {"DrawEllipse(80,180,120,200)", "DrawText(80,205,\"-7\")"}},
        {"plain MathOp", std::make_unique<MathOp>(), 20, {}},
    };
    for (test::FigureCase& c : cases)
        EXPECT_EQ(test::FigureCalls(*c.element, document, 100, 200, c.r), c.calls) << c.what;
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST(AccOpWord, AccumulatorFieldKeepsTheLowSixBitsOfTheRegisterNumber)
{
    CVantrelDoc document;
    document.InsertElement(std::make_unique<LogNot>(Point{0, 0}, 1));
    document.InsertElement(std::make_unique<NL_Constant>(Point{0, 1}, 2, 0));
    for (int i = 0; i < 66; ++i)
        document.InsertElement(std::make_unique<Acc>(Point{1, i}, 100 + i, u"", 0));
    std::vector<std::uint32_t> words;
    AccOpOn(163, 0, 2, 1)->Encode(words, document); // register 63
    AccOpOn(165, 0, 2, 1)->Encode(words, document); // register 65 shows as 1
    EXPECT_EQ(words, (std::vector<std::uint32_t>{0x000201F9, 0x00020009}));
}

TEST(NumericContracts, ListsPinsRegistersAndTexts)
{
    CVantrelDoc document;
    struct Case
    {
        std::unique_ptr<LogElement> element;
        const char* contract;
    };
    Case cases[] = {
        {std::make_unique<Acc>(Point{}, 1, u"Level", 1),
         "list 3, in -, out (20,-10) num, register, monitor, editable, restricted 1, "
         "name \"Level\", describes \"Acc: Level\""},
        {std::make_unique<NoOp>(Point{}, 1, u"Spare", 0),
         "list 4, in -, out (20,-10) num, register, monitor, editable, name \"Spare\", "
         "describes \"NoOp: Spare\""},
        {std::make_unique<MathOp>(), "list 2, in (-20,-7), (-20,6), out (20,0)"},
        {std::make_unique<AccOp>(Point{}, 1, 2, 5), "list 2, in (-20,-7) num, (-20,6), out -"},
        {RegisterOf(4, true, 0, 0), "list 2, in (-20,-7) num, (-20,6) num, out (20,0) num, "
                                    "register, monitor, name \"R\", describes \"GP Register: R\""},
        {RegisterOf(0, false, 0, 0), "list 2, in (-20,-7) num, (-20,6) num, out (20,0) num, "
                                     "register, name \"R\", describes \"GP Register: R\""},
        {std::make_unique<NL_Constant>(Point{}, 1, 5), "list 5, in -, out (20,-10) num"},
    };
    for (Case& c : cases)
        EXPECT_EQ(test::ContractOf(*c.element, document), c.contract) << c.element->ClassName();
}

TEST(NumericContracts, BitwiseRegisterOperationsNeedProgramVersionEight)
{
    std::vector<int> versions;
    for (std::int32_t op = 0; op <= 7; ++op)
        versions.push_back(GP_Register(Point{}, 1, op, false, u"").RequiredVersion());
    EXPECT_EQ(versions, (std::vector<int>{2, 2, 2, 2, 2, 8, 8, 8}));
}

TEST(NumericArchive, EveryKindRoundTripsFieldByField)
{
    test::ElementVector kinds = EveryKind();
    test::ExpectRoundTrip(kinds, Fields);
}

TEST(NumericArchive, HandWrittenPayloadsHaveNoVersionAndStopAtTheNextObject)
{
    const std::string placement = "01 00 00 00 02 00 00 00 03 00 00 00"; // (1, 2), id 3
    const std::string name = "FF FE FF 02 41 00 42 00";                  // "AB"
    struct Case
    {
        std::unique_ptr<LogElement> element;
        std::string payload;
        const char* fields;
    };
    Case cases[] = {
        {std::make_unique<Acc>(), placement + name + "01 00 00 00",
         "Acc id 3 at 1,2 inputs 0 0 0 0 name AB restricted 1"},
        {std::make_unique<NoOp>(), placement + "02 41 42 00 00 00 00", // 8-bit name
         "NoOp id 3 at 1,2 inputs 0 0 0 0 name AB restricted 0"},
        {std::make_unique<MathOp>(), placement + "04 00 00 00 0A 00 00 00 0B 00 00 00",
         "MathOp id 3 at 1,2 inputs 10 11 0 0 op 4"},
        {std::make_unique<AccOp>(), placement + "02 00 00 00 0A 00 00 00 0B 00 00 00 15 00 00 00",
         "AccOp id 3 at 1,2 inputs 10 11 0 0 op 2 acc 21"},
        {std::make_unique<GP_Register>(),
         placement + "07 00 00 00 0A 00 00 00 0B 00 00 00 02" + name, // any non-zero flag
         "GP_Register id 3 at 1,2 inputs 10 11 0 0 op 7 monitor 1 name AB"},
        {std::make_unique<NL_Constant>(), placement + "FF FF FF FF",
         "NL_Constant id 3 at 1,2 inputs 0 0 0 0 value -1"},
    };
    for (Case& c : cases)
        test::ExpectPayloadLoads(*c.element, c.payload, c.fields, Fields);
}

// The storage cells have no version of their own; whether `restricted` is
// stored depends on the element base part read last in the same archive.
TEST(NumericArchive, RestrictedIsReadOnlyAfterBasePartsOfVersionEleven)
{
    const std::string cell = "05 00 00 00 06 00 00 00 07 00 00 00 FF FE FF 01 43 00";
    struct Case
    {
        const char* what;
        std::string basePart; // an inverter's, or nothing
        std::unique_ptr<Acc> cell;
        std::string restricted;
        std::int32_t expected;
    };
    Case cases[] = {
        {"accumulator after version 10",
         "0A 00 00 00 01 00 00 00 02 00 00 00 03 00 00 00 0A 00 00 00", std::make_unique<Acc>(), "",
         0},
        {"NoOp after version 9 (two input slots)",
         "09 00 00 00 01 00 00 00 02 00 00 00 03 00 00 00 0A 00 00 00 0B 00 00 00",
         std::make_unique<NoOp>(), "", 0},
        {"accumulator after version 11",
         "0B 00 00 00 01 00 00 00 02 00 00 00 03 00 00 00 0A 00 00 00", std::make_unique<Acc>(),
         "01 00 00 00", 1},
        {"accumulator before any base part", "", std::make_unique<Acc>(), "01 00 00 00", 1},
    };
    for (Case& c : cases) {
        const auto bytes = FromHex(c.basePart + cell + c.restricted + "EE");
        CArchive ar(LoadFrom, bytes, SystemClasses());
        if (!c.basePart.empty()) {
            LogNot inverter;
            inverter.Serialize(ar);
        }
        c.cell->restricted = 5;
        c.cell->Serialize(ar);
        EXPECT_EQ(c.cell->restricted, c.expected) << c.what;
        EXPECT_EQ(c.cell->pos, (Point{5, 6})) << c.what;
        EXPECT_EQ(c.cell->id, 7) << c.what;
        EXPECT_EQ(c.cell->name, u"C") << c.what;
        EXPECT_EQ(ar.ReadByte(), 0xEE) << c.what;
    }
}

TEST(NumericArchive, EveryTruncatedPayloadFailsWithEndOfFile)
{
    for (auto& kind : EveryKind())
        EXPECT_EQ(test::TruncationsThatLoad(*kind), std::vector<std::size_t>{})
            << kind->ClassName();
}

TEST(NumericClone, IsDeepAndIndependent)
{
    test::ExpectIndependentClones(EveryKind(), Fields, ChangeOwnFields);
}

} // namespace
} // namespace vantrel
