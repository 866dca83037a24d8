// A design file may hold counts beyond the board's range. The flash file and
// the JSON export of such a design must still state the same counts: the
// header's byte fields keep the low bits of what the JSON writes in full.
#include "archive/file_bytes.h"
#include "document/vantrel_doc.h"
#include "elements/io_elements.h"
#include "export/flash_export.h"
#include "export/json_export.h"
#include "paint/shapes.h"
#include "support/fake_image_codec.h"
#include "support/hex.h"
#include "support/plant_design.h"
#include "support/recording_notifier.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vantrel {
namespace {

using test::FromHex;
using test::Place;
using test::ToHex;

constexpr std::int32_t kRandom = 77;

std::string HexOf(const std::vector<std::uint8_t>& bytes, std::size_t offset, std::size_t count)
{
    return ToHex(std::span(bytes).subspan(offset, count));
}

// 2056 inputs (257 bytes), 16 outputs, user input 2050 (257 user input
// bytes), user output 3, a remote module of 8 inputs and 8 outputs, and a
// line bound to the user input, output 1 and user output 3.
void BuildDamagedCounts(CVantrelDoc& document)
{
    document.numInputs = 2056;
    document.numOutputs = 16;
    Place<LogUser>(document, 1, {}, 2050, u"Far");
    Place<LogOut>(document, 2, {1}, 1, u"Lamp");
    Place<LogUserOut>(document, 3, {1}, 3, u"Done");
    document.remoteIo.modules.push_back({8, 8, 0, 57600, false});
    auto line = std::make_unique<Line>();
    line->commandId = 1;
    line->activeId = 2;
    line->active2Id = 3;
    line->hasCommand = line->hasActive = line->hasActive2 = 1;
    document.paintObjects.push_back(std::move(line));
}

TEST(IoCountAgreement, FlashFileAndJsonStateTheSameCountsOfADamagedDesign)
{
    const auto folder = test::FreshTestFolder("io_count_agreement");
    test::FakeImageCodec codec;
    test::RecordingNotifier notifier;
    CVantrelDoc document;
    document.SetNotifier(&notifier);
    BuildDamagedCounts(document);

    ExportFlashFile(document, folder / "flash.lgf", codec, kRandom);
    const std::vector<std::uint8_t> flash = ReadFileBytes(folder / "flash.lgf");
    // Speed 64, then 257, 2, (2051 + 8) div 8 = 257 and (4 + 8) div 8 = 1
    // bytes in 8 bits each.
    EXPECT_EQ(HexOf(flash, 0x14, 6), "40 01 02 01 01 00");
    // Remote module bytes 1 and 1; its request reads into input byte
    // 257 - 1 (low 8 bits 0) and writes from output byte 2 - 1.
    EXPECT_EQ(HexOf(flash, 0x2D, 2), "01 01");
    const std::size_t request = 56 + 3 * 4;
    EXPECT_EQ(HexOf(flash, request, 24), ToHex(FromHex("00 01 00 00 00 00 17 00 00 00 00 00"
                                                       "00 E1 00 00 01 01 00 01 01 00 00 00")));
    // The name tables alone stop at the board's 2048: 2048 inputs, 16
    // outputs, 2049 user input entries (user input 2050 has none), 5 user
    // output entries, no registers; (2048 + 16 + 2049 + 5 + 1) * 64 bytes.
    const std::size_t names = request + 24;
    EXPECT_EQ(HexOf(flash, names + 4, 24),
              ToHex(FromHex("C0 05 04 00 00 08 00 00 10 00 00 00 01 08 00 00 05 00 00 00"
                            "00 00 00 00")));
    const std::size_t entries = names + 64;
    EXPECT_EQ(HexOf(flash, entries + 64 * (2048 + 1), 5), "4C 61 6D 70 00");
    EXPECT_EQ(HexOf(flash, entries + 64 * (2048 + 16 + 2049 + 3), 5), "44 6F 6E 65 00");
    // The line: a count of 1, type 1, the user input at 8 * (257 + 2) + 2050
    // = 4122, output 1 at 8 * 257 + 1 = 2057, ..., user output 3 at
    // 8 * (257 + 2 + 257) + 3 = 4131. The JSON gives the same numbers but
    // the user input's own.
    const std::size_t paint = entries + 64 * (2048 + 16 + 2049 + 5);
    EXPECT_EQ(HexOf(flash, paint, 16), "01 00 00 00 01 00 00 00 1A 10 00 00 09 08 00 00");
    EXPECT_EQ(HexOf(flash, paint + 4 + 36, 4), "23 10 00 00");

    std::ostringstream out;
    WriteJsonExport(document, out, codec, kRandom);
    const std::string json = out.str();
    EXPECT_NE(json.find("\"sysConf\":{\"minVersion\":9,\"numIns\":257,\"numOuts\":2,"
                        "\"numUserIns\":257,\"numUserOuts\":1,\"accCount\":0}"),
              std::string::npos);
    EXPECT_NE(json.find("\"active\":{\"num\":2057},\"active2\":{\"num\":4131},"
                        "\"commandNum\":2050"),
              std::string::npos);
    EXPECT_TRUE(notifier.Messages().empty());
}

} // namespace
} // namespace vantrel
