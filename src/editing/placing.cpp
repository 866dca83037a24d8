#include "editing/placing.h"

#include "document/edit_transaction.h"
#include "document/vantrel_doc.h"
#include "editing/command_ids.h"
#include "editing/element_dialogs.h"
#include "editing/element_ids.h"
#include "editing/io_numbering.h"
#include "elements/big_gates.h"
#include "elements/comment.h"
#include "elements/element_kinds.h"
#include "elements/indirect_elements.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "elements/timing_elements.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

namespace vantrel {

namespace {

constexpr char16_t kRestrictAccess[] = u"Restrict access";
constexpr int kDelayPreset = 10;

using Placed = std::unique_ptr<LogElement>;

// The new element as the class whose fields its dialog row fills. The table
// pairs each row only with kinds of that class; a kind of another class would
// throw std::bad_cast here (the placing tests place every kind).
template <class Fields> Fields& As(const Placed& element)
{
    return dynamic_cast<Fields&>(*element);
}

// What one placement works with: the document, the dialogs, the cell and the
// kind placed.
struct Placement
{
    CVantrelDoc& document;
    ElementDialogs& dialogs;
    Point cell;
    const ElementKindRow& kind;

    // Builds an empty element of the kind in the cell under the next element
    // id (PlaceElement made sure one is left). The id is used up from here
    // on, also when the document then refuses the element.
    Placed Build()
    {
        Placed element = kind.make();
        element->pos = cell;
        element->id = document.TakeElementId().value();
        return element;
    }

    // Builds the element when the dialog gave an answer and lets `fill` set
    // the fields of class Fields from it; nothing when it was cancelled.
    template <class Fields, class Answer, class Fill>
    Placed BuildWith(const std::optional<Answer>& answer, Fill fill)
    {
        if (!answer)
            return nullptr;
        Placed element = Build();
        fill(As<Fields>(element), *answer);
        return element;
    }

