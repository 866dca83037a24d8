#include "export/io_name_sheet.h"

#include "archive/text_codec.h"

#include <gtest/gtest.h>

#include <random>
#include <string_view>

namespace vantrel {
namespace {

std::span<const std::uint8_t> Bytes(std::string_view text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// The rows as "line:number=name" in file order, the problems as "line:text".
std::string RowsOf(const IoNameSheet& sheet)
{
    std::string text;
    for (const IoNameRow& row : sheet.rows)
        text += std::to_string(row.line) + ":" + std::to_string(row.number) + "=" +
                ToUtf8(row.name) + ";";
    return text;
}

std::string ProblemsOf(const IoNameSheet& sheet)
{
    std::string text;
    for (const IoNameProblem& problem : sheet.problems)
        text += std::to_string(problem.line) + ":" + ToUtf8(problem.text) + ";";
    return text;
}

struct SheetCase
{
    const char* what;
    std::string_view bytes;
    bool ioListForm;
    const char* rows;
};

TEST(IoNameSheet, ReadsBothFormsAsSpreadsheetsSaveThem)
{
    const SheetCase cases[] = {
        {"the export's csv, a name holding the separator, the placeholder of no element",
         "Number,Board,Pin,Name\r\n1,1,1,Start\r\n2,1,2,empty\r\n3,1,3,Pump 1, left\r\n", true,
         "2:1=Start;4:3=Pump 1, left;"},
        {"the export's text form", "Number\tBoard\tPin\tName\r\n33\t2\t1\tValve \"A\"\r\n", true,
         "2:33=Valve \"A\";"},
        {"semicolons and quoted fields of a spreadsheet, line breaks without CR",
         "number;board;pin;name\n1;1;1;\"Stop; main\"\n2;1;2;\"Say \"\"hi\"\"\"\n", true,
         "2:1=Stop; main;3:2=Say \"hi\";"},
        {"plain with a header, blank lines and an empty name passed over",
         "Nr,Name\r\n\r\n4,Heater\r\n5,\r\n 6 , Fan \r\n", false, "3:4=Heater;5:6=Fan;"},
        {"plain without a header", "7,Door\n8,Light, hall\n", false, "1:7=Door;2:8=Light, hall;"},
        {"plain, tab separated", "9\tHorn\n", false, "1:9=Horn;"},
        {"nothing at all", "", false, ""},
    };
    for (const SheetCase& c : cases) {
        const IoNameSheet sheet = ReadIoNameSheet(Bytes(c.bytes));
        EXPECT_EQ(sheet.ioListForm, c.ioListForm) << c.what;
        EXPECT_EQ(RowsOf(sheet), c.rows) << c.what;
        EXPECT_EQ(ProblemsOf(sheet), "") << c.what;
    }
}

TEST(IoNameSheet, ReportsEveryMalformedLineByItsNumber)
{
    const IoNameSheet list = ReadIoNameSheet(
        Bytes("Number,Board,Pin,Name\r\n1,1,1,A\r\n2,1\r\nx,1,3,C\r\n0,1,1,D\r\n1,1,1,E\r\n"
              "99999999999,1,1,F\r\n-4,1,1,G\r\n"));
    EXPECT_EQ(RowsOf(list), "2:1=A;");
    EXPECT_EQ(ProblemsOf(list),
              "3:expected the number, board, pin and name of an I/O, separated as in the header "
              "line;"
              "4:\"x\" is not an I/O number (a whole number from 1 up);"
              "5:\"0\" is not an I/O number (a whole number from 1 up);"
              "6:number 1 was given a name already on line 2;"
              "7:\"99999999999\" is not an I/O number (a whole number from 1 up);"
              "8:\"-4\" is not an I/O number (a whole number from 1 up);");

    const IoNameSheet plain = ReadIoNameSheet(Bytes("1,A\n2\n3x,C\n"));
    EXPECT_EQ(RowsOf(plain), "1:1=A;");
    EXPECT_EQ(ProblemsOf(plain), "2:expected an I/O number and a name;"
                                 "3:\"3x\" is not an I/O number (a whole number from 1 up);");
}

TEST(IoNameSheet, ReadsTheCodePageUtf8AndUtf16)
{
    const struct
    {
        const char* what;
        std::string_view bytes;
    } encodings[] = {
        {"code page, as the export writes", "1,Caf\xE9\n"},
        {"UTF-8", "1,Caf\xC3\xA9\n"},
        {"UTF-8 with its mark", "\xEF\xBB\xBF"
                                "1,Caf\xC3\xA9\n"},
        {"UTF-16 with its mark", std::string_view("\xFF\xFE"
                                                  "1\0,\0C\0a\0f\0\xE9\0\n\0",
                                                  16)},
    };
    for (const auto& encoding : encodings)
        EXPECT_EQ(RowsOf(ReadIoNameSheet(Bytes(encoding.bytes))), "1:1=Caf\xC3\xA9;")
            << encoding.what;
}

TEST(IoNameSheet, RefusesAFileLargerThanAnyListAndSurvivesAnyBytes)
{
    const std::string large(kMaxIoNameSheetBytes + 1, '1');
    const IoNameSheet refused = ReadIoNameSheet(Bytes(large));
    EXPECT_TRUE(refused.unreadable);
    EXPECT_TRUE(refused.rows.empty());

    std::mt19937 random(28);
    std::string bytes;
    for (int round = 0; round < 2000; ++round) {
        bytes.resize(random() % 200);
        for (char& byte : bytes)
            byte = "1,;\t\"\r\n\xFF\xFE\xEF\xBB\xBF"
                   "0a "[random() % 15];
        const IoNameSheet sheet = ReadIoNameSheet(Bytes(bytes));
        for (const IoNameRow& row : sheet.rows) {
            EXPECT_GE(row.number, 1);
            EXPECT_FALSE(row.name.empty());
        }
    }
}

TEST(IoNameSheet, TheFileNameTellsTheTypeAsTheExportNamesItsLists)
{
    const std::pair<const char*, std::optional<IoListType>> names[] = {
        {"inputs.csv", kInputList},
        {"/plans/OUTPUTS.TXT", kOutputList},
        {"ainputs-hall2.csv", kAnalogInputList},
        {"aoutputs.csv", kAnalogOutputList},
        {"inputsx.csv", std::nullopt},
        {"names.csv", std::nullopt},
    };
    for (const auto& [name, type] : names)
        EXPECT_EQ(IoListTypeOfFile(name), type) << name;
}

} // namespace
} // namespace vantrel
