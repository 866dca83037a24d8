#pragma once

#include "graphics/geometry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

class LogElement;

// The lookups the document offers to elements, the sorter, the compiler,
// the exporters and the dialogs. Elements never hold pointers to each other,
// only ids, and resolve them through this interface. Looking up never
// changes the design.
class ElFinder
{
public:
    virtual ~ElFinder() = default;

    // The element of any element list whose position equals the point, or none.
    virtual LogElement* FindAt(Point cell) const = 0;
    // The element with the id in any list, indirect elements (markers,
    // replicators, cycle breakers) included; none for id 0 or an unknown id.
    virtual LogElement* FindById(std::int32_t id) const = 0;
    // The same, but an indirect element counts as none.
    virtual LogElement* FindDirectById(std::int32_t id) const = 0;
    // The element the id stands for: indirect elements are followed to
    // their source; none when the chain ends nowhere.
    virtual LogElement* ResolveSource(std::int32_t id) const = 0;
    // ResolveSource that yields none when a cycle breaker is on the way.
    virtual LogElement* ResolveSourceUpToBreaker(std::int32_t id) const = 0;
    // The operand index of the element in the program image; -1 (after a
    // warning) when the id does not resolve.
    virtual std::int32_t EncodeIndex(std::int32_t id) const = 0;
    virtual LogElement* MainAt(int index) const = 0;
    virtual int MainCount() const = 0;
    virtual int IndirectCount() const = 0;
    virtual LogElement* IndirectAt(int index) const = 0;
    // Position of the id in the monitor list, 0 when absent.
    virtual int MonitorIndex(std::int32_t id) const = 0;
    // Accumulators, NoOp registers, timers, then the register-list members
    // shown in the monitor.
    virtual void MonitorList(std::vector<LogElement*>& list) const = 0;
    // The label of an I/O number as the user sees it (number + 1 for local I/O).
    virtual std::u16string IoLabel(int number, bool isInput) const = 0;
};

} // namespace vantrel
