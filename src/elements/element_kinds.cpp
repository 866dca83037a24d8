// The one table of element kinds. Everything that lists the kinds derives from
// it: the element entries of the class registry (RegisterElementClasses), the
// Action > New menu with the kinds' status prompts, the element toolbar and its
// icons, and placing, which looks a design tool's row up by its command.
//
// Row<Kind> names a row's class once: the class name comes from
// Kind::kClassName and the factory makes an empty Kind, so the two cannot
// disagree. Placing builds the element through that factory and then sets the
// fields its dialog row asked for. The classes' placing constructors set those
// same fields and nothing else, so no kind needs a builder of its own.
#include "elements/element_kinds.h"

#include "archive/class_registry.h"
#include "elements/big_gates.h"
#include "elements/comment.h"
#include "elements/comparators.h"
#include "elements/gates.h"
#include "elements/indirect_elements.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "elements/timing_elements.h"
#include "elements/triggers.h"

#include <algorithm>
#include <array>

namespace vantrel {

namespace {

using enum PlacementDialog;

template <class Kind> std::unique_ptr<LogElement> Make()
{
    return std::make_unique<Kind>();
}

template <class Kind>
constexpr ElementKindRow Row(int command, const char* menuText, const char* prompt, int listKind,
                             int toolbarSlot, PlacementDialog dialog = Plain, int argument = 0)
{
    return {.className = Kind::kClassName,
            .command = command,
            .menuText = menuText,
            .prompt = prompt,
            .listKind = listKind,
            .make = &Make<Kind>,
            .dialog = dialog,
            .dialogArgument = argument,
            .toolbarSlot = toolbarSlot};
}

// Columns: command, menu text, status prompt, list, toolbar slot, dialog row
// and its argument.
constexpr std::array kKinds{
    Row<LogAnd>(33001, "And", "New AND", kMainList, 0),
    Row<LogOr>(33002, "Or", "New OR", kMainList, 1),
    Row<LogNAND>(33028, "NAND", "New NAND", kMainList, 2),
    Row<LogNOR>(33029, "NOR", "New NOR", kMainList, 3),
    Row<LogXOR>(33030, "XOR", "New XOR", kMainList, 4),
    Row<LogNXOR>(33031, "NXOR", "New NXOR", kMainList, 5),
    Row<LogNot>(33011, "Not", "New NOT", kMainList, 17),
    Row<LogBigAnd>(33033, "Big And", "Big And", kMainList, 40, BigGate),
    Row<LogBigOr>(33034, "Big Or", "New BigOr", kMainList, 41, BigGate),
    Row<LogBigAlarm>(33035, "Big Alarm", "Big Alarm", kMainList, 42, BigGate),
    Row<LogIn>(33003, "Input", "New INPUT", kMainList, 6, Input),
    Row<LogOut>(33004, "Output", "New OUTPUT", kMainList, 7, Output),
    Row<LogUser>(33010, "User Input", "New User INPUT", kMainList, 8, UserInput),
    Row<LogPulseUser>(33012, "Pulse User Input", "New Pulse User INPUT", kMainList, 9, UserInput),
    Row<LogUserOut>(33013, "User Output", "New User OUTPUT", kMainList, 10, UserOutput),
    Row<LoggedUserOut>(33042, "Logged User Output", nullptr, kMainList, 11, LoggedUserOutput),
    Row<Analog_Input>(33023, "Analog Input", "New Analog Input", kRegisterList, 32, AnalogInput),
    Row<Analog_Output>(33024, "Analog Output", "New Analog Output", kRegisterList, 33,
                       AnalogOutput),
    Row<TempInput>(33046, "Temp Input", "New Temp Input", kNoOpList, 39, TemperatureInput),
    Row<LogDelay>(33006, "Delay", "New DELAY", kMainList, 13, Delay, 1),
    Row<LogPulseDelay>(33036, "Pulse Delay", "New Pulse Delay", kMainList, 15, Delay, 0),
    Row<LogVarDelay>(33025, "Var Delay", "New Var Delay", kMainList, 14),
    Row<LogVarPulseDelay>(33040, "Var Pulse Delay", "New Var Pulse Delay", kMainList, 16),
    Row<LogFilter>(33041, "Filter", "New Filter Element", kMainList, 12),
    Row<LogClock>(33020, "Clock", "New Clock signal", kMainList, 31, Clock),
    Row<LogTimer>(33043, "Timer", "Timer", kTimerList, 37, Timer),
    Row<LogSpeed>(33045, "Speed", "Speed", kRegisterList, 38, RegisterName),
    Row<LogMem>(33007, "Mem", "New MEMORY", kMainList, 18),
    Row<LogSwitch>(33009, "Switch", "New SWITCH", kMainList, 19),
    Row<LogDelayedSwitch>(33037, "Delayed Stop Trigger", "New Delayed Stop Trigger", kMainList, 21),
    Row<LogToggle>(33038, "Toggle", "New Toggle Trigger", kMainList, 20),
    Row<LogCompEq>(33021, "Comp ==", "New Comparator ( = )", kMainList, 30),
    Row<LogCompL>(33022, "Comp >", "New Comparator ( > )", kMainList, 29),
    Row<Acc>(33016, "Accumulator", "New Accumulator", kAccumulatorList, 25, StorageCell),
    Row<NoOp>(33032, "NoOp Reg", "New NoOp Reg", kNoOpList, 36, StorageCell),
    Row<GP_Register>(33017, "Register", "New Register", kRegisterList, 26, Register),
    Row<AccOp>(33018, "Acc operation", "New Accumulator Operation", kRegisterList, 27,
               AccOperation),
    Row<NL_Constant>(33019, "Constant", "New Constant", kConstantList, 28, Constant),
    Row<LogReplicator>(33047, "In Replicator", "New Input Replicator", kIndirectList, 22,
                       InReplicator),
    Row<LogStartMarker>(33014, "In Marker", "New in MARKER", kIndirectList, 23, MarkerLabel),
    Row<LogEndMarker>(33015, "Out Marker", "New Out MARKER", kIndirectList, 24, OutMarker, 0),
    Row<NLStartMarker>(33026, "NL In Marker", "New NL In Marker", kIndirectList, 34, MarkerLabel),
    Row<NLEndMarker>(33027, "NL Out Marker", "New NL Out Marker", kIndirectList, 35, OutMarker, 1),
    Row<LogBreaker>(33039, "Cycle breaker", "New Cycle Breaker", kIndirectList, 43),
    Row<LogComment>(33044, "Comment", "New Comment", kCommentList, 44, Comment),
};

} // namespace

std::span<const ElementKindRow> ElementKinds()
{
    return kKinds;
}

const ElementKindRow* FindElementKind(int command)
{
    const auto found = std::find_if(kKinds.begin(), kKinds.end(), [command](const auto& kind) {
        return kind.command == command;
    });
    return found == kKinds.end() ? nullptr : &*found;
}

void RegisterElementClasses(ClassRegistry& registry)
{
    // The element base and the family classes that no command creates; an
    // archive may still name them.
    registry.Register<LogElement>("LogElement");
    registry.Register<LogIO>();
    registry.Register<LogTrigger>();
    registry.Register<LogBigOp>();
    registry.Register<MathOp>();
    for (const ElementKindRow& kind : kKinds)
        registry.Register(kind.className,
                          [make = kind.make] { return std::unique_ptr<Serializable>(make()); });
}

} // namespace vantrel
