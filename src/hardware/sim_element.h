#pragma once

#include "archive/serializable.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vantrel {

class ElFinder;

// A piece of plant equipment the simulator drives from the controller's
// outputs and that feeds its inputs. Each slot holds the id of a local input
// (LogIn) or output (LogOut) element, or -1.
class SimElement : public Serializable
{
public:
    static constexpr const char* kClassName = "SimElement";

    struct SimType
    {
        const char16_t* name;
        std::int32_t inputCount;
        std::int32_t outputCount;
    };
    static constexpr SimType kTypes[] = {{u"2-way valve", 2, 2}, {u"rotary control", 1, 1}};

    SimElement() = default;
    // A new element of a type from the table, every slot empty.
    SimElement(std::int32_t simType, std::u16string elementName);

    const char* ClassName() const override { return kClassName; }
    void Serialize(CArchive& archive) override;

    std::vector<std::int32_t> inputs;
    std::vector<std::int32_t> outputs;
    std::int32_t type = 0;
    std::u16string name;
};

// The simulator's file: the element count, then per element its type, slot
// counts and the I/O numbers the slots name (-1 where a slot names no input
// or output element).
std::vector<std::uint8_t> SimulationFileBytes(const std::vector<std::unique_ptr<SimElement>>& list,
                                              const ElFinder& finder);

} // namespace vantrel
