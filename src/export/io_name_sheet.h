#pragma once

#include "export/io_list.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vantrel {

// A spreadsheet of I/O names as it comes back from the electrical drawings:
// either an I/O list as the export writes it ("Number,Board,Pin,Name", comma,
// tab or semicolon separated) or a plain two-column list of numbers and names
// (an optional header line of words first). Numbers are as the user sees
// them, counted from 1. The text may be in the 8-bit code page the export
// writes, in UTF-8 (with or without its byte-order mark) or in UTF-16 with its
// byte-order mark, as spreadsheets save "Unicode text".

// Far more than the I/O names of any controller; a larger file is no list.
constexpr std::size_t kMaxIoNameSheetBytes = std::size_t(16) << 20;

// A number with the name given to it, and the line it stands on.
struct IoNameRow
{
    int line;
    std::int32_t number;
    std::u16string name;
};

// A line that could not be read, and why.
struct IoNameProblem
{
    int line;
    std::u16string text;
};

struct IoNameSheet
{
    // The sheet has the I/O list's header (otherwise it is the plain form).
    bool ioListForm = false;
    // Every line with a number and a name. Lines with an empty name (or the
    // list's "empty") say nothing about their number and are left out.
    std::vector<IoNameRow> rows;
    // Every malformed line, in file order: a line without the fields of its
    // form, a number that is not a whole number from 1 up, a number given a
    // name twice.
    std::vector<IoNameProblem> problems;
    // Set when the bytes are no list at all (too large); nothing else is set then.
    std::optional<std::u16string> unreadable;
};

// Reads the whole sheet before anything is done with it, so that a caller can
// refuse a sheet with problems as a whole.
IoNameSheet ReadIoNameSheet(std::span<const std::uint8_t> bytes);

// The I/O list type a file's name tells as the export names its lists
// ("inputs.csv", "ainputs.txt", also "outputs-plant2.csv"); none when the name
// says nothing of it.
std::optional<IoListType> IoListTypeOfFile(const std::filesystem::path& path);

} // namespace vantrel
