#include "compiler/remote_requests.h"

#include "archive/byte_buffer.h"
#include "hardware/remote_io.h"

namespace vantrel {

namespace {

// The running byte offsets in the controller's input and output areas, and
// the running register numbers of the register modules. They add up
// counts read from the design file, so they are kept wide; a record holds
// their low 8 bits.
struct RequestCursor
{
    std::int64_t inputByte = 0;
    std::int64_t outputByte = 0;
    std::int64_t readRegister = 0;
    std::int64_t writeRegister = 0;
};

// The fixed line settings of the controller's own modules.
RemoteRequest ModuleRequest(const RemoteIoModule& module, std::size_t position)
{
    RemoteRequest request;
    request.station = std::uint8_t(position);
    request.port = std::uint8_t(module.port);
    request.baud = module.legacyCommands ? 19200 : module.baud;
    request.stopBits = 1;
    request.lineSetting = 1;
    return request;
}

// A legacy module reads its inputs and writes its outputs with separate
// requests, one for each direction it has.
void AddLegacyRequests(std::vector<RemoteRequest>& requests, const RemoteIoModule& module,
                       std::size_t position, RequestCursor& cursor)
{
    const struct
    {
        int bytes;
        std::int64_t& offset;
        std::uint8_t function;
    } directions[] = {
        {module.inputBits / 8, cursor.inputByte, RemoteRequest::kReadDiscreteInputs},
        {module.outputBits / 8, cursor.outputByte, RemoteRequest::kWriteMultipleCoils},
    };
    for (const auto& direction : directions) {
        if (direction.bytes == 0)
            continue;
        RemoteRequest request = ModuleRequest(module, position);
        request.readCount = std::uint8_t(direction.bytes);
        request.readOffset = std::uint8_t(direction.offset);
        request.function = direction.function;
        requests.push_back(request);
        direction.offset += direction.bytes;
    }
}

// A current module exchanges inputs and outputs in one combined request.
void AddCombinedRequest(std::vector<RemoteRequest>& requests, const RemoteIoModule& module,
                        std::size_t position, RequestCursor& cursor)
{
    RemoteRequest request = ModuleRequest(module, position);
    request.readCount = std::uint8_t(module.inputBits / 8);
    request.readOffset = std::uint8_t(cursor.inputByte);
    request.function = RemoteRequest::kReadWriteMultipleRegisters;
    request.writeCount = std::uint8_t(module.outputBits / 8);
    request.writeOffset = std::uint8_t(cursor.outputByte);
    requests.push_back(request);
    cursor.inputByte += module.inputBits / 8;
    cursor.outputByte += module.outputBits / 8;
}

// Bit modules take bytes of the digital areas, register modules registers.
RemoteRequest CustomRequest(const CustomRemoteModule& module, RequestCursor& cursor)
{
    const bool bits = module.IsLogicModule();
    std::int64_t& counter = bits ? (module.Reads() ? cursor.inputByte : cursor.outputByte)
                                 : (module.Reads() ? cursor.readRegister : cursor.writeRegister);
    RemoteRequest request;
    request.readType = module.registerType;
    request.readCount = module.registerCount;
    request.readOffset = std::uint8_t(counter);
    request.registerAddress = module.registerAddress;
    request.function = module.modbusCommand;
    request.station = module.modbusAddress;
    request.port = std::uint8_t(module.port);
    request.baud = module.baud;
    request.stopBits = module.stopBits;
    request.writeType = module.registerType;
    counter += bits ? (module.registerCount + 7) / 8 : module.registerCount;
    return request;
}

} // namespace

std::vector<RemoteRequest> RemoteRequests(const RemoteIoConfiguration& remoteIo, int inputBytes,
                                          int outputBytes)
{
    RequestCursor cursor{inputBytes - remoteIo.RemoteInputBytes(),
                         outputBytes - remoteIo.RemoteOutputBytes()};
    std::vector<RemoteRequest> requests;
    for (std::size_t i = 0; i < remoteIo.modules.size(); ++i) {
        if (remoteIo.modules[i].legacyCommands)
            AddLegacyRequests(requests, remoteIo.modules[i], i, cursor);
        else
            AddCombinedRequest(requests, remoteIo.modules[i], i, cursor);
    }
    for (const CustomRemoteModule& module : remoteIo.customModules)
        requests.push_back(CustomRequest(module, cursor));
    return requests;
}

void AppendRemoteRequest(std::vector<std::uint8_t>& out, const RemoteRequest& request)
{
    ByteWriter writer(out);
    writer.Byte(request.readType);
    writer.Byte(request.readCount);
    writer.Byte(request.readOffset);
    writer.Byte(0);
    writer.Word(request.registerAddress);
    writer.Byte(request.function);
    writer.Byte(request.station);
    writer.Byte(request.port);
    writer.Zeros(3);
    writer.Put(request.baud);
    writer.Byte(request.stopBits);
    writer.Byte(request.lineSetting);
    writer.Byte(request.writeType);
    writer.Byte(request.writeCount);
    writer.Byte(request.writeOffset);
    writer.Zeros(3);
}

} // namespace vantrel
