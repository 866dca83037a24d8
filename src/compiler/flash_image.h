#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vantrel {

class CVantrelDoc;
class Notifier;

// Highest number + 1 of the user inputs (LogUser, LogPulseUser) and of the
// user outputs (LogUserOut, LoggedUserOut) of the main list, 0 when there
// are none. Every number counts, also one beyond the range the editor hands
// out, so the image and the JSON export agree on a damaged design; only
// negative numbers take no room.
struct UserIoExtent
{
    std::int64_t inputs = 0;
    std::int64_t outputs = 0;
};
UserIoExtent UserIoExtentOf(const CVantrelDoc& document);

// The bytes the controller reserves for user I/O numbered below `extent`:
// always one more byte than the numbers need.
constexpr std::int64_t UserIoBytes(std::int64_t extent)
{
    return (extent + 8) / 8;
}

// The controller's program image: the 56-byte header, the logic words of
// the main list, the numeric words of the timers and the register list,
// the constants, the remote requests and the register ids, closed by the
// checksum. Unconnected inputs are reported through `messages` (the
// document's notifier when none is given) and encoded as all ones. The
// image grows with the design: the limits of the report are shown, not
// enforced. `randomNumber` lets a build be reproduced; DrawRandomNumber
// gives a fresh one. The design is only read.
std::vector<std::uint8_t> Compile(const CVantrelDoc& document, std::int32_t randomNumber,
                                  Notifier& messages);
std::vector<std::uint8_t> Compile(const CVantrelDoc& document, std::int32_t randomNumber);

// A pseudo-random number from 0 to 32767, the generator seeded from the time.
std::int32_t DrawRandomNumber();

// The resource report of a compiled image against the controller's limits.
std::u16string Report(const CVantrelDoc& document, std::span<const std::uint8_t> image);

} // namespace vantrel
