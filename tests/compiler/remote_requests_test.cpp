#include "compiler/remote_requests.h"

#include "compiler/flash_image.h"
#include "compiler/image_header.h"
#include "document/vantrel_doc.h"
#include "hardware/remote_io.h"
#include "support/hex.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::FromHex;
using test::ToHex;

CustomRemoteModule Custom(std::uint8_t count, std::uint8_t address, std::uint8_t type,
                          std::uint8_t command, std::uint16_t registerAddress = 0,
                          std::int32_t port = 0, std::int32_t baud = 19200,
                          std::uint8_t stopBits = 1)
{
    return {count, address, type, command, registerAddress, port, baud, stopBits};
}

// 64 inputs and outputs (8 bytes each). The remote modules take 5 input
// bytes (3 of module 0 and 1, 2 of the 9-bit module) and 2 output bytes.
TEST(RemoteRequests, RecordsOfEveryModuleKindInTheImage)
{
    CVantrelDoc document;
    document.numInputs = 64;
    document.numOutputs = 64;
    document.remoteIo.modules = {{16, 8, 2, 57600, true}, {8, 0, 1, 38400, false}};
    document.remoteIo.customModules = {
        Custom(9, 3, 3, 2, 0x0102, 0, 9600, 2),
        Custom(8, 4, 3, 15, 0, 1, 115200),
        Custom(5, 5, 1, 4, 0x0010, 2),
        Custom(3, 6, 2, 3),
        Custom(7, 7, 0, 16),
    };
    const auto image = Compile(document, 0);
    const ImageHeader header = ReadHeader(image);
    EXPECT_EQ(header.remoteInputBytes, 5);
    EXPECT_EQ(header.remoteOutputBytes, 2);
    EXPECT_EQ(header.remoteRequestCount, 8);
    EXPECT_EQ(header.version, 9);
    const auto records = std::span(image).subspan(header.remoteRequestOffset, 8 * 24);
    EXPECT_EQ(ToHex(records),
              ToHex(FromHex(
                  // legacy module 0: inputs from byte 3 with function 2, outputs from byte 6
                  // with function 15, both at 19200 whatever the module's rate
                  "00 02 03 00 00 00 02 00 02 00 00 00 00 4B 00 00 01 01 00 00 00 00 00 00"
                  "00 01 06 00 00 00 0F 00 02 00 00 00 00 4B 00 00 01 01 00 00 00 00 00 00"
                  // combined module 1: one request reading from byte 5, writing from byte 7
                  "00 01 05 00 00 00 17 01 01 00 00 00 00 96 00 00 01 01 00 00 07 00 00 00"
                  // bit module reading 9 bits (2 bytes) into byte 6, address 0x102, 2 stop bits
                  "03 09 06 00 02 01 02 03 00 00 00 00 80 25 00 00 02 00 03 00 00 00 00 00"
                  // bit module writing 8 bits from output byte 7 at 115200
                  "03 08 07 00 00 00 0F 04 01 00 00 00 00 C2 01 00 01 00 03 00 00 00 00 00"
                  // register modules: reading registers 0..4, then 5..7; writing 0..6
                  "01 05 00 00 10 00 04 05 02 00 00 00 00 4B 00 00 01 00 01 00 00 00 00 00"
                  "02 03 05 00 00 00 03 06 00 00 00 00 00 4B 00 00 01 00 02 00 00 00 00 00"
                  "00 07 00 00 00 00 10 07 00 00 00 00 00 4B 00 00 01 00 00 00 00 00 00 00")));
    EXPECT_EQ(header.registerIdOffset, header.remoteRequestOffset + 8 * 24);
}

TEST(RemoteRequests, LegacyModulesRequestOnlyTheDirectionsTheyHave)
{
    const struct
    {
        RemoteIoModule module;
        std::vector<std::uint8_t> functions;
    } cases[] = {
        {{0, 8, 0, 19200, true}, {15}},
        {{8, 0, 0, 19200, true}, {2}},
        {{0, 0, 0, 19200, true}, {}},
        {{0, 0, 0, 57600, false}, {23}},
    };
    for (const auto& c : cases) {
        RemoteIoConfiguration remoteIo;
        remoteIo.modules = {c.module};
        std::vector<std::uint8_t> functions;
        for (const RemoteRequest& request : RemoteRequests(remoteIo, 4, 4))
            functions.push_back(request.function);
        EXPECT_EQ(functions, c.functions) << c.module.inputBits << "/" << c.module.outputBits;
    }
}

} // namespace
} // namespace vantrel
