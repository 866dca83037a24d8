#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

class CArchive;

// A digital I/O module of the controller's own family on a serial link.
struct RemoteIoModule
{
    std::int32_t inputBits = 32;
    std::int32_t outputBits = 32;
    std::int32_t port = 0;
    std::int32_t baud = 57600;
    bool legacyCommands = false;
    friend bool operator==(const RemoteIoModule&, const RemoteIoModule&) = default;
};

// Any MODBUS device: a block of registers (or bits) read or written with one
// MODBUS function.
struct CustomRemoteModule
{
    static constexpr std::uint8_t kBitRegisters = 3;

    std::uint8_t registerCount = 8;
    std::uint8_t modbusAddress = 1;
    std::uint8_t registerType = 1;
    std::uint8_t modbusCommand = 4;
    std::uint16_t registerAddress = 0;
    std::int32_t port = 0;
    std::int32_t baud = 19200;
    std::uint8_t stopBits = 1;

    // Reading functions supply inputs; every other function consumes outputs.
    bool Reads() const { return modbusCommand == 2 || modbusCommand == 3 || modbusCommand == 4; }
    // A "bit" module takes digital I/O numbers; the others are analog channels.
    bool IsLogicModule() const { return registerType == kBitRegisters; }
    // A bit module that names numbers of the input range (it reads) or of the
    // output range (it writes multiple coils or registers).
    bool NumbersDigitalIo(bool isInput) const
    {
        if (!IsLogicModule())
            return false;
        return isInput ? Reads() : modbusCommand == 15 || modbusCommand == 16;
    }
    friend bool operator==(const CustomRemoteModule&, const CustomRemoteModule&) = default;
};

// The name of a MODBUS function as the module dialog offers it ("Read Input
// Registers"); "function N" for a code it does not offer.
std::u16string ModbusFunctionName(std::uint8_t code);
// "byte", "2 bytes", "4 bytes" or "bit"; "type N" for another value.
std::u16string RegisterTypeName(std::uint8_t type);

// The remote modules of a design.
struct RemoteIoConfiguration
{
    std::vector<RemoteIoModule> modules;
    std::vector<CustomRemoteModule> customModules;

    // Analog channels: the registers of the register modules that read (inputs)
    // or write (outputs), kMaxAnalogChannels at the most.
    int AnalogInputChannels() const;
    int AnalogOutputChannels() const;
    // The lowest program format version that can drive these modules.
    int RequiredRemoteVersion() const;
    // Digital bytes the modules take at the top of the input (RI) and output
    // (RO) ranges: remote I/O module bits and the bytes of the bit modules.
    std::int64_t RemoteInputBytes() const;
    std::int64_t RemoteOutputBytes() const;
    // The lowest input (or output) number among `localCount` that the modules
    // take; the board's own numbers lie below it.
    std::int64_t FirstRemoteNumber(bool isInput, int localCount) const;
    // The label of I/O number `number` among `localCount` inputs or outputs:
    // numbers the modules occupy name their module, the others number + 1.
    std::u16string Label(int number, bool isInput, int localCount) const;

    // The block of the design file; written as block version 7.
    void Serialize(CArchive& archive);

    void Clear();
    friend bool operator==(const RemoteIoConfiguration&, const RemoteIoConfiguration&) = default;
};

} // namespace vantrel
