#pragma once

#include <cstdint>
#include <vector>

namespace vantrel {

struct RemoteIoConfiguration;

// One request the controller sends over a serial link to a remote module:
// what it reads into its byte or register areas and what it writes out.
struct RemoteRequest
{
    static constexpr std::uint8_t kReadDiscreteInputs = 2;
    static constexpr std::uint8_t kWriteMultipleCoils = 15;
    static constexpr std::uint8_t kReadWriteMultipleRegisters = 23;

    std::uint8_t readType = 0;
    std::uint8_t readCount = 0;
    std::uint8_t readOffset = 0;
    std::uint16_t registerAddress = 0;
    std::uint8_t function = 0;
    std::uint8_t station = 0;
    std::uint8_t port = 0;
    std::int32_t baud = 0;
    std::uint8_t stopBits = 0;
    std::uint8_t lineSetting = 0;
    std::uint8_t writeType = 0;
    std::uint8_t writeCount = 0;
    std::uint8_t writeOffset = 0;
    friend bool operator==(const RemoteRequest&, const RemoteRequest&) = default;
};

// The requests of the remote modules in the order the controller runs them:
// the remote I/O modules, then the custom modules. The modules' bytes lie at
// the top of the `inputBytes` and `outputBytes` areas.
std::vector<RemoteRequest> RemoteRequests(const RemoteIoConfiguration& remoteIo, int inputBytes,
                                          int outputBytes);

// The 24-byte stored form of a request.
void AppendRemoteRequest(std::vector<std::uint8_t>& out, const RemoteRequest& request);

} // namespace vantrel
