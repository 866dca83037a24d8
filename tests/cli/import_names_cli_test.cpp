// import-names run as a real process: I/O lists the command line exported,
// edited as a spreadsheet would, come back as exactly those names.
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "qt_adapters/qt_image_codec.h"

#include "cli_run.h"
#include "support/plant_design.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

void WriteText(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at))
        text.replace(at, from.size(), to), at += to.size();
}

// The small plant: input 1 "Start", output 3 "Lamp", 32 inputs and outputs.
class ImportNamesCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CVantrelDoc document;
        test::BuildSmallPlant(document);
        ASSERT_TRUE(SaveDesign(document, design, QtImageCodec()));
    }

    test::CliRun Cli(const QStringList& arguments) { return test::RunCli(arguments, folder); }

    std::string Dump(const fs::path& path)
    {
        const test::CliRun run = Cli({"dump", test::Q(path)});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return run.out;
    }

    fs::path folder = test::FreshTestFolder("import_names_cli");
    fs::path design = folder / "plant.lgc";
};

TEST_F(ImportNamesCli, AnExportedListWithNamesChangedGivesExactlyThoseNames)
{
    const struct
    {
        const char* type;
        const char* format;
        const char* file;
        const char* oldRow;
        const char* newRow;
        const char* oldName;
        const char* newName;
    } lists[] = {
        {"outputs", "csv", "outputs.csv", "3,1,3,Lamp", "3,1,3,Main lamp, hall", "Lamp",
         "Main lamp, hall"},
        {"inputs", "text", "inputs.txt", "1\t1\t1\tStart", "1\t1\t1\tStart button", "Start",
         "Start button"},
    };
    for (const auto& list : lists) {
        const fs::path names = folder / list.file;
        ASSERT_EQ(Cli({"iolist", test::Q(design), "--type", list.type, "--format", list.format,
                       "-o", test::Q(names)})
                      .exitCode,
                  0);
        std::string sheet = test::ReadFile(names);
        ASSERT_NE(sheet.find(list.oldRow), std::string::npos) << sheet;
        ReplaceAll(sheet, list.oldRow, list.newRow);
        WriteText(names, sheet);

        const fs::path named = folder / "named.lgc";
        const test::CliRun run =
            Cli({"import-names", test::Q(design), test::Q(names), "-o", test::Q(named)});
        EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
        EXPECT_NE(run.out.find("assigned (was \"" + std::string(list.oldName) + "\")"),
                  std::string::npos)
            << run.out;
        std::string expected = Dump(design);
        ReplaceAll(expected, std::string("\"") + list.oldName + "\"",
                   std::string("\"") + list.newName + "\"");
        EXPECT_EQ(Dump(named), expected) << list.file;
    }
}

TEST_F(ImportNamesCli, APlainListNamesInPlaceAndCreatesWhatIsMissing)
{
    const fs::path names = folder / "from-drawings.csv";
    WriteText(names, "Output,Tag\r\n3,Main lamp\r\n5,Horn\r\n");
    const std::string before = Dump(design);

    test::CliRun run = Cli({"import-names", test::Q(design), test::Q(names)});
    EXPECT_EQ(run.exitCode, 2) << run.err; // the file's name does not tell the type
    run = Cli({"import-names", test::Q(design), test::Q(names), "--type", "outputs"});
    EXPECT_EQ(run.exitCode, 1) << run.err; // output 5 is unknown
    EXPECT_NE(run.out.find("line 3: output 5 \"Horn\" unknown"), std::string::npos) << run.out;
    const std::string named = Dump(design);
    EXPECT_NE(named.find("\"Main lamp\""), std::string::npos);

    run = Cli({"import-names", test::Q(design), test::Q(names), "--type", "outputs", "--create"});
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("line 2: output 3 \"Main lamp\" unchanged"), std::string::npos);
    EXPECT_NE(run.out.find("line 3: output 5 \"Horn\" created at cell"), std::string::npos);
    // The new output is there, its input still to be wired.
    EXPECT_NE(Cli({"check", test::Q(design)}).out.find("Horn"), std::string::npos);
    EXPECT_NE(Dump(design), before);
}

TEST_F(ImportNamesCli, MalformedLinesChangeNothingAndEveryFailureHasItsExitCode)
{
    const fs::path names = folder / "inputs.csv";
    WriteText(names, "Number,Board,Pin,Name\r\n1,1,1,Go\r\nfoo,1,2,X\r\n2,1\r\n");
    const std::string before = test::ReadFile(design);
    const test::CliRun malformed = Cli({"import-names", test::Q(design), test::Q(names)});
    EXPECT_EQ(malformed.exitCode, 1);
    EXPECT_NE(malformed.out.find("line 3: malformed: \"foo\" is not an I/O number"),
              std::string::npos)
        << malformed.out;
    EXPECT_NE(malformed.out.find("line 4: malformed: expected the number, board, pin and name"),
              std::string::npos);
    EXPECT_NE(malformed.out.find("nothing was changed"), std::string::npos);
    EXPECT_EQ(test::ReadFile(design), before);
    EXPECT_FALSE(fs::exists(folder / "out.lgc"));

    WriteText(folder / "good-inputs.csv", "1,Go\n");
    const test::ExpectedExit failures[] = {
        {{"import-names", test::Q(design)}, 2},
        {{"import-names", test::Q(design), test::Q(names), "--type", "relays"}, 2},
        {{"import-names", test::Q(design), "names.csv"}, 2},
        {{"import-names", test::Q(design), test::Q(folder / "inputs-missing.csv")}, 3},
        {{"import-names", test::Q(folder / "missing.lgc"), test::Q(folder / "good-inputs.csv"),
          "--type", "inputs"},
         3},
        {{"import-names", test::Q(design), test::Q(folder / "good-inputs.csv"), "--type", "inputs",
          "-o", test::Q(folder / "no-folder" / "out.lgc")},
         4},
    };
    test::ExpectExitCodes(failures, folder);
    EXPECT_EQ(test::ReadFile(design), before);
}

} // namespace
} // namespace vantrel
