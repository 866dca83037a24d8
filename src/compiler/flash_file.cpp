#include "compiler/flash_file.h"

#include "archive/byte_buffer.h"
#include "compiler/flash_image.h"
#include "compiler/image_header.h"
#include "document/vantrel_doc.h"
#include "elements/element_kinds.h"
#include "elements/io_elements.h"
#include "graphics/encoded_image.h"
#include "hardware/io_counts.h"

#include <algorithm>

namespace vantrel {

namespace {

constexpr std::size_t kNameBytes = 64;
constexpr std::size_t kNameHeaderBytes = 64;

// Entries of the I/O name table per kind: inputs, outputs, user inputs and
// user outputs. The user tables hold one entry more than their numbers need.
struct NameTableSizes
{
    int inputs;
    int outputs;
    int userInputs;
    int userOutputs;

    int Total() const { return inputs + outputs + userInputs + userOutputs; }
};

// The tables stop at the board's range; elements numbered beyond it get no
// entry, while the image header still states the counts as they are.
NameTableSizes SizesOf(const CVantrelDoc& document)
{
    const UserIoExtent user = UserIoExtentOf(document);
    return {IoTableSize(document.numInputs), IoTableSize(document.numOutputs),
            IoTableSize(user.inputs) + 1, IoTableSize(user.outputs) + 1};
}

// Where the names of a number kind start in the I/O name table and how many
// it holds; analog I/O has no names there.
struct NameTable
{
    int first = 0;
    int count = 0;
};

NameTable NameTableOf(NumberKind numbers, const NameTableSizes& sizes)
{
    switch (numbers) {
    case NumberKind::Inputs:
        return {0, sizes.inputs};
    case NumberKind::Outputs:
        return {sizes.inputs, sizes.outputs};
    case NumberKind::UserInputs:
        return {sizes.inputs + sizes.outputs, sizes.userInputs};
    case NumberKind::UserOutputs:
        return {sizes.inputs + sizes.outputs + sizes.userInputs, sizes.userOutputs};
    case NumberKind::AnalogInputs:
    case NumberKind::AnalogOutputs:
        break;
    }
    return {};
}

// The entry of an element's name in the I/O name table; -1 for elements
// without one (other kinds, or numbers outside their kind's range).
int NameEntry(const LogElement& element, const NameTableSizes& sizes)
{
    const std::optional<NumberKind> numbers = NumbersOf(element);
    if (!numbers)
        return -1;
    const NameTable table = NameTableOf(*numbers, sizes);
    const std::int32_t number = static_cast<const LogIO&>(element).number;
    if (number < 0 || number >= table.count)
        return -1;
    return table.first + number;
}

std::vector<std::uint8_t> NameTableHeader(const NameTableSizes& sizes, int monitorCount)
{
    std::vector<std::uint8_t> header;
    ByteWriter out(header);
    out.Put(std::uint32_t(0));
    out.Put(std::int32_t((sizes.Total() + monitorCount + 1) * int(kNameBytes)));
    for (int count :
         {sizes.inputs, sizes.outputs, sizes.userInputs, sizes.userOutputs, monitorCount})
        out.Put(std::int32_t(count));
    header.resize(kNameHeaderBytes);
    SealChecksum(header);
    return header;
}

std::vector<std::uint8_t> IoNameTable(const CVantrelDoc& document, const NameTableSizes& sizes)
{
    std::vector<std::uint8_t> table(std::size_t(sizes.Total()) * kNameBytes);
    std::vector<std::uint8_t> field;
    for (const auto& element : document.elements[kMainList]) {
        const int entry = NameEntry(*element, sizes);
        if (entry < 0)
            continue;
        field.clear();
        ByteWriter(field).FixedText(element->Name(), kNameBytes);
        std::copy(field.begin(), field.end(), table.begin() + std::ptrdiff_t(entry * kNameBytes));
    }
    return table;
}

void AppendNameTables(std::vector<std::uint8_t>& out, const CVantrelDoc& document)
{
    const NameTableSizes sizes = SizesOf(document);
    std::vector<LogElement*> monitor;
    document.MonitorList(monitor);
    const std::vector<std::uint8_t> header = NameTableHeader(sizes, int(monitor.size()));
    out.insert(out.end(), header.begin(), header.end());
    const std::vector<std::uint8_t> ioNames = IoNameTable(document, sizes);
    out.insert(out.end(), ioNames.begin(), ioNames.end());
    ByteWriter writer(out);
    for (const LogElement* element : monitor)
        writer.FixedText(element->Name(), kNameBytes);
}

// Paint objects refer to I/O by flat numbers, resolved afresh for this file.
void AppendPaintRecords(std::vector<std::uint8_t>& out,
                        const std::vector<std::unique_ptr<PaintStuff>>& resolved)
{
    ByteWriter writer(out);
    writer.Put(std::int32_t(resolved.size()));
    for (const auto& paint : resolved)
        paint->WriteFlashRecord(writer);
}

void AppendCommandRecords(std::vector<std::uint8_t>& out, const CVantrelDoc& document,
                          const std::vector<ComplexCommand>& checked)
{
    ByteWriter(out).Put(std::int32_t(checked.size()));
    for (const ComplexCommand& command : checked)
        command.AppendFlashRecord(out, document);
}

void AppendFirstBackground(std::vector<std::uint8_t>& out, const CVantrelDoc& document,
                           const ImageCodec& codec)
{
    std::vector<std::uint8_t> jpeg;
    if (!document.pageBackgrounds.empty())
        jpeg = EncodeAs(document.pageBackgrounds.front(), ImageFormat::Jpeg, codec);
    ByteWriter(out).Put(std::int32_t(jpeg.size()));
    out.insert(out.end(), jpeg.begin(), jpeg.end());
}

} // namespace

FlashFileContent BuildFlashFile(const CVantrelDoc& document, const ImageCodec& codec,
                                std::int32_t randomNumber, Notifier& messages)
{
    FlashFileContent content;
    content.bytes = Compile(document, randomNumber, messages);
    content.report = Report(document, content.bytes);
    AppendNameTables(content.bytes, document);
    content.corrections.paintObjects =
        ResolvedPaintCopies(document, int(UserIoBytes(UserIoExtentOf(document).inputs)), false);
    AppendPaintRecords(content.bytes, content.corrections.paintObjects);
    ByteWriter(content.bytes).Put(std::uint32_t(document.backgroundColour));
    content.corrections.commands = CheckedCommandCopies(document, messages);
    AppendCommandRecords(content.bytes, document, content.corrections.commands);
    AppendFirstBackground(content.bytes, document, codec);
    return content;
}

FlashFileContent BuildFlashFile(const CVantrelDoc& document, const ImageCodec& codec,
                                std::int32_t randomNumber)
{
    return BuildFlashFile(document, codec, randomNumber, document.GetNotifier());
}

} // namespace vantrel
