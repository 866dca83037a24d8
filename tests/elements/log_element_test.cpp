#include "elements/log_element.h"

#include "archive/archive.h"
#include "document/system_classes.h"
#include "elements/gates.h"
#include "support/hex.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::FromHex;
using test::ToHex;

// A kind with no inputs, to see the base part without input slots.
class NoInputs : public ElementKind<NoInputs>
{
public:
    static constexpr const char* kClassName = "LogElement";
    using ElementKind::ElementKind;
    int InputCount() const override { return 0; }
};

std::vector<std::uint8_t> Payload(LogElement& element)
{
    std::vector<std::uint8_t> bytes;
    CArchive ar(StoreTo, bytes, SystemClasses());
    element.Serialize(ar);
    return bytes;
}

TEST(LogElementArchive, BasePartIsVersionPositionIdAndInputSlots)
{
    LogAnd gate({3, -4}, 7);
    gate.inputs = {5, 6, 99, 99};
    EXPECT_EQ(ToHex(Payload(gate)), ToHex(FromHex("0B 00 00 00 03 00 00 00 FC FF FF FF 07 00 00 00"
                                                  "05 00 00 00 06 00 00 00")));
    NoInputs bare({1, 2}, 3);
    EXPECT_EQ(Payload(bare).size(), 16u);
}

TEST(LogElementArchive, VersionNineAndOlderHoldExactlyTwoInputSlots)
{
    // A one-input inverter of element version 9, followed by one more byte.
    auto bytes = FromHex("09 00 00 00 01 00 00 00 02 00 00 00 03 00 00 00"
                         "0A 00 00 00 0B 00 00 00 EE");
    CArchive ar(LoadFrom, bytes, SystemClasses());
    LogNot inverter;
    inverter.Serialize(ar);
    EXPECT_EQ(inverter.pos, (Point{1, 2}));
    EXPECT_EQ(inverter.id, 3);
    EXPECT_EQ(inverter.inputs[0], 10);
    EXPECT_EQ(inverter.inputs[1], 11);
    EXPECT_EQ(ar.ElementVersion(), 9);
    EXPECT_EQ(ar.ReadByte(), 0xEE);
}

TEST(LogElementArchive, ElementVersionBelongsToTheArchiveAndStartsAtEleven)
{
    auto bytes = FromHex("0A 00 00 00 01 00 00 00 02 00 00 00 03 00 00 00 0A 00 00 00");
    CArchive first(LoadFrom, bytes, SystemClasses());
    CArchive second(LoadFrom, bytes, SystemClasses());
    LogNot inverter;
    inverter.Serialize(first);
    EXPECT_EQ(first.ElementVersion(), 10);
    EXPECT_EQ(second.ElementVersion(), 11);
}

TEST(LogElementArchive, ShortPositionFailsWithEndOfFile)
{
    auto bytes = FromHex("0B 00 00 00 01 00 00 00 02 00");
    CArchive ar(LoadFrom, bytes, SystemClasses());
    LogNot inverter;
    try {
        inverter.Serialize(ar);
        FAIL() << "expected end of file";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.Cause(), ArchiveCause::EndOfFile);
    }
}

TEST(LogElementGeometry, InputPinsSpreadOverTheLeftEdge)
{
    LogAnd twoInputs;
    EXPECT_EQ(twoInputs.InputPinOffset(20, 0), (Point{-20, -7}));
    EXPECT_EQ(twoInputs.InputPinOffset(20, 1), (Point{-20, 6}));
    EXPECT_EQ(twoInputs.OutputPinOffset(20), (Point{20, 0}));
    LogNot oneInput;
    EXPECT_EQ(oneInput.InputPinOffset(20, 0), (Point{-20, 0}));
}

TEST(LogElementGeometry, PinPositionsAddTheTruncatedAnchor)
{
    LogAnd gate({3, -1}, 1);
    // Anchor at zoom 0.7 from origin (1, 1): (2 * 56, -2 * 56) = (112, -112); r = 14.
    EXPECT_EQ(CellToView(gate.pos, {1, 1}, 0.7), (Point{112, -112}));
    EXPECT_EQ(ElementSize(0.7), 14);
    EXPECT_EQ(gate.OutputPinPos(14, {1, 1}, 0.7), (Point{126, -112}));
    EXPECT_EQ(gate.InputPinPos(14, 1, {1, 1}, 0.7), (Point{98, -112 + 9 * 2 - 14}));
    EXPECT_EQ(CellToView({0, 0}, {1, 1}, 0.33), (Point{-26, -26})); // truncates toward zero
}

TEST(LogElementGeometry, HitPinUsesAQuarterOfTheSizeAsTolerance)
{
    LogAnd gate({0, 0}, 1); // r = 20, tolerance 5; output (20, 0), inputs (-20, -7), (-20, 6)
    struct Case
    {
        Point at;
        int pin;
    };
    for (Case c : {Case{{20, 0}, -1}, Case{{24, 4}, -1}, Case{{25, 0}, 0}, Case{{20, 5}, 0},
                   Case{{-20, -7}, 1}, Case{{-20, -2}, 1}, Case{{-16, -12}, 1}, Case{{-15, -7}, 0},
                   Case{{-20, 6}, 2}, Case{{-20, 11}, 2}, Case{{0, 0}, 0}})
        EXPECT_EQ(gate.HitPin(c.at, {0, 0}, 1.0), c.pin) << c.at.x << "," << c.at.y;

    LogNot inverter({0, 0}, 2);
    EXPECT_EQ(inverter.HitPin({-20, 5}, {0, 0}, 1.0), 1);
}

TEST(LogElementClone, IsIndependentAndKeepsEveryInputSlot)
{
    LogAnd gate({4, 5}, 9);
    gate.inputs = {1, 2, 3, 4};
    std::unique_ptr<LogElement> clone = gate.Clone();
    EXPECT_STREQ(clone->ClassName(), "LogAnd");
    EXPECT_EQ(clone->id, 9);
    EXPECT_EQ(clone->pos, (Point{4, 5}));
    EXPECT_EQ(clone->inputs, gate.inputs);
    clone->inputs[3] = 40;
    clone->pos.x = 0;
    EXPECT_EQ(gate.inputs[3], 4);
    EXPECT_EQ(gate.pos.x, 4);
}

TEST(LogElementBase, DefaultsOfTheVirtualInterface)
{
    LogElement base;
    EXPECT_EQ(base.InputCount(), 2);
    EXPECT_TRUE(base.HasOutput());
    EXPECT_EQ(base.RequiredVersion(), 2);
    EXPECT_EQ(base.ListKind(), kMainList);
    EXPECT_EQ(base.WordCount(), 1);
    EXPECT_EQ(base.NatureText(), u"number");
    EXPECT_EQ(base.Name(), u"");
    EXPECT_FALSE(base.UsesRegister() || base.UsesDelay() || base.ShowInMonitor() ||
                 base.IsUserIo() || base.IsEditable());
    EXPECT_EQ(base.Restricted(), 0);
}

} // namespace
} // namespace vantrel
