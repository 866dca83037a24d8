#include "hardware/remote_io.h"

#include "archive/archive.h"
#include "archive/text_codec.h"
#include "hardware/io_counts.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>

namespace vantrel {

namespace {

constexpr std::int32_t kBlockVersion = 7;

int LogicModuleBytes(const CustomRemoteModule& module)
{
    return ((module.registerCount + 7) / 8) % 64;
}

int AnalogChannels(const std::vector<CustomRemoteModule>& modules, bool reading)
{
    std::int64_t channels = 0;
    for (const CustomRemoteModule& module : modules)
        if (!module.IsLogicModule() && module.Reads() == reading)
            channels += module.registerCount;
    return int(std::min<std::int64_t>(channels, kMaxAnalogChannels));
}

// Bytes of the digital area that the modules take: the sum of their bit
// counts, stored as 32-bit values each, is kept wide.
template <class Bits>
std::int64_t ModuleBytes(const RemoteIoConfiguration& remoteIo, Bits bitsOf, bool reading)
{
    std::int64_t bits = 0;
    for (const RemoteIoModule& module : remoteIo.modules)
        bits += bitsOf(module);
    std::int64_t bytes = bits / 8;
    for (const CustomRemoteModule& module : remoteIo.customModules)
        if (module.IsLogicModule() && module.Reads() == reading)
            bytes += LogicModuleBytes(module);
    return bytes;
}

// The stored count of a record list; one no stream could hold is damage.
std::int32_t ReadRecordCount(CArchive& ar, std::size_t minimumRecordBytes)
{
    const std::int32_t count = ar.ReadInt32();
    if (count < 0 || std::size_t(count) > ar.BytesLeft() / minimumRecordBytes)
        ar.Fail(ArchiveCause::BadIndex);
    return count;
}

void SerializeModule(CArchive& ar, RemoteIoModule& module, std::int32_t version)
{
    ar.Exchange(module.inputBits);
    ar.Exchange(module.outputBits);
    if (ar.IsLoading() && version < 4)
        module.port = 0;
    else
        ar.Exchange(module.port);
    if (ar.IsLoading() && version < 7) {
        module.baud = 19200;
        module.legacyCommands = true;
        return;
    }
    ar.Exchange(module.baud);
    if (ar.IsLoading())
        module.legacyCommands = ar.ReadFlag();
    else
        ar.WriteFlag(module.legacyCommands);
}

void SerializeCustomModule(CArchive& ar, CustomRemoteModule& module, std::int32_t version)
{
    std::uint8_t* bytes[] = {&module.registerCount, &module.modbusAddress, &module.registerType,
                             &module.modbusCommand};
    for (std::uint8_t* field : bytes) {
        if (ar.IsLoading())
            *field = ar.ReadByte();
        else
            ar.WriteByte(*field);
    }
    const bool loading = ar.IsLoading();
    if (loading)
        module.registerAddress = version >= 3 ? ar.ReadWord() : 0;
    else
        ar.WriteWord(module.registerAddress);
    if (loading && version < 4)
        module.port = 0;
    else
        ar.Exchange(module.port);
    if (loading && version < 5)
        module.baud = 19200;
    else
        ar.Exchange(module.baud);
    if (loading)
        module.stopBits = version >= 6 ? ar.ReadByte() : 1;
    else
        ar.WriteByte(module.stopBits);
}

} // namespace

std::u16string ModbusFunctionName(std::uint8_t code)
{
    static constexpr std::pair<std::uint8_t, const char16_t*> kFunctions[] = {
        {4, u"Read Input Registers"},
        {3, u"Read Holding Registers"},
        {16, u"Write Multiple Registers"},
        {2, u"Read Discrete Inputs"},
        {15, u"Write Multiple Coils"}};
    for (const auto& [known, name] : kFunctions)
        if (known == code)
            return name;
    return u"function " + Decimal(code);
}

std::u16string RegisterTypeName(std::uint8_t type)
{
    static constexpr const char16_t* kTypes[] = {u"byte", u"2 bytes", u"4 bytes", u"bit"};
    return type < std::size(kTypes) ? kTypes[type] : u"type " + Decimal(type);
}

int RemoteIoConfiguration::AnalogInputChannels() const
{
    return AnalogChannels(customModules, true);
}

int RemoteIoConfiguration::AnalogOutputChannels() const
{
    return AnalogChannels(customModules, false);
}

int RemoteIoConfiguration::RequiredRemoteVersion() const
{
    int version = customModules.empty() ? 0 : 5;
    for (const RemoteIoModule& module : modules)
        version = std::max(version, module.legacyCommands ? 5 : 9);
    for (const CustomRemoteModule& module : customModules)
        if (module.IsLogicModule() && version < 7)
            version = 6;
    return version;
}

std::int64_t RemoteIoConfiguration::RemoteInputBytes() const
{
    return ModuleBytes(
        *this, [](const RemoteIoModule& module) { return module.inputBits; }, true);
}

std::int64_t RemoteIoConfiguration::RemoteOutputBytes() const
{
    return ModuleBytes(
        *this, [](const RemoteIoModule& module) { return module.outputBits; }, false);
}

std::int64_t RemoteIoConfiguration::FirstRemoteNumber(bool isInput, int localCount) const
{
    return std::int64_t(localCount) - 8 * (isInput ? RemoteInputBytes() : RemoteOutputBytes());
}

std::u16string RemoteIoConfiguration::Label(int number, bool isInput, int localCount) const
{
    const std::int64_t firstRemote = FirstRemoteNumber(isInput, localCount);
    if (number < firstRemote)
        return Decimal(std::int64_t(number) + 1);
    std::int64_t a = number - firstRemote;
    for (std::size_t i = 0; i < modules.size(); ++i) {
        const int bits = isInput ? modules[i].inputBits : modules[i].outputBits;
        if (a < bits)
            return u"Remote " + Decimal(std::int64_t(i)) + u": " + Decimal(a + 1);
        a -= bits;
    }
    for (const CustomRemoteModule& module : customModules) {
        if (!module.NumbersDigitalIo(isInput))
            continue;
        const int registers = module.registerCount;
        const int rounded = (registers + 7) / 8 * 8;
        if (a < rounded) {
            if (a >= registers)
                return u"N/C";
            return Decimal(a + module.registerAddress) + u" at addr: " +
                   Decimal(module.modbusAddress);
        }
        a -= rounded;
    }
    return {};
}

void RemoteIoConfiguration::Serialize(CArchive& ar)
{
    std::int32_t version = kBlockVersion;
    ar.Exchange(version);
    if (ar.IsStoring()) {
        ar.WriteInt32(std::int32_t(modules.size()));
        for (RemoteIoModule& module : modules)
            SerializeModule(ar, module, version);
        ar.WriteInt32(std::int32_t(customModules.size()));
        for (CustomRemoteModule& module : customModules)
            SerializeCustomModule(ar, module, version);
        return;
    }
    modules.assign(std::size_t(ReadRecordCount(ar, 8)), RemoteIoModule{});
    for (RemoteIoModule& module : modules)
        SerializeModule(ar, module, version);
    customModules.clear();
    if (version < 2)
        return;
    customModules.assign(std::size_t(ReadRecordCount(ar, 4)), CustomRemoteModule{});
    for (CustomRemoteModule& module : customModules)
        SerializeCustomModule(ar, module, version);
}

void RemoteIoConfiguration::Clear()
{
    modules.clear();
    customModules.clear();
}

} // namespace vantrel
