#include "export/io_list.h"

#include "archive/file_bytes.h"
#include "archive/text_codec.h"
#include "document/vantrel_doc.h"
#include "elements/element_kinds.h"
#include "elements/io_elements.h"
#include "hardware/io_counts.h"

#include <span>
#include <vector>

namespace vantrel {

namespace {

constexpr const char* kListNames[] = {"inputs", "outputs", "ainputs", "aoutputs"};

bool IsKnownType(int type)
{
    return type >= kInputList && type <= kAnalogOutputList;
}

// The element named in each row; the later of two with one number wins.
std::vector<const LogIO*> RowElements(const CVantrelDoc& document, const IoListSource& source)
{
    std::vector<const LogIO*> rows(std::size_t(source.count), nullptr);
    for (const auto& element : document.elements[source.list]) {
        if (NumbersOf(*element) != source.numbers)
            continue;
        const auto& io = static_cast<const LogIO&>(*element);
        if (io.number >= 0 && io.number < source.count)
            rows[std::size_t(io.number)] = &io;
    }
    return rows;
}

// The list in the 8-bit code page: a header line, then one line per I/O
// number with its board, its pin on the board and the name of the element
// using it ("empty" for none), each line ended by CR LF. Fields are written
// as they are, separators included.
std::string IoListText(const CVantrelDoc& document, int type, int boardSize, bool csv)
{
    const std::string separator = csv ? "," : "\t";
    const std::vector<const LogIO*> rows = RowElements(document, IoListSourceOf(document, type));
    std::string text = "Number" + separator + "Board" + separator + "Pin" + separator + "Name\r\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int number = int(i);
        for (const int field : {number + 1, number / boardSize + 1, number % boardSize + 1})
            text.append(std::to_string(field)).append(separator);
        text.append(rows[i] ? ToCodePage(rows[i]->Name()) : "empty").append("\r\n");
    }
    return text;
}

} // namespace

std::string DefaultIoListName(int type, bool csv)
{
    return std::string(kListNames[IsKnownType(type) ? type : kInputList]) + (csv ? ".csv" : ".txt");
}

std::optional<IoListType> IoListTypeNamed(std::string_view name)
{
    for (int type = kInputList; type <= kAnalogOutputList; ++type)
        if (name == kListNames[type])
            return IoListType(type);
    return std::nullopt;
}

IoListSource IoListSourceOf(const CVantrelDoc& document, int type)
{
    switch (type) {
    case kOutputList:
        return {IoTableSize(document.numOutputs), kMainList, NumberKind::Outputs};
    case kAnalogInputList:
        return {document.remoteIo.AnalogInputChannels(), kRegisterList, NumberKind::AnalogInputs};
    case kAnalogOutputList:
        return {document.remoteIo.AnalogOutputChannels(), kRegisterList, NumberKind::AnalogOutputs};
    default:
        return {IoTableSize(document.numInputs), kMainList, NumberKind::Inputs};
    }
}

bool ExportIoList(const CVantrelDoc& document, const std::filesystem::path& path, int type,
                  int boardSize, bool csv)
{
    if (!IsKnownType(type) || boardSize < 1)
        return false;
    const std::string text = IoListText(document, type, boardSize, csv);
    WriteFileAtomically(path,
                        std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    return true;
}

} // namespace vantrel
