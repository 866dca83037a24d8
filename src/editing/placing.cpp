#include "editing/placing.h"

#include "document/edit_transaction.h"
#include "document/vantrel_doc.h"
#include "editing/command_ids.h"
#include "editing/element_dialogs.h"
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
#include <memory>
#include <optional>
#include <utility>

namespace vantrel {

namespace {

constexpr char16_t kRestrictAccess[] = u"Restrict access";
constexpr int kDelayPreset = 10;

using Placed = std::unique_ptr<LogElement>;

// What one placement works with: the document, the dialogs and the cell.
struct Placement
{
    CVantrelDoc& document;
    ElementDialogs& dialogs;
    Point cell;

    // Builds the element in the cell under the next element id. The id is
    // used up from here on, also when the document then refuses the element.
    template <class Kind, class... Fields> std::unique_ptr<Kind> Build(Fields&&... fields)
    {
        return std::make_unique<Kind>(cell, document.nextElementId++,
                                      std::forward<Fields>(fields)...);
    }

    // "Add Text", opening empty; the check box shows only with a caption.
    std::optional<TextBoxResult> AskText(const std::u16string& checkCaption = {})
    {
        return dialogs.TextBox({}, checkCaption, false);
    }
};

// Builds the element of one design tool, or nothing when the user or a
// missing number stopped the placement.
using Builder = Placed (*)(Placement&);

template <class Kind> Placed Plain(Placement& placement)
{
    return placement.Build<Kind>();
}

// The I/O kinds numbered from a fixed count of the board or of the remote
// modules. Their numbers are offered from the shared number table, which the
// check fills just before.
struct NumberedIo
{
    NumberKind numbers;
    const char16_t* noneLeft;
    // Labelled by the document (remote modules name their numbers) or plain.
    bool documentLabels;
    bool isInput;
};

constexpr NumberedIo kInputs{NumberKind::Inputs, u"No available inputs", true, true};
constexpr NumberedIo kOutputs{NumberKind::Outputs, u"No available Outputs", true, false};
constexpr NumberedIo kAnalogInputs{NumberKind::AnalogInputs, u"No available Analog Inputs", false,
                                   false};
constexpr NumberedIo kAnalogOutputs{NumberKind::AnalogOutputs, u"No available Analog Outputs",
                                    false, false};

// The dialog offers only the free numbers; it opens on the lowest of them.
InOutRequest FreeNumberRequest(CVantrelDoc& document, const NumberedIo& io)
{
    InOutRequest request;
    request.count = document.NumberLimit(io.numbers);
    const auto& table = document.NumberTable();
    request.usage.assign(
        table.begin(),
        table.begin() + std::clamp<std::ptrdiff_t>(request.count, 0, std::ptrdiff_t(table.size())));
    // Numbers past the end of the usage table are free too.
    const auto lowestFree = std::find(request.usage.begin(), request.usage.end(), -1);
    const int firstFree = int(lowestFree - request.usage.begin());
    request.number = firstFree < request.count ? firstFree : 0;
    request.labelSource = io.documentLabels ? &document : nullptr;
    request.isInput = io.isInput;
    return request;
}

// Stops only when the check counts exactly as many elements as numbers: with
// more elements than numbers (some out of range) the user may still choose.
template <class Kind, const NumberedIo& io> Placed NumberedIoElement(Placement& placement)
{
    CVantrelDoc& document = placement.document;
    if (document.CheckNumbers(io.numbers) == 0) {
        document.GetNotifier().Message(io.noneLeft, kApplicationTitle, MessageButtons::Ok);
        return nullptr;
    }
    auto chosen = placement.dialogs.InOutConfig(FreeNumberRequest(document, io));
    if (!chosen)
        return nullptr;
    return placement.Build<Kind>(chosen->number, chosen->name);
}

// User inputs and outputs take the lowest free number; when all are in use
// nothing is placed and nothing is said.
template <class Kind> Placed UserInput(Placement& placement)
{
    const int number = placement.document.FirstFreeNumber(NumberKind::UserInputs);
    if (number < 0)
        return nullptr;
    auto text = placement.AskText(kRestrictAccess);
    if (!text)
        return nullptr;
    auto element = placement.Build<Kind>(number, text->text);
    element->restricted = text->checked;
    return element;
}

Placed UserOutput(Placement& placement)
{
    const int number = placement.document.FirstFreeNumber(NumberKind::UserOutputs);
    if (number < 0)
        return nullptr;
    auto text = placement.AskText();
    if (!text)
        return nullptr;
    return placement.Build<LogUserOut>(number, text->text);
}

// Its dialog edits an element that already exists, so the id is used up
// before the dialog opens, also when it is cancelled.
Placed LoggedUserOutput(Placement& placement)
{
    const int number = placement.document.FirstFreeNumber(NumberKind::UserOutputs);
    if (number < 0)
        return nullptr;
    auto element = placement.Build<LoggedUserOut>(number, std::u16string{});
    auto logged = placement.dialogs.LogDialog(*element, placement.document);
    if (!logged)
        return nullptr;
    element->name = logged->name;
    element->loggedIds = logged->loggedIds;
    return element;
}

template <class Kind, int lowestSeconds> Placed Delay(Placement& placement)
{
    auto seconds = placement.dialogs.DelayConfig(kDelayPreset, lowestSeconds);
    if (!seconds)
        return nullptr;
    return placement.Build<Kind>(*seconds);
}

// In markers, numeric in markers and speeds: a name, which may be empty.
template <class Kind> Placed Named(Placement& placement)
{
    auto text = placement.AskText();
    if (!text)
        return nullptr;
    return placement.Build<Kind>(text->text);
}

// A comment without text would be invisible, so none is placed.
Placed Comment(Placement& placement)
{
    auto text = placement.AskText();
    if (!text || text->text.empty())
        return nullptr;
    return placement.Build<LogComment>(text->text);
}

template <class Kind, bool numeric> Placed OutMarker(Placement& placement)
{
    auto startMarker = placement.dialogs.OutMarkerDialog(placement.document, numeric);
    if (!startMarker)
        return nullptr;
    return placement.Build<Kind>(*startMarker);
}

// Id 0 names no element. The dialog answers -1 when there was nothing to
// choose; that replicator is placed and shows itself invalid.
Placed InReplicator(Placement& placement)
{
    auto source = placement.dialogs.RepDialog(placement.document);
    if (!source || *source == 0)
        return nullptr;
    return placement.Build<LogReplicator>(*source);
}

// Accumulators and NoOp registers: a name and "Restrict access".
template <class Kind> Placed StorageCell(Placement& placement)
{
    auto text = placement.AskText(kRestrictAccess);
    if (!text)
        return nullptr;
    return placement.Build<Kind>(text->text, std::int32_t(text->checked));
}

Placed Register(Placement& placement)
{
    auto values = placement.dialogs.NumOpConfig(NumOpValues{});
    if (!values)
        return nullptr;
    return placement.Build<GP_Register>(values->operation, values->showInMonitor, values->name);
}

Placed AccOperation(Placement& placement)
{
    std::vector<std::pair<std::int32_t, std::u16string>> accumulators;
    for (const auto& accumulator : placement.document.elements[kAccumulatorList])
        accumulators.emplace_back(accumulator->id, accumulator->Name());
    auto values = placement.dialogs.AccBox(accumulators, AccBoxValues{});
    if (!values)
        return nullptr;
    return placement.Build<AccOp>(values->operation, values->accumulatorId);
}

Placed Constant(Placement& placement)
{
    auto value = placement.dialogs.NumBox(0);
    if (!value)
        return nullptr;
    return placement.Build<NL_Constant>(*value);
}

Placed Clock(Placement& placement)
{
    auto frequency = placement.dialogs.FreqBox(0);
    if (!frequency)
        return nullptr;
    return placement.Build<LogClock>(*frequency);
}

template <class Kind> Placed BigGate(Placement& placement)
{
    auto range = placement.dialogs.BigOpConfig(BigOpValues{});
    if (!range)
        return nullptr;
    return placement.Build<Kind>(range->first, range->last, range->side, range->invert);
}

Placed Timer(Placement& placement)
{
    auto values = placement.dialogs.TimerConfig(TimerValues{});
    if (!values)
        return nullptr;
    return placement.Build<LogTimer>(values->name, values->countUp);
}

Placed TemperatureInput(Placement& placement)
{
    auto values = placement.dialogs.TempInConfig(TempInValues{});
    if (!values)
        return nullptr;
    return placement.Build<TempInput>(values->type, values->defaultValue, values->siloName);
}

// Indexed by design tool; the Connect and Select tools place nothing.
constexpr std::array<Builder, command::kLastElementTool - command::kFirstElementTool + 1> kBuilders{
    Plain<LogAnd>,                                    // 0 "And"
    Plain<LogOr>,                                     // 1 "Or"
    NumberedIoElement<LogIn, kInputs>,                // 2 "Input"
    NumberedIoElement<LogOut, kOutputs>,              // 3 "Output"
    nullptr,                                          // 4 "Connect"
    Delay<LogDelay, 1>,                               // 5 "Delay"
    Plain<LogMem>,                                    // 6 "Mem"
    nullptr,                                          // 7 "Select"
    Plain<LogSwitch>,                                 // 8 "Switch"
    UserInput<LogUser>,                               // 9 "User Input"
    Plain<LogNot>,                                    // 10 "Not"
    UserInput<LogPulseUser>,                          // 11 "Pulse User Input"
    UserOutput,                                       // 12 "User Output"
    Named<LogStartMarker>,                            // 13 "In Marker"
    OutMarker<LogEndMarker, false>,                   // 14 "Out Marker"
    StorageCell<Acc>,                                 // 15 "Accumulator"
    Register,                                         // 16 "Register"
    AccOperation,                                     // 17 "Acc operation"
    Constant,                                         // 18 "Constant"
    Clock,                                            // 19 "Clock"
    Plain<LogCompEq>,                                 // 20 "Comp =="
    Plain<LogCompL>,                                  // 21 "Comp >"
    NumberedIoElement<Analog_Input, kAnalogInputs>,   // 22 "Analog Input"
    NumberedIoElement<Analog_Output, kAnalogOutputs>, // 23 "Analog Output"
    Plain<LogVarDelay>,                               // 24 "Var Delay"
    Named<NLStartMarker>,                             // 25 "NL In Marker"
    OutMarker<NLEndMarker, true>,                     // 26 "NL Out Marker"
    Plain<LogNAND>,                                   // 27 "NAND"
    Plain<LogNOR>,                                    // 28 "NOR"
    Plain<LogXOR>,                                    // 29 "XOR"
    Plain<LogNXOR>,                                   // 30 "NXOR"
    StorageCell<NoOp>,                                // 31 "NoOp Reg"
    BigGate<LogBigAnd>,                               // 32 "Big And"
    BigGate<LogBigOr>,                                // 33 "Big Or"
    BigGate<LogBigAlarm>,                             // 34 "Big Alarm"
    Delay<LogPulseDelay, 0>,                          // 35 "Pulse Delay"
    Plain<LogDelayedSwitch>,                          // 36 "Delayed Stop Trigger"
    Plain<LogToggle>,                                 // 37 "Toggle"
    Plain<LogBreaker>,                                // 38 "Cycle breaker"
    Plain<LogVarPulseDelay>,                          // 39 "Var Pulse Delay"
    Plain<LogFilter>,                                 // 40 "Filter"
    LoggedUserOutput,                                 // 41 "Logged User Output"
    Timer,                                            // 42 "Timer"
    Comment,                                          // 43 "Comment"
    Named<LogSpeed>,                                  // 44 "Speed"
    TemperatureInput,                                 // 45 "Temp Input"
    InReplicator,                                     // 46 "In Replicator"
};

} // namespace

bool IsPlacingTool(int tool)
{
    return tool >= 0 && tool < int(kBuilders.size()) && kBuilders[std::size_t(tool)] != nullptr;
}

bool PlaceElement(CVantrelDoc& document, ElementDialogs& dialogs, int tool, Point cell)
{
    if (!IsPlacingTool(tool))
        return false;
    Placement placement{document, dialogs, cell};
    Placed element = kBuilders[std::size_t(tool)](placement);
    if (!element)
        return false;
    EditTransaction edit(document, UndoRecord::kAdded);
    if (!edit.Insert(std::move(element)))
        return false;
    edit.Commit();
    return true;
}

} // namespace vantrel
