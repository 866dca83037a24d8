#include "hardware/sim_element.h"

#include "archive/archive.h"
#include "document/system_classes.h"
#include "document/vantrel_doc.h"
#include "elements/io_elements.h"
#include "support/hex.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::FromHex;
using test::ToHex;

TEST(SimulationFile, RotaryControlWithOneInputAndNoOutput)
{
    CVantrelDoc document;
    document.InsertElement(std::make_unique<LogIn>(Point{0, 0}, 7, 3, u"Pos"));
    std::vector<std::unique_ptr<SimElement>> list;
    list.push_back(std::make_unique<SimElement>(1, u"Dial"));
    list[0]->inputs[0] = 7;
    EXPECT_EQ(ToHex(SimulationFileBytes(list, document)),
              ToHex(FromHex("01 00 00 00 01 00 00 00 01 00 00 00 01 00 00 00 03 00 00 00"
                            "FF FF FF FF")));
}

TEST(SimulationFile, SlotsNamingOtherKindsOrDeletedElementsGiveMinusOne)
{
    CVantrelDoc document;
    document.InsertElement(std::make_unique<LogIn>(Point{0, 0}, 1, 2, u"In"));
    document.InsertElement(std::make_unique<LogOut>(Point{0, 1}, 2, 5, u"Out"));
    std::vector<std::unique_ptr<SimElement>> list;
    list.push_back(std::make_unique<SimElement>(0, u"Valve"));
    list[0]->inputs = {2, 1};   // an output in an input slot, then an input
    list[0]->outputs = {2, 40}; // an output, then a deleted element
    EXPECT_EQ(ToHex(SimulationFileBytes(list, document)),
              ToHex(FromHex("01 00 00 00 00 00 00 00 02 00 00 00 02 00 00 00"
                            "FF FF FF FF 02 00 00 00 05 00 00 00 FF FF FF FF")));
}

TEST(SimElementArchive, PayloadRoundTripsAndRefusesImpossibleCounts)
{
    SimElement valve(0, u"V");
    valve.inputs = {3, -1};
    valve.outputs = {4, 5};
    std::vector<std::uint8_t> bytes;
    {
        CArchive ar(StoreTo, bytes, SystemClasses());
        valve.Serialize(ar);
    }
    EXPECT_EQ(ToHex(bytes), ToHex(FromHex("00 00 00 00 02 00 00 00 02 00 00 00 00 00 00 00"
                                          "FF FE FF 01 56 00 03 00 00 00 FF FF FF FF"
                                          "04 00 00 00 05 00 00 00")));
    SimElement loaded;
    CArchive ar(LoadFrom, bytes, SystemClasses());
    loaded.Serialize(ar);
    EXPECT_EQ(loaded.inputs, valve.inputs);
    EXPECT_EQ(loaded.outputs, valve.outputs);
    EXPECT_EQ(loaded.name, u"V");

    auto huge = FromHex("00 00 00 00 FF FF FF 7F 00 00 00 00 00 00 00 00 FF FE FF 00");
    CArchive bad(LoadFrom, huge, SystemClasses());
    EXPECT_THROW(loaded.Serialize(bad), CArchiveException);
}

} // namespace
} // namespace vantrel