    // "Add Text", opening empty; the check box shows only with a caption.
    std::optional<TextBoxResult> AskText(const std::u16string& checkCaption = {})
    {
        return dialogs.TextBox({}, checkCaption, false);
    }
};

// The I/O kinds numbered from a fixed count, with what placing says when
// every number is taken.
struct NumberedIo
{
    IoNumbering numbering;
    const char16_t* noneLeft;
};

constexpr NumberedIo kInputs{kInputNumbering, u"No available inputs"};
constexpr NumberedIo kOutputs{kOutputNumbering, u"No available Outputs"};
constexpr NumberedIo kAnalogInputs{kAnalogInputNumbering, u"No available Analog Inputs"};
constexpr NumberedIo kAnalogOutputs{kAnalogOutputNumbering, u"No available Analog Outputs"};

// The dialog offers only the free numbers; it opens on the lowest of them.
InOutRequest FreeNumberRequest(CVantrelDoc& document, const NumberedIo& io)
{
    InOutRequest request = NumberChoice(document, io.numbering);
    // Numbers past the end of the usage table are free too.
    const auto lowestFree = std::find(request.usage.begin(), request.usage.end(), -1);
    const int firstFree = int(lowestFree - request.usage.begin());
    request.number = firstFree < request.count ? firstFree : 0;
    return request;
}

// Stops only when the check counts exactly as many elements as numbers: with
// more elements than numbers (some out of range) the user may still choose.
Placed NumberedIoElement(Placement& placement, const NumberedIo& io)
{
    CVantrelDoc& document = placement.document;
    if (document.CheckNumbers(io.numbering.numbers) == 0) {
        document.GetNotifier().Message(io.noneLeft, kApplicationTitle, MessageButtons::Ok);
        return nullptr;
    }
    return placement.BuildWith<LogIO>(
        placement.dialogs.InOutConfig(FreeNumberRequest(document, io)),
        [](LogIO& numbered, const InOutResult& chosen) {
            numbered.number = chosen.number;
            numbered.name = chosen.name;
        });
}

// User inputs and outputs take the lowest free number; when all are in use
// nothing is placed and nothing is said.
Placed UserInput(Placement& placement)
{
    const int number = placement.document.FirstFreeNumber(NumberKind::UserInputs);
    if (number < 0)
        return nullptr;
    return placement.BuildWith<LogUser>(placement.AskText(kRestrictAccess),
                                        [number](LogUser& user, const TextBoxResult& text) {
                                            user.number = number;
                                            user.name = text.text;
                                            user.restricted = text.checked;
                                        });
}

Placed UserOutput(Placement& placement)
{
    const int number = placement.document.FirstFreeNumber(NumberKind::UserOutputs);
    if (number < 0)
        return nullptr;
    return placement.BuildWith<LogUserOut>(placement.AskText(),
                                           [number](LogUserOut& user, const TextBoxResult& text) {
                                               user.number = number;
                                               user.name = text.text;
                                           });
}

// Its dialog edits an element that already exists, so the id is used up
// before the dialog opens, also when it is cancelled.
Placed LoggedUserOutput(Placement& placement)
{
    const int number = placement.document.FirstFreeNumber(NumberKind::UserOutputs);
    if (number < 0)
        return nullptr;
    Placed element = placement.Build();
    auto& user = As<LoggedUserOut>(element);
    user.number = number;
    auto logged = placement.dialogs.LogDialog(user, placement.document);
    if (!logged)
        return nullptr;
    user.name = logged->name;
    user.loggedIds = logged->loggedIds;
    return element;
}

Placed Delay(Placement& placement)
{
    return placement.BuildWith<LogDelay>(
        placement.dialogs.DelayConfig(kDelayPreset, placement.kind.dialogArgument),
        [](LogDelay& delay, int seconds) { delay.delay = seconds; });
}

// In markers, numeric in markers and speeds: a name, which may be empty.
template <class Fields, std::u16string Fields::*name> Placed Named(Placement& placement)
{
    return placement.BuildWith<Fields>(
        placement.AskText(),
        [](Fields& named, const TextBoxResult& text) { named.*name = text.text; });
}

// A comment without text would be invisible, so none is placed.
Placed Comment(Placement& placement)
{
    auto text = placement.AskText();
    if (text && text->text.empty())
        return nullptr;
    return placement.BuildWith<LogComment>(
        text, [](LogComment& comment, const TextBoxResult& answer) { comment.text = answer.text; });
}

Placed OutMarker(Placement& placement)
{
    const bool numeric = placement.kind.dialogArgument != 0;
    return placement.BuildWith<LogEndMarker>(
        placement.dialogs.OutMarkerDialog(placement.document, numeric),
        [](LogEndMarker& marker, std::int32_t startMarker) { marker.startId = startMarker; });
}

// Id 0 names no element. The dialog answers -1 when there was nothing to
// choose; that replicator is placed and shows itself invalid.
Placed InReplicator(Placement& placement)
{
    auto source = placement.dialogs.RepDialog(placement.document);
    if (source && *source == 0)
        return nullptr;
    return placement.BuildWith<LogReplicator>(
        source, [](LogReplicator& replicator, std::int32_t id) { replicator.sourceId = id; });
}

// Accumulators and NoOp registers: a name and "Restrict access".
Placed StorageCell(Placement& placement)
{
    return placement.BuildWith<Acc>(placement.AskText(kRestrictAccess),
                                    [](Acc& cell, const TextBoxResult& text) {
                                        cell.name = text.text;
                                        cell.restricted = text.checked;
                                    });
}

Placed Register(Placement& placement)
{
    return placement.BuildWith<GP_Register>(placement.dialogs.NumOpConfig(NumOpValues{}),
                                            [](GP_Register& numeric, const NumOpValues& values) {
                                                numeric.op = values.operation;
                                                numeric.showInMonitor = values.showInMonitor;
                                                numeric.name = values.name;
                                            });
}

Placed AccOperation(Placement& placement)
{
    std::vector<std::pair<std::int32_t, std::u16string>> accumulators;
    for (const auto& accumulator : placement.document.elements[kAccumulatorList])
        accumulators.emplace_back(accumulator->id, accumulator->Name());
    return placement.BuildWith<AccOp>(placement.dialogs.AccBox(accumulators, AccBoxValues{}),
                                      [](AccOp& operation, const AccBoxValues& values) {
                                          operation.op = values.operation;
                                          operation.accId = values.accumulatorId;
                                      });
}

Placed Constant(Placement& placement)
{
    return placement.BuildWith<NL_Constant>(
        placement.dialogs.NumBox(0),
        [](NL_Constant& constant, std::int32_t value) { constant.value = value; });
}

Placed Clock(Placement& placement)
{
    return placement.BuildWith<LogClock>(
        placement.dialogs.FreqBox(0),
        [](LogClock& clock, int frequency) { clock.freqIndex = frequency; });
}

Placed BigGate(Placement& placement)
{
    return placement.BuildWith<LogBigOp>(placement.dialogs.BigOpConfig(BigOpValues{}),
                                         [](LogBigOp& gate, const BigOpValues& range) {
                                             gate.rangeFrom = range.first;
                                             gate.rangeTo = range.last;
                                             gate.ioKind = range.side;
                                             gate.invert = range.invert ? 1 : 0;
                                         });
}

Placed Timer(Placement& placement)
{
    return placement.BuildWith<LogTimer>(placement.dialogs.TimerConfig(TimerValues{}),
                                         [](LogTimer& timer, const TimerValues& values) {
                                             timer.name = values.name;
                                             timer.countUp = values.countUp;
                                         });
}

Placed TemperatureInput(Placement& placement)
{
    return placement.BuildWith<TempInput>(placement.dialogs.TempInConfig(TempInValues{}),
                                          [](TempInput& input, const TempInValues& values) {
                                              input.tempType = values.type;
                                              input.defaultValue = values.defaultValue;
                                              input.siloName = values.siloName;
                                          });
}

// Asks what the kind's dialog row asks and builds the element, or nothing
// when the user or a missing number stopped the placement.
Placed AskAndBuild(Placement& placement)
{
    switch (placement.kind.dialog) {
    case PlacementDialog::Plain:
        return placement.Build();
    case PlacementDialog::Input:
        return NumberedIoElement(placement, kInputs);
    case PlacementDialog::Output:
        return NumberedIoElement(placement, kOutputs);
    case PlacementDialog::AnalogInput:
        return NumberedIoElement(placement, kAnalogInputs);
    case PlacementDialog::AnalogOutput:
        return NumberedIoElement(placement, kAnalogOutputs);
    case PlacementDialog::UserInput:
        return UserInput(placement);
    case PlacementDialog::UserOutput:
        return UserOutput(placement);
    case PlacementDialog::LoggedUserOutput:
        return LoggedUserOutput(placement);
    case PlacementDialog::Delay:
        return Delay(placement);
    case PlacementDialog::MarkerLabel:
        return Named<LogStartMarker, &LogStartMarker::label>(placement);
    case PlacementDialog::RegisterName:
        return Named<BitFedRegister, &BitFedRegister::name>(placement);
    case PlacementDialog::Comment:
        return Comment(placement);
    case PlacementDialog::OutMarker:
        return OutMarker(placement);
    case PlacementDialog::InReplicator:
        return InReplicator(placement);
    case PlacementDialog::StorageCell:
        return StorageCell(placement);
    case PlacementDialog::Register:
        return Register(placement);
    case PlacementDialog::AccOperation:
        return AccOperation(placement);
    case PlacementDialog::Constant:
        return Constant(placement);
    case PlacementDialog::Clock:
        return Clock(placement);
    case PlacementDialog::BigGate:
        return BigGate(placement);
    case PlacementDialog::Timer:
        return Timer(placement);
    case PlacementDialog::TemperatureInput:
        return TemperatureInput(placement);
    }
    return nullptr;
}

// The kind a design tool places; the Connect and Select tools place none.
const ElementKindRow* KindOfTool(int tool)
{
    if (tool < 0 || tool > command::kLastElementTool - command::kFirstElementTool)
        return nullptr;
    return FindElementKind(command::kFirstElementTool + tool);
}

} // namespace

bool IsPlacingTool(int tool)
{
    return KindOfTool(tool) != nullptr;
}

bool PlaceElement(CVantrelDoc& document, ElementDialogs& dialogs, int tool, Point cell)
{
    const ElementKindRow* kind = KindOfTool(tool);
    if (!kind || !ElementIdsLeftFor(document, 1))
        return false;
    Placement placement{document, dialogs, cell, *kind};
    Placed element = AskAndBuild(placement);
    if (!element)
        return false;
    EditTransaction edit(document, UndoRecord::kAdded);
    if (!edit.Insert(std::move(element)))
        return false;
    edit.Commit();
    return true;
}

} // namespace vantrel
