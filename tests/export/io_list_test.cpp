#include "export/io_list.h"

#include "archive/file_bytes.h"
#include "document/vantrel_doc.h"
#include "elements/io_elements.h"
#include "support/plant_design.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using test::Place;

// Lines as written, each ended by CR LF.
std::string Lines(std::initializer_list<std::string_view> lines)
{
    std::string text;
    for (std::string_view line : lines)
        text.append(line).append("\r\n");
    return text;
}

class IoList : public ::testing::Test
{
protected:
    std::string Export(int type, int boardSize, bool csv)
    {
        const fs::path path = folder / DefaultIoListName(type, csv);
        EXPECT_TRUE(ExportIoList(document, path, type, boardSize, csv));
        const auto bytes = ReadFileBytes(path);
        return {bytes.begin(), bytes.end()};
    }

    fs::path folder = test::FreshTestFolder("io_list");
    CVantrelDoc document;
};

TEST_F(IoList, FortyInputsOnBoardsOf32)
{
    document.numInputs = 40;
    Place<LogIn>(document, 1, {}, 0, u"Start");
    Place<LogOut>(document, 2, {1}, 1, u"NotAnInput");
    EXPECT_EQ(Export(kInputList, 32, true),
              Lines({"Number,Board,Pin,Name", "1,1,1,Start",   "2,1,2,empty",   "3,1,3,empty",
                     "4,1,4,empty",           "5,1,5,empty",   "6,1,6,empty",   "7,1,7,empty",
                     "8,1,8,empty",           "9,1,9,empty",   "10,1,10,empty", "11,1,11,empty",
                     "12,1,12,empty",         "13,1,13,empty", "14,1,14,empty", "15,1,15,empty",
                     "16,1,16,empty",         "17,1,17,empty", "18,1,18,empty", "19,1,19,empty",
                     "20,1,20,empty",         "21,1,21,empty", "22,1,22,empty", "23,1,23,empty",
                     "24,1,24,empty",         "25,1,25,empty", "26,1,26,empty", "27,1,27,empty",
                     "28,1,28,empty",         "29,1,29,empty", "30,1,30,empty", "31,1,31,empty",
                     "32,1,32,empty",         "33,2,1,empty",  "34,2,2,empty",  "35,2,3,empty",
                     "36,2,4,empty",          "37,2,5,empty",  "38,2,6,empty",  "39,2,7,empty",
                     "40,2,8,empty"}));
}

// Names go out as they are, separators included, in the 8-bit code page;
// of two elements with one number the later one in the list is named.
TEST_F(IoList, TextFormatOnBoardsOf48WithNamesAsTheyAre)
{
    document.numOutputs = 56;
    Place<LogOut>(document, 1, {}, 48, u"first");
    Place<LogOut>(document, 2, {}, 48, u"Pump,East\tCaf\u00e9");
    Place<LogOut>(document, 3, {}, 56, u"beyond the board");
    Place<LogOut>(document, 4, {}, -1, u"negative");
    const std::string text = Export(kOutputList, 48, false);
    EXPECT_TRUE(text.starts_with(Lines({"Number\tBoard\tPin\tName", "1\t1\t1\tempty"})));
    EXPECT_NE(text.find("\r\n48\t1\t48\tempty\r\n49\t2\t1\tPump,East\tCaf\xE9\r\n50\t2\t2\tempty"),
              std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 56);
    EXPECT_EQ(text.find("first"), std::string::npos);
    EXPECT_EQ(text.find("beyond"), std::string::npos);
    EXPECT_EQ(text.find("negative"), std::string::npos);
}

TEST_F(IoList, AnalogListsAreAsLongAsTheRegisterModulesMake)
{
    CustomRemoteModule reading;
    reading.registerCount = 3;
    document.remoteIo.customModules = {reading};
    Place<Analog_Input>(document, 1, {}, 1, u"Temp");
    EXPECT_EQ(Export(kAnalogInputList, 32, true),
              Lines({"Number,Board,Pin,Name", "1,1,1,empty", "2,1,2,Temp", "3,1,3,empty"}));
    // No module writes registers: only the header line.
    EXPECT_EQ(Export(kAnalogOutputList, 32, true), Lines({"Number,Board,Pin,Name"}));
}

TEST_F(IoList, DefaultFileNames)
{
    EXPECT_EQ(DefaultIoListName(kInputList, true), "inputs.csv");
    EXPECT_EQ(DefaultIoListName(kOutputList, false), "outputs.txt");
    EXPECT_EQ(DefaultIoListName(kAnalogInputList, true), "ainputs.csv");
    EXPECT_EQ(DefaultIoListName(kAnalogOutputList, false), "aoutputs.txt");
}

TEST_F(IoList, UnknownTypesAndBoardSizesWriteNothingAndFailuresAreReported)
{
    EXPECT_FALSE(ExportIoList(document, folder / "a.csv", 4, 32, true));
    EXPECT_FALSE(ExportIoList(document, folder / "a.csv", -1, 32, true));
    EXPECT_FALSE(ExportIoList(document, folder / "a.csv", kInputList, 0, true));
    EXPECT_FALSE(fs::exists(folder / "a.csv"));
    EXPECT_THROW(ExportIoList(document, folder / "missing" / "a.csv", kInputList, 32, true),
                 FileError);
}

} // namespace
} // namespace vantrel
