#pragma once

#include "elements/log_element.h"

#include <memory>
#include <span>

namespace vantrel {

class ClassRegistry;

// How placing asks for a new element's fields, and which class's fields it
// fills with the answers. Placing builds the element empty through the kind's
// factory and then sets those fields, so every kind of a row must be of the
// class the row names.
enum class PlacementDialog
{
    Plain,            // nothing to ask
    Input,            // "I/O properties" over the free inputs: LogIO's number and name
    Output,           // the same over the free outputs
    AnalogInput,      // the same over the free analog inputs, labelled plainly
    AnalogOutput,     // the same over the free analog outputs
    UserInput,        // lowest free user input, "Add Text" with "Restrict access": LogUser
    UserOutput,       // lowest free user output, "Add Text": LogUserOut
    LoggedUserOutput, // lowest free user output, "Logged User Output" on the new element
    Delay,            // "Select time in seconds" from `dialogArgument` up: LogDelay
    MarkerLabel,      // "Add Text", may stay empty: LogStartMarker's label
    RegisterName,     // "Add Text", may stay empty: a speed's name
    Comment,          // "Add Text", must not stay empty: LogComment
    OutMarker,        // the in markers, the numeric ones when `dialogArgument` is 1: LogEndMarker
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

// One element kind the user can place.
struct ElementKindRow
{
    // The name the class registry and the design files know the class by.
    const char* className;
    // The Action > New command; the editor's design tool is the command minus
    // the first element command.
    int command;
    const char* menuText;
    // The status line, optionally followed by "\n" and the tooltip; null when
    // the menu text serves as both.
    const char* prompt;
    // The list the document keeps the kind in (the class's own ListKind).
    int listKind;
    // An empty element of the class, as loading a design creates it.
    std::unique_ptr<LogElement> (*make)();
    PlacementDialog dialog;
    // Delay: the lowest number of seconds; OutMarker: 1 for the numeric kind.
    int dialogArgument;
    // The button's place on the element toolbar, after Select and Connect.
    int toolbarSlot;
};

// Every element kind, in the order of the Action > New menu.
std::span<const ElementKindRow> ElementKinds();

// The kind a command places, or none.
const ElementKindRow* FindElementKind(int command);

// Enters every element class in the registry: the kinds of the table and the
// classes of their families that a file may name although nothing places them.
void RegisterElementClasses(ClassRegistry& registry);

} // namespace vantrel
