#include "hardware/remote_io.h"

#include "archive/archive.h"
#include "document/system_classes.h"
#include "support/hex.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::FromHex;
using test::ToHex;

CustomRemoteModule BitModule(std::uint8_t registers, std::uint16_t address, std::uint8_t station,
                             std::uint8_t command = 2)
{
    CustomRemoteModule module;
    module.registerType = CustomRemoteModule::kBitRegisters;
    module.registerCount = registers;
    module.registerAddress = address;
    module.modbusAddress = station;
    module.modbusCommand = command;
    return module;
}

TEST(RemoteIoLabels, RemoteModulesNameTheTopOfTheRange)
{
    RemoteIoConfiguration config;
    config.modules.push_back({8, 0, 0, 57600, false});
    EXPECT_EQ(config.Label(0, true, 32), u"1");
    EXPECT_EQ(config.Label(23, true, 32), u"24");
    EXPECT_EQ(config.Label(24, true, 32), u"Remote 0: 1");
    EXPECT_EQ(config.Label(31, true, 32), u"Remote 0: 8");
    EXPECT_EQ(config.Label(31, false, 32), u"32"); // the module has no outputs
}

TEST(RemoteIoLabels, BitModuleLabelsRegistersThenUnconnectedBits)
{
    RemoteIoConfiguration config;
    config.customModules.push_back(BitModule(5, 100, 3));
    EXPECT_EQ(config.RemoteInputBytes(), 1);
    std::vector<std::u16string> labels;
    for (int number = 24; number < 32; ++number)
        labels.push_back(config.Label(number, true, 32));
    EXPECT_EQ(labels, (std::vector<std::u16string>{u"100 at addr: 3", u"101 at addr: 3",
                                                   u"102 at addr: 3", u"103 at addr: 3",
                                                   u"104 at addr: 3", u"N/C", u"N/C", u"N/C"}));
}

TEST(RemoteIoLabels, NumbersPastAllModulesHaveNoLabel)
{
    RemoteIoConfiguration config;
    config.modules.push_back({8, 8, 0, 57600, false});
    EXPECT_EQ(config.Label(40, true, 32), u"");
}

TEST(RemoteIoConfiguration, ByteCountsAndRequiredVersions)
{
    RemoteIoConfiguration config;
    EXPECT_EQ(config.RequiredRemoteVersion(), 0);
    config.customModules.push_back(BitModule(9, 0, 1)); // 9 bits take 2 bytes
    EXPECT_EQ(config.RemoteInputBytes(), 2);
    EXPECT_EQ(config.RemoteOutputBytes(), 0);
    config.modules.push_back({16, 8, 0, 19200, true});
    EXPECT_EQ(config.RemoteInputBytes(), 4);
    EXPECT_EQ(config.RemoteOutputBytes(), 1);
    EXPECT_EQ(config.RequiredRemoteVersion(), 6);

    RemoteIoConfiguration modern;
    modern.modules.push_back({8, 8, 0, 57600, false});
    EXPECT_EQ(modern.RequiredRemoteVersion(), 9);
}

TEST(RemoteIoArchive, BlockOfVersion3TakesTheOldDefaults)
{
    auto bytes = FromHex("03 00 00 00"
                         "01 00 00 00 10 00 00 00 08 00 00 00" // one module: 16 in, 8 out
                         "01 00 00 00 05 03 03 02 64 00"       // one custom module at address 100
                         "EE");
    RemoteIoConfiguration config;
    CArchive ar(LoadFrom, bytes, SystemClasses());
    config.Serialize(ar);
    EXPECT_EQ(ar.ReadByte(), 0xEE);
    ASSERT_EQ(config.modules.size(), 1u);
    EXPECT_EQ(config.modules[0], (RemoteIoModule{16, 8, 0, 19200, true}));
    ASSERT_EQ(config.customModules.size(), 1u);
    const CustomRemoteModule& custom = config.customModules[0];
    EXPECT_EQ(custom.registerCount, 5);
    EXPECT_EQ(custom.modbusAddress, 3);
    EXPECT_EQ(custom.registerType, 3);
    EXPECT_EQ(custom.modbusCommand, 2);
    EXPECT_EQ(custom.registerAddress, 100);
    EXPECT_EQ(custom.port, 0);
    EXPECT_EQ(custom.baud, 19200);
    EXPECT_EQ(custom.stopBits, 1);
}

TEST(RemoteIoArchive, Version1HasNoCustomModulesAndVersion7RoundTrips)
{
    auto old = FromHex("01 00 00 00 00 00 00 00 EE");
    RemoteIoConfiguration config;
    config.customModules.push_back(BitModule(1, 1, 1));
    CArchive ar(LoadFrom, old, SystemClasses());
    config.Serialize(ar);
    EXPECT_EQ(ar.ReadByte(), 0xEE);
    EXPECT_TRUE(config.customModules.empty());

    config.modules.push_back({24, 16, 2, 115200, false});
    config.customModules.push_back(BitModule(12, 300, 7, 15));
    config.customModules.back().stopBits = 2;
    std::vector<std::uint8_t> bytes;
    {
        CArchive out(StoreTo, bytes, SystemClasses());
        config.Serialize(out);
    }
    EXPECT_EQ(bytes.size(), 4 + 4 + 17 + 4 + 15u);
    RemoteIoConfiguration loaded;
    CArchive back(LoadFrom, bytes, SystemClasses());
    loaded.Serialize(back);
    EXPECT_EQ(loaded, config);
}

TEST(RemoteIoArchive, ImpossibleCountsFailInsteadOfAllocating)
{
    auto bytes = FromHex("07 00 00 00 FF FF FF 7F 00 00");
    RemoteIoConfiguration config;
    CArchive ar(LoadFrom, bytes, SystemClasses());
    EXPECT_THROW(config.Serialize(ar), CArchiveException);
}

} // namespace
} // namespace vantrel
