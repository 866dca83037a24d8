#pragma once

#include "elements/number_kind.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

class CVantrelDoc;

// The kinds of I/O a wiring list covers, in the order the export dialog
// offers them.
enum IoListType : int
{
    kInputList = 0,
    kOutputList = 1,
    kAnalogInputList = 2,
    kAnalogOutputList = 3,
};

// "inputs", "outputs", "ainputs" or "aoutputs" with ".csv" or ".txt".
std::string DefaultIoListName(int type, bool csv);

// The type a list's short name ("inputs", "outputs", "ainputs", "aoutputs")
// stands for; none for any other text.
std::optional<IoListType> IoListTypeNamed(std::string_view name);

// What the list of a type covers: how many numbers, the elements of which
// list and which kind of I/O number.
struct IoListSource
{
    int count;
    int list;
    NumberKind numbers;
};
IoListSource IoListSourceOf(const CVantrelDoc& document, int type);

// Writes the wiring list of one kind of I/O, replacing the file whole: for
// every I/O number its board (boards of `boardSize` pins), its pin on the
// board and the name of the element using it, comma-separated (csv) or
// tab-separated, in the 8-bit code page. Returns false, writing
// nothing, for a type outside the four kinds or a board size below 1; a file
// that cannot be written raises FileError.
bool ExportIoList(const CVantrelDoc& document, const std::filesystem::path& path, int type,
                  int boardSize, bool csv);

} // namespace vantrel
