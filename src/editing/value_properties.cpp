// The properties of the kinds that hold a value of their own: times,
// frequencies, numbers, operations, ranges, names and texts.
#include "document/vantrel_doc.h"
#include "editing/element_dialogs.h"
#include "editing/property_adapter.h"
#include "elements/big_gates.h"
#include "elements/comment.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "elements/timing_elements.h"

#include <utility>
#include <vector>

namespace vantrel {

namespace {

constexpr char16_t kRestrictAccess[] = u"Restrict access";

// A kind whose one dialog takes its values and yields them again: `ask` is
// the dialog, `read` and `apply` move the values between the element and
// the dialog; a new element's dialog shows `defaults`.
template <class Kind, class Values, auto ask> struct DialogValues
{
    using Element = Kind;
    using Shown = Values;
    using Answer = Values;

    Values defaults;
    Values (*read)(const Kind&);
    void (*apply)(Kind&, const Values&);

    std::optional<Shown> Defaults(NewElement&) const { return defaults; }
    std::optional<Shown> Read(CVantrelDoc&, const ElementKindRow&, const Kind& element) const
    {
        return read(element);
    }
    std::optional<Answer> Ask(ElementDialogs& dialogs, CVantrelDoc&, const Shown& values) const
    {
        return (dialogs.*ask)(values);
    }
    void Apply(Kind& element, const Shown&, const Answer& values) const { apply(element, values); }
};

// "Select time in seconds" from the row's lowest value up: a pulse may last
// no time at all, a delay at least a second. A new delay opens on 10.
struct DelayProperties
{
    using Element = LogDelay;
    struct Shown
    {
        int seconds;
        int lowest;
    };
    using Answer = int;

    std::optional<Shown> Defaults(NewElement& placement) const
    {
        return Shown{10, placement.kind.propertyArgument};
    }
    std::optional<Shown> Read(CVantrelDoc&, const ElementKindRow& kind, const LogDelay& delay) const
    {
        return Shown{delay.delay, kind.propertyArgument};
    }
    std::optional<Answer> Ask(ElementDialogs& dialogs, CVantrelDoc&, const Shown& shown) const
    {
        return dialogs.DelayConfig(shown.seconds, shown.lowest);
    }
    void Apply(LogDelay& delay, const Shown&, const Answer& seconds) const
    {
        delay.delay = seconds;
    }
};

// "Select Accumulator" over the accumulators of the design.
struct AccOperationProperties
{
    using Element = AccOp;
    using Shown = AccBoxValues;
    using Answer = AccBoxValues;

    std::optional<Shown> Defaults(NewElement&) const { return AccBoxValues{}; }
    std::optional<Shown> Read(CVantrelDoc&, const ElementKindRow&, const AccOp& operation) const
    {
        return AccBoxValues{operation.accId, operation.op};
    }
    std::optional<Answer> Ask(ElementDialogs& dialogs, CVantrelDoc& document,
                              const Shown& values) const
    {
        std::vector<std::pair<std::int32_t, std::u16string>> accumulators;
        for (const auto& accumulator : document.elements[kAccumulatorList])
            accumulators.emplace_back(accumulator->id, accumulator->Name());
        return dialogs.AccBox(accumulators, values);
    }
    void Apply(AccOp& operation, const Shown&, const Answer& values) const
    {
        operation.accId = values.accumulatorId;
        operation.op = values.operation;
    }
};

// Accumulators and NoOp registers: a name and "Restrict access".
struct StorageCellProperties
{
    using Element = Acc;
    using Shown = TextRequest;
    using Answer = TextBoxResult;

