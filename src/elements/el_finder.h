#pragma once

#include "platform/geometry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

class LogElement;

// The lookups the document offers to elements, the sorter, the compiler,
// the exporters and the dialogs. Elements never hold pointers to each other,
// only ids, and resolve them through this interface.
class ElFinder
{
public:
    virtual ~ElFinder() = default;

    // The element of any element list whose position equals the point, or none.
    virtual LogElement* FindAt(Point cell) = 0;
    // The element with the id, or none. Indirect elements (markers,
    // replicators, cycle breakers) are hidden unless followIndirect; with
    // resolve they are followed to the element they stand for, and with
    // stopAtBreaker a cycle breaker on the way yields none.
    virtual LogElement* FindById(std::int32_t id, bool followIndirect, bool resolve,
                                 bool stopAtBreaker) = 0;
    // The operand index of the element in the program image; -1 (after a
    // warning) when the id does not resolve.
    virtual std::int32_t EncodeIndex(std::int32_t id) = 0;
    virtual LogElement* MainAt(int index) = 0;
    virtual int MainCount() = 0;
    virtual int IndirectCount() = 0;
    virtual LogElement* IndirectAt(int index) = 0;
    // Position of the id in the monitor list, 0 when absent.
    virtual int MonitorIndex(std::int32_t id) = 0;
    // Accumulators, NoOp registers, timers, then the register-list members
    // shown in the monitor.
    virtual void MonitorList(std::vector<LogElement*>& list) = 0;
    // The label of an I/O number as the user sees it (number + 1 for local I/O).
    virtual std::u16string IoLabel(int number, bool isInput) = 0;
};

} // namespace vantrel
