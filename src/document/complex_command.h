#pragma once

#include "archive/serializable.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace vantrel {

class ElFinder;
class Notifier;

// A named action that sets several user inputs at once: each setting maps
// the id of a user input to on (true) or off (false); inputs not named are
// left alone.
class ComplexCommand : public Serializable
{
public:
    static constexpr const char* kClassName = "ComplexCommand";

    ComplexCommand() = default;
    explicit ComplexCommand(std::u16string commandName) : name(std::move(commandName)) {}

    const char* ClassName() const override { return kClassName; }
    void Serialize(CArchive& archive) override;

    // Removes the settings whose id no longer names a user input, reporting
    // once when any were removed.
    void DropDeletedUserInputs(const ElFinder& finder, Notifier& notifier);
    // The record the controller reads: the name in 128 bytes, the count,
    // then the user input number and state of each setting. The settings
    // must name user inputs only (DropDeletedUserInputs first).
    void AppendFlashRecord(std::vector<std::uint8_t>& out, const ElFinder& finder) const;
    // The same after dropping deleted user inputs.
    void AppendFlashRecord(std::vector<std::uint8_t>& out, const ElFinder& finder,
                           Notifier& notifier);

    std::u16string name;
    std::map<std::int32_t, bool> settings;
};

} // namespace vantrel