    std::optional<Shown> Defaults(NewElement&) const { return TextRequest{u"", kRestrictAccess}; }
    std::optional<Shown> Read(CVantrelDoc&, const ElementKindRow&, const Acc& cell) const
    {
        return TextRequest{cell.name, kRestrictAccess, cell.restricted != 0};
    }
    std::optional<Answer> Ask(ElementDialogs& dialogs, CVantrelDoc&, const Shown& shown) const
    {
        return AskText(dialogs, shown);
    }
    void Apply(Acc& cell, const Shown&, const Answer& text) const
    {
        cell.name = text.text;
        cell.restricted = text.checked;
    }
};

// A comment without text would be invisible: none is placed, and an edited
// one keeps its text.
struct CommentProperties : TextFieldShape<LogComment, &LogComment::text>
{
    bool Places(const Answer& text) const { return !text.text.empty(); }
    void Apply(LogComment& comment, const Shown&, const Answer& text) const
    {
        if (!text.text.empty())
            comment.text = text.text;
    }
};

const ShapeAdapter kDelays{DelayProperties{}};
const ShapeAdapter kComments{CommentProperties{}};
const ShapeAdapter kAccOperations{AccOperationProperties{}};
const ShapeAdapter kStorageCells{StorageCellProperties{}};
// A speed's name, which may stay empty.
const ShapeAdapter kRegisterNames{TextFieldShape<BitFedRegister, &BitFedRegister::name>{}};

const ShapeAdapter kRegisters{DialogValues<GP_Register, NumOpValues, &ElementDialogs::NumOpConfig>{
    .defaults = {},
    .read =
        [](const GP_Register& numeric) {
            return NumOpValues{numeric.op, numeric.showInMonitor, numeric.name};
        },
    .apply =
        [](GP_Register& numeric, const NumOpValues& values) {
            numeric.op = values.operation;
            numeric.showInMonitor = values.showInMonitor;
            numeric.name = values.name;
        }}};

const ShapeAdapter kConstants{DialogValues<NL_Constant, std::int32_t, &ElementDialogs::NumBox>{
    .defaults = 0,
    .read = [](const NL_Constant& constant) { return constant.value; },
    .apply = [](NL_Constant& constant, const std::int32_t& value) { constant.value = value; }}};

const ShapeAdapter kClocks{DialogValues<LogClock, int, &ElementDialogs::FreqBox>{
    .defaults = 0,
    .read = [](const LogClock& clock) { return clock.freqIndex; },
    .apply = [](LogClock& clock, const int& index) { clock.freqIndex = index; }}};

const ShapeAdapter kBigGates{DialogValues<LogBigOp, BigOpValues, &ElementDialogs::BigOpConfig>{
    .defaults = {},
    .read =
        [](const LogBigOp& gate) {
            return BigOpValues{gate.rangeFrom, gate.rangeTo, gate.ioKind, gate.invert != 0};
        },
    .apply =
        [](LogBigOp& gate, const BigOpValues& range) {
            gate.rangeFrom = range.first;
            gate.rangeTo = range.last;
            gate.ioKind = range.side;
            gate.invert = range.invert ? 1 : 0;
        }}};

const ShapeAdapter kTimers{DialogValues<LogTimer, TimerValues, &ElementDialogs::TimerConfig>{
    .defaults = {},
    .read =
        [](const LogTimer& timer) {
            return TimerValues{timer.name, timer.countUp};
        },
    .apply =
        [](LogTimer& timer, const TimerValues& values) {
            timer.name = values.name;
            timer.countUp = values.countUp;
        }}};

const ShapeAdapter kTemperatureInputs{
    DialogValues<TempInput, TempInValues, &ElementDialogs::TempInConfig>{
        .defaults = {},
        .read =
            [](const TempInput& input) {
                return TempInValues{input.tempType, input.siloName, input.defaultValue};
            },
        .apply =
            [](TempInput& input, const TempInValues& values) {
                input.tempType = values.type;
                input.siloName = values.siloName;
                input.defaultValue = values.defaultValue;
            }}};

} // namespace

void EnterValueProperties(PropertyTable& table)
{
    using enum ElementProperties;
    Enter(table, {{Delay, kDelays},
                  {AccOperation, kAccOperations},
                  {StorageCell, kStorageCells},
                  {RegisterName, kRegisterNames},
                  {Comment, kComments},
                  {Register, kRegisters},
                  {Constant, kConstants},
                  {Clock, kClocks},
                  {BigGate, kBigGates},
                  {Timer, kTimers},
                  {TemperatureInput, kTemperatureInputs}});
}

} // namespace vantrel
