#include "example_builder.h"

#include "archive/file_bytes.h"
#include "compiler/autosort.h"
#include "document/design_io.h"
#include "editing/command_ids.h"
#include "editing/configuration_commands.h"
#include "editing/connecting.h"
#include "editing/logic_block.h"
#include "editing/paint_editing.h"
#include "editing/paint_tools.h"
#include "editing/placing.h"
#include "elements/element_kinds.h"
#include "elements/io_elements.h"
#include "paint/paint_stuff.h"
#include "qt_adapters/block_thumbnail.h"
#include "qt_adapters/qt_image_codec.h"

#include <cstring>
#include <stdexcept>

namespace vantrel::examples {

namespace {

// The design tool that places the class, as its Action > New command.
int ToolOf(const char* className)
{
    for (const ElementKindRow& kind : ElementKinds())
        if (kind.command != 0 && std::strcmp(kind.className, className) == 0)
            return kind.command - command::kFirstElementTool;
    throw std::invalid_argument(std::string("no element kind ") + className);
}

constexpr Rect kPreviewClient{0, 0, 800, 600};

std::string CellText(Point cell)
{
    return std::to_string(cell.x) + "," + std::to_string(cell.y);
}

} // namespace

Answers Io(std::u16string name, int number)
{
    Answers answers;
    answers.text = std::move(name);
    answers.number = number;
    return answers;
}

Answers RemoteIo(std::u16string name, std::u16string label)
{
    Answers answers = Io(std::move(name));
    answers.label = std::move(label);
    return answers;
}

Answers Seconds(int seconds)
{
    Answers answers;
    answers.seconds = seconds;
    return answers;
}

Answers Value(std::int32_t value)
{
    Answers answers;
    answers.value = value;
    return answers;
}

std::optional<TextBoxResult> AnsweringDialogs::TextBox(const std::u16string&, const std::u16string&,
                                                       bool)
{
    return TextBoxResult{next.text, false};
}

std::optional<InOutResult> AnsweringDialogs::InOutConfig(const InOutRequest& request)
{
    if (next.label.empty())
        return InOutResult{next.text, next.number};
    for (int number = 0; number < request.count; ++number)
        if (request.labelSource &&
            request.labelSource->IoLabel(number, request.isInput) == next.label)
            return InOutResult{next.text, number};
    throw std::invalid_argument("no I/O number is labelled as asked");
}

std::optional<TimerValues> AnsweringDialogs::TimerConfig(const TimerValues&)
{
    return TimerValues{next.text, false};
}

std::optional<AccBoxValues>
AnsweringDialogs::AccBox(const std::vector<std::pair<std::int32_t, std::u16string>>& accumulators,
                         const AccBoxValues&)
{
    if (accumulators.empty())
        return std::nullopt;
    return AccBoxValues{accumulators.front().first, next.number};
}

std::optional<LoggedOutputs> AnsweringDialogs::LogDialog(const LoggedUserOut&, const ElFinder&)
{
    return LoggedOutputs{next.text, {}};
}

std::unique_ptr<PaintStuff> AnsweringDialogs::ElColorConfig(std::unique_ptr<PaintStuff> copy,
                                                            const ElFinder&)
{
    if (next.number == 0)
        return copy;
    copy->activeId = next.number;
    copy->hasActive = 1;
    copy->activeColor = Rgb(255, 0, 0);
    return copy;
}

std::optional<BoardCounts> ConfiguringDialogs::BoardNumConfig(const BoardCountRequest& request)
{
    return BoardCounts{request.inputs, request.outputs, request.port, request.legacy, request.baud};
}

std::vector<ComplexCommand> ConfiguringDialogs::ComplexCommands(const std::vector<ComplexCommand>&,
                                                                const ElFinder&, Notifier&)
{
    return commands;
}

ExampleBuilder::ExampleBuilder()
{
    document.ResetDocument();
    // A fixed stamp: the examples come out byte for byte the same every time.
    document.designStamp = 0x20261211;
}

std::int32_t ExampleBuilder::Place(const char* className, Point cell, Answers answers)
{
    dialogs.next = std::move(answers);
    if (!PlaceElement(document, dialogs, ToolOf(className), cell))
        throw std::runtime_error(std::string(className) + " could not be placed at " +
                                 CellText(cell));
    return document.FindAt(cell)->id;
}

void ExampleBuilder::Wire(Point from, Point to, int input)
{
    const LogElement* source = document.FindAt(from);
    const LogElement* target = document.FindAt(to);
    if (!source || !target)
        throw std::runtime_error("no element to wire at " + CellText(from) + " or " + CellText(to));
    const int r = view_.ElementSize();
    view_.dragAnchor = source->OutputPinPos(r, view_.origin, view_.zoom);
    if (!ConnectDraggedPins(document, view_,
                            target->InputPinPos(r, input, view_.origin, view_.zoom)))
        throw std::runtime_error("no wire from " + CellText(from) + " to input " +
                                 std::to_string(input) + " at " + CellText(to));
}

void ExampleBuilder::Rectangle(Point from, Point to)
{
    view_.layoutMode = LayoutMode::Preview;
    view_.paintTool = command::kPaintRectangle;
    view_.dragAnchor = from;
    if (!DragPaintShape(view_, to, kPreviewClient) ||
        !ReleasePaintTool(document, dialogs, view_, to, kPreviewClient, false))
        throw std::runtime_error("no rectangle drawn");
    view_.layoutMode = LayoutMode::Design;
}

void ExampleBuilder::Text(Point at, std::u16string text, std::int32_t lightId)
{
    view_.layoutMode = LayoutMode::Preview;
    view_.paintTool = command::kPaintText;
    view_.dragAnchor = at; // a click, not a drag
    dialogs.next = Io(std::move(text), lightId);
    if (!ReleasePaintTool(document, dialogs, view_, at, kPreviewClient, false))
        throw std::runtime_error("no text placed");
    // A double click with the Select tool keeps the text and configures its colours.
    view_.paintTool = command::kPaintSelect;
    if (!EditPaintObjectAt(document, dialogs, view_, at, kPreviewClient))
        throw std::runtime_error("the text could not be bound");
    view_.layoutMode = LayoutMode::Design;
}

void ExampleBuilder::Configure(int command)
{
    RunConfigurationDialog(command, document, configuration);
}

void ExampleBuilder::Save(const std::filesystem::path& path)
{
    if (!AutoSort(document) || !SaveDesign(document, path, QtImageCodec()))
        throw std::runtime_error("could not sort and save " + path.string());
}

void ExampleBuilder::SaveBlock(const std::filesystem::path& path, std::u16string name,
                               std::u16string description)
{
    std::vector<LogElement*> all;
    for (const auto& list : document.elements)
        for (const auto& element : list)
            all.push_back(element.get());
    LogicBlock block = MakeLogicBlock(document, all, std::move(name), std::move(description));
    block.thumbnail = BlockThumbnail(block);
    const std::optional<std::vector<std::uint8_t>> bytes = BlockFileBytes(block);
    if (block.thumbnail.empty() || !bytes)
        throw std::runtime_error("no block file for " + path.string());
    std::filesystem::create_directories(path.parent_path());
    WriteFileAtomically(path, *bytes);
}

} // namespace vantrel::examples
