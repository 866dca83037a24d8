// The one table of element kinds. Everything that lists the kinds or asks
// what a kind is derives from it: the element entries of the class registry
// (RegisterElementClasses), the Action > New menu with the kinds' status
// prompts, the element toolbar and its icons, placing and double-click
// editing (through the property adapter each row names), the stored fields
// of the design's text form, the I/O numbers of the checks, the name tables
// and the lists, and the evaluation order's sources. An element reaches its
// row through KindRow().
//
// Row<Kind> names a row's class once: the class name comes from
// Kind::kClassName, the factory makes an empty Kind and the fields are those
// of Kind and of the classes it derives from, so none of them can disagree.
// Placing builds the element through that factory and then sets the fields its
// properties asked for. The classes' placing constructors set those same
// fields and nothing else, so no kind needs a builder of its own.
#include "elements/element_kinds.h"

#include "archive/class_registry.h"
#include "archive/text_codec.h"
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
#include <cstring>
#include <type_traits>

namespace vantrel {

namespace {

using enum ElementProperties;

// The stored fields a class adds to those of the class it derives from, in
// the order of its payload; none unless listed here.
template <class Kind> struct OwnFields
{
    static constexpr std::array<ElementField, 0> kList{};
};
template <> struct OwnFields<LogIO>
{
    static constexpr std::array kList{Field<&LogIO::number>("number"), Field<&LogIO::name>("name")};
};
template <> struct OwnFields<LogUser>
{
    static constexpr std::array kList{Field<&LogUser::restricted>("restricted")};
};
template <> struct OwnFields<LoggedUserOut>
{
    static constexpr std::array kList{IdField<&LoggedUserOut::loggedIds>("logged")};
};
template <> struct OwnFields<TempInput>
{
    static constexpr std::array kList{Field<&TempInput::tempType>("tempType"),
                                      Field<&TempInput::defaultValue>("defaultValue"),
                                      Field<&TempInput::siloName>("siloName")};
};
template <> struct OwnFields<Acc>
{
    static constexpr std::array kList{Field<&Acc::name>("name"),
                                      Field<&Acc::restricted>("restricted")};
};
template <> struct OwnFields<MathOp>
{
    static constexpr std::array kList{Field<&MathOp::op>("op")};
};
template <> struct OwnFields<AccOp>
{
    static constexpr std::array kList{IdField<&AccOp::accId>("accId")};
};
template <> struct OwnFields<GP_Register>
{
    static constexpr std::array kList{Field<&GP_Register::showInMonitor>("showInMonitor"),
                                      Field<&GP_Register::name>("name")};
};
template <> struct OwnFields<NL_Constant>
{
    static constexpr std::array kList{Field<&NL_Constant::value>("value")};
};
template <> struct OwnFields<LogDelay>
{
    static constexpr std::array kList{Field<&LogDelay::delay>("delay")};
};
template <> struct OwnFields<LogClock>
{
    static constexpr std::array kList{Field<&LogClock::freqIndex>("freqIndex")};
};
template <> struct OwnFields<BitFedRegister>
{
    static constexpr std::array kList{Field<&BitFedRegister::name>("name")};
};
template <> struct OwnFields<LogTimer>
{
    static constexpr std::array kList{Field<&LogTimer::countUp>("countUp")};
};
template <> struct OwnFields<LogStartMarker>
{
    static constexpr std::array kList{Field<&LogStartMarker::label>("label")};
};
template <> struct OwnFields<LogEndMarker>
{
    static constexpr std::array kList{IdField<&LogEndMarker::startId>("startId")};
};
template <> struct OwnFields<LogReplicator>
{
    static constexpr std::array kList{IdField<&LogReplicator::sourceId>("sourceId")};
};
template <> struct OwnFields<LogBigOp>
{
    static constexpr std::array kList{
        Field<&LogBigOp::rangeFrom>("rangeFrom"), Field<&LogBigOp::rangeTo>("rangeTo"),
        Field<&LogBigOp::ioKind>("ioKind"), Field<&LogBigOp::invert>("invert")};
};
template <> struct OwnFields<LogComment>
{
    static constexpr std::array kList{Field<&LogComment::text>("text")};
};

// Every stored field of a class: those of its parents first.
template <class Kind> constexpr auto AllFields()
{
    constexpr auto& own = OwnFields<Kind>::kList;
    if constexpr (std::is_void_v<typename Kind::Parent>) {
        return own;
    } else {
        constexpr auto inherited = AllFields<typename Kind::Parent>();
        std::array<ElementField, inherited.size() + own.size()> all{};
        std::copy(inherited.begin(), inherited.end(), all.begin());
        std::copy(own.begin(), own.end(), all.begin() + inherited.size());
        return all;
    }
}
template <class Kind> constexpr auto kFieldsOf = AllFields<Kind>();

template <class Kind> std::unique_ptr<LogElement> Make()
{
    return std::make_unique<Kind>();
}

// A row of class Kind, with the facts that only some kinds have added by the
// calls below; each checks that Kind can have it.
template <class Kind> struct Row : ElementKindRow
{
    constexpr Row(int placingCommand, const char* menu, const char* statusPrompt, int list,
                  int slot)
        : ElementKindRow{.className = Kind::kClassName,
                         .command = placingCommand,
                         .menuText = menu,
                         .prompt = statusPrompt,
                         .listKind = list,
                         .make = &Make<Kind>,
                         .properties = None,
                         .propertyArgument = 0,
                         .toolbarSlot = slot,
                         .numbers = std::nullopt,
                         .sortRole = SortRole::None,
                         .fields = kFieldsOf<Kind>}
    {}

    constexpr Row Asks(ElementProperties asked, int argument = 0) const
    {
        Row row = *this;
        row.properties = asked;
        row.propertyArgument = argument;
        return row;
    }
    constexpr Row Numbered(NumberKind range) const
    {
        static_assert(std::is_base_of_v<LogIO, Kind>, "only I/O elements carry a number");
        Row row = *this;
        row.numbers = range;
        return row;
    }
    constexpr Row Sorts(SortRole role) const
    {
        Row row = *this;
        row.sortRole = role;
        return row;
    }
};

// A family class: nothing places it, but a file may name it.
template <class Kind> constexpr Row<Kind> Family()
{
    return Row<Kind>(0, nullptr, nullptr, kMainList, -1);
}

using enum NumberKind;

constexpr std::array<ElementKindRow, 5> kFamilies{
    Family<LogElement>(), Family<LogIO>().Asks(UnnumberedIo),
    Family<LogTrigger>(), Family<LogBigOp>().Asks(BigGate),
    Family<MathOp>(),
};

// Columns: command, menu text, status prompt, list, toolbar slot; then what
// the properties ask, the I/O number and the role in the evaluation order.
constexpr std::array<ElementKindRow, 45> kKinds{
    Row<LogAnd>(33001, "And", "New AND", kMainList, 0),
    Row<LogOr>(33002, "Or", "New OR", kMainList, 1),
    Row<LogNAND>(33028, "NAND", "New NAND", kMainList, 2),
    Row<LogNOR>(33029, "NOR", "New NOR", kMainList, 3),
    Row<LogXOR>(33030, "XOR", "New XOR", kMainList, 4),
    Row<LogNXOR>(33031, "NXOR", "New NXOR", kMainList, 5),
    Row<LogNot>(33011, "Not", "New NOT", kMainList, 17),
    Row<LogBigAnd>(33033, "Big And", "Big And", kMainList, 40).Asks(BigGate),
    Row<LogBigOr>(33034, "Big Or", "New BigOr", kMainList, 41).Asks(BigGate),
    Row<LogBigAlarm>(33035, "Big Alarm", "Big Alarm", kMainList, 42).Asks(BigGate),
    Row<LogIn>(33003, "Input", "New INPUT", kMainList, 6)
        .Asks(Input)
        .Numbered(Inputs)
        .Sorts(SortRole::BitSource),
    Row<LogOut>(33004, "Output", "New OUTPUT", kMainList, 7).Asks(Output).Numbered(Outputs),
    Row<LogUser>(33010, "User Input", "New User INPUT", kMainList, 8)
        .Asks(UserInput)
        .Numbered(UserInputs)
        .Sorts(SortRole::BitSource),
    Row<LogPulseUser>(33012, "Pulse User Input", "New Pulse User INPUT", kMainList, 9)
        .Asks(UserInput)
        .Numbered(UserInputs)
        .Sorts(SortRole::BitSource),
    Row<LogUserOut>(33013, "User Output", "New User OUTPUT", kMainList, 10)
        .Asks(UserOutput)
        .Numbered(UserOutputs),
    Row<LoggedUserOut>(33042, "Logged User Output", nullptr, kMainList, 11)
        .Asks(LoggedUserOutput)
        .Numbered(UserOutputs),
    Row<Analog_Input>(33023, "Analog Input", "New Analog Input", kRegisterList, 32)
        .Asks(AnalogInput)
        .Numbered(AnalogInputs)
        .Sorts(SortRole::NumberSource),
    Row<Analog_Output>(33024, "Analog Output", "New Analog Output", kRegisterList, 33)
        .Asks(AnalogOutput)
        .Numbered(AnalogOutputs),
    Row<TempInput>(33046, "Temp Input", "New Temp Input", kNoOpList, 39).Asks(TemperatureInput),
    Row<LogDelay>(33006, "Delay", "New DELAY", kMainList, 13).Asks(Delay, 1),
    Row<LogPulseDelay>(33036, "Pulse Delay", "New Pulse Delay", kMainList, 15).Asks(Delay, 0),
    Row<LogVarDelay>(33025, "Var Delay", "New Var Delay", kMainList, 14),
    Row<LogVarPulseDelay>(33040, "Var Pulse Delay", "New Var Pulse Delay", kMainList, 16),
    Row<LogFilter>(33041, "Filter", "New Filter Element", kMainList, 12),
    Row<LogClock>(33020, "Clock", "New Clock signal", kMainList, 31)
        .Asks(Clock)
        .Sorts(SortRole::BitSource),
    Row<LogTimer>(33043, "Timer", "Timer", kTimerList, 37).Asks(Timer),
    Row<LogSpeed>(33045, "Speed", "Speed", kRegisterList, 38).Asks(RegisterName),
    Row<LogMem>(33007, "Mem", "New MEMORY", kMainList, 18),
    Row<LogSwitch>(33009, "Switch", "New SWITCH", kMainList, 19),
    Row<LogDelayedSwitch>(33037, "Delayed Stop Trigger", "New Delayed Stop Trigger", kMainList, 21),
    Row<LogToggle>(33038, "Toggle", "New Toggle Trigger", kMainList, 20),
    Row<LogCompEq>(33021, "Comp ==", "New Comparator ( = )", kMainList, 30),
    Row<LogCompL>(33022, "Comp >", "New Comparator ( > )", kMainList, 29),
    Row<Acc>(33016, "Accumulator", "New Accumulator", kAccumulatorList, 25)
        .Asks(StorageCell)
        .Sorts(SortRole::HeldValue),
    Row<NoOp>(33032, "NoOp Reg", "New NoOp Reg", kNoOpList, 36)
        .Asks(StorageCell)
        .Sorts(SortRole::HeldValue),
    Row<GP_Register>(33017, "Register", "New Register", kRegisterList, 26).Asks(Register),
    Row<AccOp>(33018, "Acc operation", "New Accumulator Operation", kRegisterList, 27)
        .Asks(AccOperation),
    Row<NL_Constant>(33019, "Constant", "New Constant", kConstantList, 28)
        .Asks(Constant)
        .Sorts(SortRole::HeldValue),
    Row<LogReplicator>(33047, "In Replicator", "New Input Replicator", kIndirectList, 22)
        .Asks(InReplicator),
    Row<LogStartMarker>(33014, "In Marker", "New in MARKER", kIndirectList, 23).Asks(MarkerLabel),
    Row<LogEndMarker>(33015, "Out Marker", "New Out MARKER", kIndirectList, 24).Asks(OutMarker, 0),
    Row<NLStartMarker>(33026, "NL In Marker", "New NL In Marker", kIndirectList, 34)
        .Asks(MarkerLabel),
    Row<NLEndMarker>(33027, "NL Out Marker", "New NL Out Marker", kIndirectList, 35)
        .Asks(OutMarker, 1),
    Row<LogBreaker>(33039, "Cycle breaker", "New Cycle Breaker", kIndirectList, 43),
    Row<LogComment>(33044, "Comment", "New Comment", kCommentList, 44).Asks(Comment),
};

template <class Rows, class Match> const ElementKindRow* FindIn(const Rows& rows, Match match)
{
    const auto found = std::find_if(rows.begin(), rows.end(), match);
    return found == rows.end() ? nullptr : &*found;
}

} // namespace

std::span<const ElementKindRow> ElementKinds()
{
    return kKinds;
}

const ElementKindRow* FindElementKind(int command)
{
    return FindIn(kKinds, [command](const auto& kind) { return kind.command == command; });
}

const ElementKindRow* FindElementClass(const char* className)
{
    const auto named = [className](const ElementKindRow& row) {
        return std::strcmp(row.className, className) == 0;
    };
    const ElementKindRow* kind = FindIn(kKinds, named);
    return kind ? kind : FindIn(kFamilies, named);
}

std::optional<NumberKind> NumbersOf(const LogElement& element)
{
    const ElementKindRow* row = element.KindRow();
    return row ? row->numbers : std::nullopt;
}

void VisitElementIds(LogElement& element, const NamedIdVisitor& visit)
{
    for (int i = 0; i < std::clamp(element.InputCount(), 0, kMaxInputs); ++i)
        visit("inputs", element.inputs[std::size_t(i)]);
    if (const ElementKindRow* row = element.KindRow())
        for (const ElementField& field : row->fields)
            if (field.visitIds)
                field.visitIds(element, [&](std::int32_t& id) { visit(field.name, id); });
}

std::vector<std::int32_t> ElementIds(const LogElement& element)
{
    std::vector<std::int32_t> ids;
    // The visitor only reads: the element stays as it is.
    VisitElementIds(const_cast<LogElement&>(element),
                    [&](std::string_view, std::int32_t& id) { ids.push_back(id); });
    return ids;
}

std::u16string KindName(const LogElement& element)
{
    const ElementKindRow* row = element.KindRow();
    return Ascii(row && row->menuText ? row->menuText : element.ClassName());
}

void RegisterElementClasses(ClassRegistry& registry)
{
    for (std::span<const ElementKindRow> rows :
         {std::span<const ElementKindRow>(kFamilies), ElementKinds()})
        for (const ElementKindRow& row : rows)
            registry.Register(row.className,
                              [make = row.make] { return std::unique_ptr<Serializable>(make()); });
}

} // namespace vantrel
