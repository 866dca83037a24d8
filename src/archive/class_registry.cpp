#include "archive/class_registry.h"

#include <array>

namespace vantrel {

namespace {

constexpr std::array<std::string_view, 61> kSystemClassNames = {
    "Acc",
    "AccOp",
    "Analog_Input",
    "Analog_Output",
    "Circle",
    "ComplexCommand",
    "Curve",
    "FPoint",
    "FilledCircle",
    "FilledSquare",
    "FilledText",
    "GP_Register",
    "Line",
    "LogAnd",
    "LogBigAlarm",
    "LogBigAnd",
    "LogBigOp",
    "LogBigOr",
    "LogBreaker",
    "LogClock",
    "LogComment",
    "LogCompEq",
    "LogCompL",
    "LogDelay",
    "LogDelayedSwitch",
    "LogElement",
    "LogEndMarker",
    "LogFilter",
    "LogIO",
    "LogIn",
    "LogMem",
    "LogNAND",
    "LogNOR",
    "LogNXOR",
    "LogNot",
    "LogOr",
    "LogOut",
    "LogPulseDelay",
    "LogPulseUser",
    "LogReplicator",
    "LogSpeed",
    "LogStartMarker",
    "LogSwitch",
    "LogTimer",
    "LogToggle",
    "LogTrigger",
    "LogUser",
    "LogUserOut",
    "LogVarDelay",
    "LogVarPulseDelay",
    "LogXOR",
    "LoggedUserOut",
    "MathOp",
    "NLEndMarker",
    "NLStartMarker",
    "NL_Constant",
    "NoOp",
    "SimElement",
    "Square",
    "TextStuff",
    "TempInput",
};

} // namespace

ClassRegistry ClassRegistry::WithSystemClassNames()
{
    ClassRegistry registry;
    registry.entries_.reserve(kSystemClassNames.size());
    for (std::string_view name : kSystemClassNames)
        registry.entries_.push_back({name, 1, {}});
    return registry;
}

void ClassRegistry::Register(std::string_view name, ClassFactory factory, std::uint16_t schema)
{
    for (ClassEntry& entry : entries_) {
        if (entry.name == name) {
            entry.factory = std::move(factory);
            entry.schema = schema;
            return;
        }
    }
    entries_.push_back({name, schema, std::move(factory)});
}

const ClassEntry* ClassRegistry::Find(std::string_view name) const
{
    for (const ClassEntry& entry : entries_)
        if (entry.name == name)
            return &entry;
    return nullptr;
}

} // namespace vantrel
