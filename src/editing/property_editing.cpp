#include "editing/property_editing.h"

#include "document/edit_transaction.h"
#include "document/vantrel_doc.h"
#include "editing/element_dialogs.h"
#include "editing/io_numbering.h"
#include "elements/big_gates.h"
#include "elements/comment.h"
#include "elements/indirect_elements.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "elements/timing_elements.h"

#include <optional>
#include <utility>
#include <vector>

namespace vantrel {

namespace {

constexpr char16_t kRestrictedAccess[] = u"Restricted access";
constexpr char16_t kRestrictAccess[] = u"Restrict access";

// The dialogs' answers written back into the element they were asked for.
struct PropertyEdit
{
    CVantrelDoc& document;
    ElementDialogs& dialogs;

    // On OK, lets `write` put the answer into the element, after a clone of
    // it went into one "changed" undo step; on Cancel nothing happens.
    template <class Kind, class Answer, class Write>
    bool WriteBack(Kind& element, const std::optional<Answer>& answer, Write write)
    {
        if (!answer)
            return false;
        EditTransaction edit(document, UndoRecord::kChanged);
        edit.Remember(element);
        write(element, *answer);
        edit.Commit();
        return true;
    }

    // "Add Text" on a name, without check box.
    template <class Kind> bool EditName(Kind& element, std::u16string Kind::*name)
    {
        return WriteBack(
            element, dialogs.TextBox(element.*name, {}, false),
            [name](Kind& named, const TextBoxResult& text) { named.*name = text.text; });
    }
};

template <class Kind> Kind* As(LogElement& element)
{
    return dynamic_cast<Kind*>(&element);
}

bool EditLoggedOutput(PropertyEdit& edit, LoggedUserOut& user)
{
    return edit.WriteBack(user, edit.dialogs.LogDialog(user, edit.document),
                          [](LoggedUserOut& logged, const LoggedOutputs& answer) {
                              logged.name = answer.name;
                              logged.loggedIds = answer.loggedIds;
                          });
}

// User inputs carry "Restricted access"; user outputs only a name.
bool EditUserIo(PropertyEdit& edit, LogIO& io)
{
    auto* user = As<LogUser>(io);
    if (!user)
        return edit.EditName(io, &LogIO::name);
    return edit.WriteBack(
        *user, edit.dialogs.TextBox(user->name, kRestrictedAccess, user->restricted != 0),
        [](LogUser& input, const TextBoxResult& text) {
            input.name = text.text;
            input.restricted = text.checked;
        });
}

// The numbering of the I/O kinds that choose their number; none for the bare
// base class, which nothing places.
const IoNumbering* NumberingOf(LogIO& io)
{
    if (As<LogIn>(io))
        return &kInputNumbering;
    if (As<LogOut>(io))
        return &kOutputNumbering;
    if (As<Analog_Input>(io))
        return &kAnalogInputNumbering;
    if (As<Analog_Output>(io))
        return &kAnalogOutputNumbering;
    return nullptr;
}

// The element that holds `number` in the usage table, if any.
LogIO* HolderOf(const CVantrelDoc& document, const std::vector<std::int32_t>& usage, int number)
{
    if (number < 0 || std::size_t(number) >= usage.size() || usage[std::size_t(number)] == -1)
        return nullptr;
    return dynamic_cast<LogIO*>(document.FindById(usage[std::size_t(number)]));
}

// Every number of the kind is offered, those of other elements marked as in
// use; choosing one of them swaps the two elements' numbers.
bool EditNumberedIo(PropertyEdit& edit, LogIO& io)
{
    CVantrelDoc& document = edit.document;
    const IoNumbering* numbering = NumberingOf(io);
    if (!numbering) {
        document.GetNotifier().Message(u"Should not be here", u"Internal error",
                                       MessageButtons::Ok);
        return false;
    }
    document.CheckNumbers(numbering->numbers);
    InOutRequest request = NumberChoice(document, *numbering);
    if (io.number >= 0 && std::size_t(io.number) < request.usage.size())
        request.usage[std::size_t(io.number)] = -1;
    request.name = io.name;
    request.number = io.number;
    request.showInUse = true;
    const std::optional<InOutResult> chosen = edit.dialogs.InOutConfig(request);
    if (!chosen)
        return false;

    EditTransaction transaction(document, UndoRecord::kChanged);
    transaction.Remember(io);
    if (LogIO* holder = HolderOf(document, request.usage, chosen->number)) {
        transaction.Remember(*holder);
        holder->number = io.number;
    }
    io.name = chosen->name;
    io.number = chosen->number;
    transaction.Commit();
    return true;
}

bool EditDelay(PropertyEdit& edit, LogDelay& delay)
{
    // A pulse may last no time at all; a delay at least a second.
    const int lowest = As<LogPulseDelay>(delay) ? 0 : 1;
    return edit.WriteBack(delay, edit.dialogs.DelayConfig(delay.delay, lowest),
                          [](LogDelay& edited, int seconds) { edited.delay = seconds; });
}

bool EditTimer(PropertyEdit& edit, LogTimer& timer)
{
    return edit.WriteBack(timer, edit.dialogs.TimerConfig({timer.name, timer.countUp}),
                          [](LogTimer& edited, const TimerValues& values) {
                              edited.name = values.name;
                              edited.countUp = values.countUp;
                          });
}

// Accumulators and NoOp registers.
bool EditStorageCell(PropertyEdit& edit, Acc& cell)
{
    return edit.WriteBack(cell,
                          edit.dialogs.TextBox(cell.name, kRestrictAccess, cell.restricted != 0),
                          [](Acc& edited, const TextBoxResult& text) {
                              edited.name = text.text;
                              edited.restricted = text.checked;
                          });
}

bool EditTemperatureInput(PropertyEdit& edit, TempInput& input)
{
    return edit.WriteBack(
        input, edit.dialogs.TempInConfig({input.tempType, input.siloName, input.defaultValue}),
        [](TempInput& edited, const TempInValues& values) {
            edited.tempType = values.type;
            edited.siloName = values.siloName;
            edited.defaultValue = values.defaultValue;
        });
}

bool EditAccOperation(PropertyEdit& edit, AccOp& operation)
{
    std::vector<std::pair<std::int32_t, std::u16string>> accumulators;
    for (const auto& accumulator : edit.document.elements[kAccumulatorList])
        accumulators.emplace_back(accumulator->id, accumulator->Name());
    return edit.WriteBack(operation,
                          edit.dialogs.AccBox(accumulators, {operation.accId, operation.op}),
                          [](AccOp& edited, const AccBoxValues& values) {
                              edited.accId = values.accumulatorId;
                              edited.op = values.operation;
                          });
}

bool EditRegister(PropertyEdit& edit, GP_Register& numeric)
{
    return edit.WriteBack(
        numeric, edit.dialogs.NumOpConfig({numeric.op, numeric.showInMonitor, numeric.name}),
        [](GP_Register& edited, const NumOpValues& values) {
            edited.op = values.operation;
            edited.showInMonitor = values.showInMonitor;
            edited.name = values.name;
        });
}

bool EditConstant(PropertyEdit& edit, NL_Constant& constant)
{
    return edit.WriteBack(constant, edit.dialogs.NumBox(constant.value),
                          [](NL_Constant& edited, std::int32_t value) { edited.value = value; });
}

bool EditClock(PropertyEdit& edit, LogClock& clock)
{
    return edit.WriteBack(clock, edit.dialogs.FreqBox(clock.freqIndex),
                          [](LogClock& edited, int index) { edited.freqIndex = index; });
}

bool EditBigGate(PropertyEdit& edit, LogBigOp& gate)
{
    return edit.WriteBack(
        gate,
        edit.dialogs.BigOpConfig({gate.rangeFrom, gate.rangeTo, gate.ioKind, gate.invert != 0}),
        [](LogBigOp& edited, const BigOpValues& range) {
            edited.rangeFrom = range.first;
            edited.rangeTo = range.last;
            edited.ioKind = range.side;
            edited.invert = range.invert ? 1 : 0;
        });
}

// An emptied comment would be invisible, so it keeps its text.
bool EditComment(PropertyEdit& edit, LogComment& comment)
{
    return edit.WriteBack(comment, edit.dialogs.TextBox(comment.text, {}, false),
                          [](LogComment& edited, const TextBoxResult& text) {
                              if (!text.text.empty())
                                  edited.text = text.text;
                          });
}

// The first kind that matches decides the dialog (subclasses match their
// base classes), so the order matters: a logged user output is a user output
// with more to edit, and user I/O is I/O without a number to choose.
bool EditByKind(PropertyEdit& edit, LogElement& element)
{
    if (auto* logged = As<LoggedUserOut>(element))
        return EditLoggedOutput(edit, *logged);
    if (auto* io = As<LogIO>(element))
        return io->IsUserIo() ? EditUserIo(edit, *io) : EditNumberedIo(edit, *io);
    if (auto* delay = As<LogDelay>(element))
        return EditDelay(edit, *delay);
    if (auto* timer = As<LogTimer>(element))
        return EditTimer(edit, *timer);
    if (auto* speed = As<LogSpeed>(element))
        return edit.EditName<BitFedRegister>(*speed, &BitFedRegister::name);
    if (auto* marker = As<LogStartMarker>(element))
        return edit.EditName(*marker, &LogStartMarker::label);
    if (auto* cell = As<Acc>(element))
        return EditStorageCell(edit, *cell);
    if (auto* input = As<TempInput>(element))
        return EditTemperatureInput(edit, *input);
    if (auto* operation = As<AccOp>(element))
        return EditAccOperation(edit, *operation);
    if (auto* numeric = As<GP_Register>(element))
        return EditRegister(edit, *numeric);
    if (auto* constant = As<NL_Constant>(element))
        return EditConstant(edit, *constant);
    if (auto* clock = As<LogClock>(element))
        return EditClock(edit, *clock);
    if (auto* gate = As<LogBigOp>(element))
        return EditBigGate(edit, *gate);
    if (auto* comment = As<LogComment>(element))
        return EditComment(edit, *comment);
    return false;
}

} // namespace

bool EditElementProperties(CVantrelDoc& document, ElementDialogs& dialogs, Point cell)
{
    LogElement* element = document.FindAt(cell);
    if (!element)
        return false;
    PropertyEdit edit{document, dialogs};
    return EditByKind(edit, *element);
}

} // namespace vantrel
