#include "elements/big_gates.h"
#include "elements/gates.h"

#include "archive/archive.h"
#include "document/system_classes.h"
#include "document/vantrel_doc.h"
#include "support/hex.h"
#include "support/recording_notifier.h"

#include <gtest/gtest.h>

#include <functional>

namespace vantrel {
namespace {

using test::FromHex;
using test::ToHex;

// A document whose main list holds `count` inverters with ids 1..count, so
// that id k sits at main-list position k - 1.
class GateWords : public ::testing::Test
{
protected:
    void SetUp() override
    {
        document.SetNotifier(&notifier);
        for (int id = 1; id <= 10; ++id)
            document.InsertElement(std::make_unique<LogNot>(Point{0, id}, id));
    }

    std::vector<std::uint32_t> Words(LogElement& element)
    {
        std::vector<std::uint32_t> words;
        element.Encode(words, document);
        EXPECT_EQ(int(words.size()), element.WordCount());
        return words;
    }

    test::RecordingNotifier notifier;
    CVantrelDoc document;
};

template <class Gate> std::unique_ptr<LogElement> Wired(std::int32_t first, std::int32_t second)
{
    auto gate = std::make_unique<Gate>(Point{50, 50}, 100);
    gate->inputs = {first, second, 0, 0};
    return gate;
}

TEST_F(GateWords, TwoInputGatesPutOperationAndOperandsInTheirFields)
{
    struct Case
    {
        const char* kind;
        std::unique_ptr<LogElement> gate;
        std::uint32_t word;
    };
    Case cases[] = {
        {"And", Wired<LogAnd>(6, 8), 0x00014007}, // positions 5 and 7
        {"Or", Wired<LogOr>(6, 8), 0x10014007},     {"NAND", Wired<LogNAND>(1, 2), 0x20000001},
        {"NOR", Wired<LogNOR>(2, 1), 0x30004000},   {"XOR", Wired<LogXOR>(10, 10), 0x40024009},
        {"NXOR", Wired<LogNXOR>(3, 4), 0x50008003}, {"Not", Wired<LogNot>(8, 0), 0xF4000007},
    };
    for (Case& c : cases)
        EXPECT_EQ(Words(*c.gate), std::vector<std::uint32_t>{c.word}) << c.kind;
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST_F(GateWords, UnconnectedInputsWarnAndEncodeAllOnesInTheirField)
{
    auto gate = Wired<LogAnd>(0, 777);
    EXPECT_EQ(Words(*gate), std::vector<std::uint32_t>{0x0FFFFFFF});
    EXPECT_EQ(notifier.Messages(),
              (std::vector<std::string>{"Warning!: There is an unconnected input.",
                                        "Warning!: There is an unconnected input."}));
    auto alarm = std::make_unique<LogBigAlarm>(Point{}, 100, 1, 1, LogBigOp::kInputs, false);
    EXPECT_EQ(Words(*alarm)[1], 0xFFFFFFFFu);
}

TEST_F(GateWords, BigGatesEncodeTheirRange)
{
    LogBigOr anyInput({}, 100, 1, 16, LogBigOp::kInputs, false);
    EXPECT_EQ(Words(anyInput), std::vector<std::uint32_t>{0x82007800});

    LogBigAnd allOutputsInverted({}, 100, 5, 2048, LogBigOp::kOutputs, true);
    EXPECT_EQ(Words(allOutputsInverted), std::vector<std::uint32_t>{0x817FF804});

    LogBigAlarm alarm({}, 100, 3, 4, LogBigOp::kOutputs, true);
    alarm.inputs[0] = 3; // main-list position 2
    EXPECT_EQ(Words(alarm), (std::vector<std::uint32_t>{0x85401802, 0x00000002}));

    LogBigOp plain;
    EXPECT_EQ(Words(plain), std::vector<std::uint32_t>{0});
}

TEST(BigGateArchive, PayloadHasNoVersionAndTwentyFourBytesBeforeTheInputs)
{
    auto bytes = FromHex("02 00 00 00 03 00 00 00" // position
                         "09 00 00 00"             // id
                         "03 00 00 00 04 00 00 00" // range 3..4
                         "01 00 00 00 01 00 00 00" // outputs, inverted
                         "05 00 00 00"             // input 0
                         "EE");
    CArchive ar(LoadFrom, bytes, SystemClasses());
    LogBigAlarm alarm;
    alarm.Serialize(ar);
    EXPECT_EQ(alarm.pos, (Point{2, 3}));
    EXPECT_EQ(alarm.id, 9);
    EXPECT_EQ(alarm.rangeFrom, 3);
    EXPECT_EQ(alarm.rangeTo, 4);
    EXPECT_EQ(alarm.ioKind, LogBigOp::kOutputs);
    EXPECT_EQ(alarm.invert, 1);
    EXPECT_EQ(alarm.inputs[0], 5);
    EXPECT_EQ(ar.ReadByte(), 0xEE);

    auto andBytes = FromHex("02 00 00 00 03 00 00 00 09 00 00 00 03 00 00 00 04 00 00 00"
                            "01 00 00 00 01 00 00 00 EE");
    CArchive andArchive(LoadFrom, andBytes, SystemClasses());
    LogBigAnd bigAnd;
    bigAnd.Serialize(andArchive);
    EXPECT_EQ(andArchive.ReadByte(), 0xEE);
}

// Every gate kind stored by reference, loaded back and stored again gives
// the same bytes and the same fields.
TEST(GateArchive, EveryKindRoundTrips)
{
    std::vector<std::unique_ptr<LogElement>> kinds;
    kinds.push_back(Wired<LogAnd>(1, 2));
    kinds.push_back(Wired<LogOr>(3, 4));
    kinds.push_back(Wired<LogNAND>(5, 6));
    kinds.push_back(Wired<LogNOR>(7, 8));
    kinds.push_back(Wired<LogXOR>(9, 10));
    kinds.push_back(Wired<LogNXOR>(11, 12));
    kinds.push_back(Wired<LogNot>(13, 0));
    kinds.push_back(std::make_unique<LogBigAnd>(Point{1, 2}, 20, 1, 16, 0, false));
    kinds.push_back(std::make_unique<LogBigOr>(Point{3, 4}, 21, 17, 32, 1, true));
    kinds.push_back(std::make_unique<LogBigAlarm>(Point{5, 6}, 22, 2, 2, 0, true));
    kinds.back()->inputs[0] = 14;
    kinds.push_back(std::make_unique<LogBigOp>(Point{7, 8}, 23, 4, 5, 1, false));

    std::vector<std::uint8_t> first;
    {
        CArchive ar(StoreTo, first, SystemClasses());
        ar.SerializeObjectList(kinds);
    }
    std::vector<std::unique_ptr<LogElement>> loaded;
    {
        CArchive ar(LoadFrom, first, SystemClasses());
        ar.SerializeObjectList(loaded);
        EXPECT_EQ(ar.BytesLeft(), 0u);
    }
    std::vector<std::uint8_t> second;
    {
        CArchive ar(StoreTo, second, SystemClasses());
        ar.SerializeObjectList(loaded);
    }
    EXPECT_EQ(ToHex(second), ToHex(first));
    ASSERT_EQ(loaded.size(), kinds.size());
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        EXPECT_STREQ(loaded[i]->ClassName(), kinds[i]->ClassName());
        EXPECT_EQ(loaded[i]->id, kinds[i]->id);
        EXPECT_EQ(loaded[i]->pos, kinds[i]->pos);
        for (int k = 0; k < kinds[i]->InputCount(); ++k)
            EXPECT_EQ(loaded[i]->inputs[k], kinds[i]->inputs[k]) << kinds[i]->ClassName();
        if (auto* big = dynamic_cast<LogBigOp*>(kinds[i].get())) {
            auto& back = dynamic_cast<LogBigOp&>(*loaded[i]);
            EXPECT_EQ(std::tie(back.rangeFrom, back.rangeTo, back.ioKind, back.invert),
                      std::tie(big->rangeFrom, big->rangeTo, big->ioKind, big->invert));
        }
    }
}

TEST(GateClone, BigGateCloneCopiesTheRange)
{
    LogBigAlarm alarm({1, 1}, 5, 7, 9, LogBigOp::kOutputs, true);
    auto clone = alarm.Clone();
    auto& copy = dynamic_cast<LogBigAlarm&>(*clone);
    EXPECT_EQ(std::tie(copy.rangeFrom, copy.rangeTo, copy.ioKind, copy.invert),
              std::tie(alarm.rangeFrom, alarm.rangeTo, alarm.ioKind, alarm.invert));
    copy.rangeTo = 100;
    EXPECT_EQ(alarm.rangeTo, 9);
}

} // namespace
} // namespace vantrel
