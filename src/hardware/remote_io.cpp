#include "hardware/remote_io.h"

#include <algorithm>

namespace vantrel {

namespace {

int AnalogChannels(const std::vector<CustomRemoteModule>& modules, bool reading)
{
    int channels = 0;
    for (const CustomRemoteModule& module : modules)
        if (!module.IsLogicModule() && module.Reads() == reading)
            channels += module.registerCount;
    return channels;
}

} // namespace

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

void RemoteIoConfiguration::Clear()
{
    modules.clear();
    customModules.clear();
}

} // namespace vantrel
