#pragma once

#include "elements/element_fields.h"
#include "elements/log_element.h"
#include "elements/number_kind.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

class ClassRegistry;

// What the property dialog of a kind asks and sets, when an element is placed
// and when it is double-clicked. The editing library holds one property
// adapter per value; many kinds share one.
enum class ElementProperties : std::uint8_t
{
    None,             // nothing to ask
    Input,            // "I/O properties" over the inputs: LogIO's number and name
    Output,           // the same over the outputs
    AnalogInput,      // the same over the analog inputs, labelled plainly
    AnalogOutput,     // the same over the analog outputs
    UnnumberedIo,     // the bare I/O class, which has no numbers to offer
    UserInput,        // lowest free user input, "Add Text" with "Restrict access": LogUser
    UserOutput,       // lowest free user output, "Add Text": LogUserOut
    LoggedUserOutput, // lowest free user output, "Logged User Output" on the element
    Delay,            // "Select time in seconds" from `propertyArgument` up: LogDelay
    MarkerLabel,      // "Add Text", may stay empty: LogStartMarker's label
    RegisterName,     // "Add Text", may stay empty: a speed's name
    Comment,          // "Add Text", must not stay empty: LogComment
    OutMarker,        // the in markers, the numeric ones when `propertyArgument` is 1
    InReplicator,     // an input or user input: LogReplicator
    StorageCell,      // "Add Text" with "Restrict access": Acc's name and restriction
    Register,         // "Number Operation": GP_Register
    AccOperation,     // "Select Accumulator": AccOp
    Constant,         // "Enter number": NL_Constant
    Clock,            // "Select Frequency": LogClock
    BigGate,          // "BigOp properties": LogBigOp's range
    Timer,            // "Timer Properties": LogTimer
    TemperatureInput, // "Temp In Config": TempInput
};
inline constexpr std::size_t kElementPropertiesCount =
    std::size_t(ElementProperties::TemperatureInput) + 1;

// How the evaluation order treats a kind.
enum class SortRole : std::uint8_t
{
    None,
    BitSource,    // sorted first in the main list (inputs, user inputs, clocks)
    NumberSource, // sorted first in the register list (analog inputs)
    HeldValue,    // holds its value already: reading it waits for nothing
};

// One class of the element family: a kind the user can place (command and
// menu text set) or a family class that only files name.
struct ElementKindRow
{
    // The name the class registry and the design files know the class by.
    const char* className;
    // The Action > New command, 0 for a family class; the editor's design
    // tool is the command minus the first element command.
    int command;
    // The menu text; null for a family class.
    const char* menuText;
    // The status line, optionally followed by "\n" and the tooltip; null when
    // the menu text serves as both.
    const char* prompt;
    // The list the document keeps the kind in (the class's own ListKind).
    int listKind;
    // An empty element of the class, as loading a design creates it.
    std::unique_ptr<LogElement> (*make)();
    ElementProperties properties;
    // Delay: the lowest number of seconds; OutMarker: 1 for the numeric kind.
    int propertyArgument;
    // The button's place on the element toolbar, after Select and Connect.
    int toolbarSlot;
    // The range an I/O kind takes its number from; none for other kinds.
    std::optional<NumberKind> numbers;
    SortRole sortRole;
    // The stored fields the kind adds to the element base, in the order of
    // its payload (the design's text form shows them).
    std::span<const ElementField> fields;
};

// Every element kind the user can place, in the order of the Action > New menu.
std::span<const ElementKindRow> ElementKinds();

// The kind a command places, or none.
const ElementKindRow* FindElementKind(int command);

// The element's number kind, or none when it is no numbered I/O element.
std::optional<NumberKind> NumbersOf(const LogElement& element);

// Handed each id an element names with the name of the field holding it
// ("inputs" for the input slots); may change the id in place.
using NamedIdVisitor = std::function<void(std::string_view field, std::int32_t& id)>;

// Every id the element names: its first InputCount input slots, then the
// fields of its kind that name elements, in the order of its stored fields.
void VisitElementIds(LogElement& element, const NamedIdVisitor& visit);
// The same ids as values, in the same order.
std::vector<std::int32_t> ElementIds(const LogElement& element);

// The kind's name as the Action > New menu shows it ("And", "Out Marker"); the
// class name for the classes that only old files hold.
std::u16string KindName(const LogElement& element);

// Enters every element class in the registry: the family classes that a file
// may name although nothing places them, then the kinds of the table.
void RegisterElementClasses(ClassRegistry& registry);

} // namespace vantrel
