#include "export/design_report.h"

#include "archive/text_codec.h"
#include "compiler/flash_image.h"
#include "document/vantrel_doc.h"
#include "export/report_text.h"
#include "support/fake_image_codec.h"
#include "support/recording_notifier.h"
#include "support/report_design.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantrel {
namespace {

using Rows = std::vector<std::vector<std::string>>;

std::vector<std::string> Utf8(const std::vector<std::u16string>& cells)
{
    std::vector<std::string> texts;
    for (const std::u16string& cell : cells)
        texts.push_back(ToUtf8(cell));
    return texts;
}

// The table's header row, then its rows.
Rows Cells(const ReportTable& table)
{
    Rows rows{Utf8(table.header)};
    for (const auto& row : table.rows)
        rows.push_back(Utf8(row));
    return rows;
}

class RichDesignReport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::BuildReportDesign(document, codec);
        report = BuildDesignReport(document, u"plant.lgc");
    }

    const ReportSection& Section(const std::u16string& title) const
    {
        const auto found =
            std::find_if(report.sections.begin(), report.sections.end(),
                         [&](const auto& section) { return section.title == title; });
        EXPECT_NE(found, report.sections.end()) << ToUtf8(title);
        return *found;
    }
    const ReportTable& Table(const std::u16string& section, std::size_t index = 0) const
    {
        return std::get<ReportTable>(Section(section).blocks.at(index));
    }
    std::string Paragraph(const std::u16string& section, std::size_t index) const
    {
        return ToUtf8(std::get<ReportParagraph>(Section(section).blocks.at(index)).text);
    }

    test::FakeImageCodec codec;
    test::RecordingNotifier notifier;
    CVantrelDoc document{&notifier};
    DesignReport report;
};

TEST_F(RichDesignReport, HasEverySectionInTheOrderOfTheDocument)
{
    std::vector<std::string> titles;
    for (const ReportSection& section : report.sections)
        titles.push_back(ToUtf8(section.title));
    EXPECT_EQ(titles, (std::vector<std::string>{"Digital inputs", "Digital outputs", "User inputs",
                                                "User outputs", "Analog inputs", "Analog outputs",
                                                "Registers", "Markers", "Remote modules",
                                                "Complex commands", "Simulation elements",
                                                "Problems", "Schematic", "Preview pages"}));
    EXPECT_EQ(ToUtf8(report.title), "plant.lgc");
}

TEST_F(RichDesignReport, IoTablesNameWhoReadsEachInputAndWhatDrivesEachOutput)
{
    // Inputs 25 to 64 belong to the remote modules (5 bytes taken at the top of 64).
    EXPECT_EQ(Cells(Table(u"Digital inputs")),
              (Rows{{"No.", "Name", "Flags", "Cell", "Used by"},
                    {"1", "Start", "", "(10, 0)", "12 And, 19 Toggle"}}));
    EXPECT_EQ(Paragraph(u"Digital inputs", 1), "free: 2-64");
    // The siren is driven through the marker Run by the toggle; the alarm log
    // logs the lamp.
    EXPECT_EQ(Cells(Table(u"Digital outputs")), (Rows{{"No.", "Name", "Flags", "Cell", "Driven by"},
                                                      {"3", "Lamp", "logged", "(13, 0)", "12 And"},
                                                      {"4", "Siren", "", "(22, 0)", "19 Toggle"}}));
    EXPECT_EQ(Paragraph(u"Digital outputs", 1), "free: 1-2, 5-64");
    EXPECT_EQ(Cells(Table(u"User inputs")),
              (Rows{{"No.", "Kind", "Name", "Flags", "Cell", "Used by"},
                    {"8", "User Input", "Jog", "", "(11, 0)", "12 And, 19 Toggle, 40 Timer"},
                    {"9", "Pulse User Input", "Pulse", "", "(16, 0)", "19 Toggle"}}));
    EXPECT_EQ(Paragraph(u"User inputs", 1), "free: 1-7, 10-2048");
    // The alarm log logs the done output.
    EXPECT_EQ(Cells(Table(u"User outputs")),
              (Rows{{"No.", "Kind", "Name", "Flags", "Cell", "Driven by"},
                    {"1", "User Output", "Done", "logged", "(14, 0)", "12 And"},
                    {"2", "Logged User Output", "Alarm log", "logged", "(17, 0)", "12 And"}}));
    EXPECT_EQ(Paragraph(u"User outputs", 1), "free: 3-2048");
    EXPECT_EQ(Cells(Table(u"Analog inputs")), (Rows{{"No.", "Name", "Flags", "Cell", "Used by"},
                                                    {"1", "Level", "", "(53, 0)", "55 Register"}}));
    EXPECT_EQ(Paragraph(u"Analog inputs", 1), "free: 2");
    EXPECT_EQ(Cells(Table(u"Analog outputs")),
              (Rows{{"No.", "Name", "Flags", "Cell", "Driven by"},
                    {"1", "Valve", "", "(54, 0)", "52 Register"}}));
    EXPECT_EQ(Paragraph(u"Analog outputs", 1), "free: none");
}

TEST_F(RichDesignReport, RegistersInTheOrderTheirNumbersAreHandedOut)
{
    // Accumulators, NoOp registers, timers, then the register list; the
    // accumulator operation takes no register but reads its accumulator.
    EXPECT_EQ(Cells(Table(u"Registers")),
              (Rows{{"Register", "Kind", "Name", "Unit", "Editable", "Cell", "Read by"},
                    {"0", "Accumulator", "A", "number", "yes", "(20, 0)", "50 Acc operation"},
                    {"1", "Accumulator", "B", "number", "yes", "(21, 0)", "51 Register"},
                    {"2", "NoOp Reg", "N", "number", "yes", "(30, 0)", "nobody"},
                    {"3", "Temp Input", "Silo Average, North", "number", "no", "(31, 0)", "nobody"},
                    {"4", "Timer", "T", "seconds", "yes", "(40, 0)", "52 Register"},
                    {"5", "Register", "G1", "number", "no", "(51, 0)", "52 Register"},
                    {"6", "Register", "G2", "number", "no", "(52, 0)", "54 Analog Output"},
                    {"7", "Analog Input", "Level", "number", "no", "(53, 0)", "55 Register"},
                    {"8", "Analog Output", "Valve", "number", "no", "(54, 0)", "nobody"},
                    {"9", "Register", "Scaled", "number", "no", "(55, 0)", "nobody"}}));
}

TEST_F(RichDesignReport, MarkerMapWithItsOrphans)
{
    EXPECT_EQ(
        Cells(Table(u"Markers", 0)),
        (Rows{{"Label", "Id", "Kind", "Cell", "Fed by", "Out Markers"},
              {"Level copy", "72", "NL In Marker", "(72, 0)", "53 Analog Input", "73 at (73, 0)"},
              {"Run", "70", "In Marker", "(70, 0)", "19 Toggle", "71 at (71, 0)"},
              {"Spare", "74", "In Marker", "(74, 0)", "12 And", "none"}}));
    EXPECT_EQ(ToUtf8(Table(u"Markers", 1).caption), "Markers that lead nowhere");
    EXPECT_EQ(
        Cells(Table(u"Markers", 1)),
        (Rows{{"Id", "Kind", "Label", "Cell", "Why"},
              {"74", "In Marker", "Spare", "(74, 0)", "No Out Marker reads it"},
              {"75", "Out Marker", "", "(75, 0)", "Its In Marker is gone (it names id 99)"}}));
}

TEST_F(RichDesignReport, ModulesWithTheNumbersTheyTake)
{
    // 64 inputs: the modules take 5 bytes from input 25 on; 64 outputs: 3
    // bytes from output 41 on. The bit module's 9 registers take 16 inputs.
    EXPECT_EQ(Cells(Table(u"Remote modules", 0)),
              (Rows{{"Module", "Port", "Speed", "Requests", "Inputs", "Outputs"},
                    {"Remote 0", "1", "57600 baud", "combined", "8 bits: 25-32", "16 bits: 41-56"},
                    {"Remote 1", "2", "19200 baud", "separate read and write", "16 bits: 33-48",
                     "8 bits: 57-64"}}));
    EXPECT_EQ(Cells(Table(u"Remote modules", 1)),
              (Rows{{"Module", "MODBUS address", "Port", "Speed", "Stop bits", "Function",
                     "Registers", "Numbers"},
                    {"Custom 0", "5", "1", "38400 baud", "1", "3 Read Holding Registers",
                     "2 \u00d7 2 bytes from address 40", "2 analog inputs: 1-2"},
                    {"Custom 1", "6", "0", "9600 baud", "2", "16 Write Multiple Registers",
                     "1 \u00d7 4 bytes from address 0", "1 analog outputs: 1"},
                    {"Custom 2", "4", "0", "19200 baud", "1", "2 Read Discrete Inputs",
                     "9 \u00d7 bit from address 10", "16 inputs: 49-64"}}));
}

TEST_F(RichDesignReport, CommandsAndSimulationElementsNameTheirInputs)
{
    // A setting of an element that is no user input stays in the design: the
    // documentation says what the export will do with it.
    EXPECT_EQ(Cells(Table(u"Complex commands")),
              (Rows{{"Command", "User input", "Sets"},
                    {"Jog on", "Jog (No. 8, id 11)", "ON"},
                    {"Jog on", "Pulse (No. 9, id 16)", "OFF"},
                    {"Stale", "Jog (No. 8, id 11)", "OFF"},
                    {"Stale", "id 13: no user input (dropped on export)", "ON"}}));
    EXPECT_EQ(document.complexCommands[1]->settings.size(), 2u);
    EXPECT_EQ(Cells(Table(u"Simulation elements")),
              (Rows{{"Element", "Type", "Slot", "Connected to"},
                    {"Valve", "2-way valve", "Input 1", "Start (No. 1, id 10)"},
                    {"Valve", "2-way valve", "Input 2", "none"},
                    {"Valve", "2-way valve", "Output 1", "Lamp (No. 3, id 13)"},
                    {"Valve", "2-way valve", "Output 2", "Siren (No. 4, id 22)"},
                    {"Dial", "rotary control", "Input 1", "Start (No. 1, id 10)"},
                    {"Dial", "rotary control", "Output 1", "Lamp (No. 3, id 13)"}}));
}

TEST_F(RichDesignReport, TitlePageHasTheSettingsCountsAndResourceReport)
{
    ASSERT_EQ(report.titlePage.size(), 3u);
    EXPECT_EQ(Cells(std::get<ReportTable>(report.titlePage[0])),
              (Rows{{"Setting", "Value"},
                    {"Design stamp", "1979-09-05 22:51:36 UTC"},
                    {"File version", "19"},
                    {"Digital inputs", "64, of which 40 on remote modules"},
                    {"Digital outputs", "64, of which 24 on remote modules"},
                    {"Analog inputs", "2"},
                    {"Analog outputs", "1"},
                    {"Speed setting", "100 (640.000 kHz)"},
                    {"Required controller version", "9"}}));
    const Rows counts = Cells(std::get<ReportTable>(report.titlePage[1]));
    EXPECT_EQ(counts[1], (std::vector<std::string>{"Logic (main list)", "11"}));
    EXPECT_EQ(counts[2],
              (std::vector<std::string>{"Markers, replicators and cycle breakers", "6"}));
    // The resource report as the flash export words it, a line a row.
    const std::string flashReport = ToUtf8(Report(document, Compile(document, 0)));
    std::string joined;
    for (const auto& row : std::get<ReportTable>(report.titlePage[2]).rows)
        joined += (joined.empty() ? "" : "|") + ToUtf8(row[0]) + "=" + ToUtf8(row[1]);
    EXPECT_EQ(joined, "Logic elements:=11/12228|Accs:=2/64|Constants:=1/256|Registers:=10/256|"
                      "Delays:=1/1024|Flash:=0%|Ram:=0%");
    EXPECT_NE(flashReport.find("Registers:\t\t10/256"), std::string::npos);
}

TEST_F(RichDesignReport, ShowsNoMessageAndProblemsAsTheCheckListsThem)
{
    EXPECT_TRUE(notifier.Messages().empty());
    const Rows problems = Cells(Table(u"Problems"));
    EXPECT_EQ(problems[0], (std::vector<std::string>{"Problem", "Id", "Kind", "Description", "Cell",
                                                     "Message"}));
    EXPECT_EQ(problems.back(),
              (std::vector<std::string>{"unread-in-marker", "74", "In Marker", "In Marker: Spare",
                                        "(74, 0)", "No Out Marker reads it"}));
}

TEST_F(RichDesignReport, PicturesOfTheSchematicAndEveryPreviewPage)
{
    EXPECT_TRUE(std::holds_alternative<ReportSheets>(Section(u"Schematic").blocks.at(0)));
    const auto& pages = Section(u"Preview pages").blocks;
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(std::get<ReportPagePicture>(pages[0]).page, 0);
    EXPECT_EQ(ToUtf8(std::get<ReportPagePicture>(pages[1]).caption),
              "Preview page 2 of 2: 2 paint objects on the background colour #0a141e");
}

TEST(DesignReport, OfAnEmptyDesignHasOnlyTheTitlePageAndNoProblems)
{
    CVantrelDoc document;
    const DesignReport report = BuildDesignReport(document, u"new.lgc");
    ASSERT_EQ(report.sections.size(), 1u);
    EXPECT_EQ(ToUtf8(report.sections[0].title), "Problems");
    EXPECT_EQ(ToUtf8(std::get<ReportParagraph>(report.sections[0].blocks.at(0)).text), "none");
    EXPECT_EQ(report.titlePage.size(), 3u);
}

TEST(ReportText, FreeNumbersInRanges)
{
    const struct
    {
        std::vector<bool> taken;
        const char* text;
    } cases[] = {
        {{}, "free: none"},
        {{true, true}, "free: none"},
        {{false}, "free: 1"},
        {{false, false, true, false, true, true, false, false, false}, "free: 1-2, 4, 7-9"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToUtf8(FreeNumbers(c.taken)), c.text);
}

TEST(ReportText, StampsAsUtcDates)
{
    EXPECT_EQ(ToUtf8(StampDate(0)), "1970-01-01 00:00:00 UTC");
    EXPECT_EQ(ToUtf8(StampDate(-1)), "1969-12-31 23:59:59 UTC");
    EXPECT_EQ(ToUtf8(StampDate(0x7FFFFFFF)), "2038-01-19 03:14:07 UTC");
    EXPECT_EQ(ToUtf8(StampDate(-0x80000000LL)), "1901-12-13 20:45:52 UTC");
}

TEST(ReportText, LongListsOfElementsSayHowManyMore)
{
    std::vector<std::unique_ptr<LogElement>> elements;
    std::vector<const LogElement*> readers;
    for (int id = 1; id <= int(kListedElements) + 2; ++id) {
        elements.push_back(std::make_unique<LogElement>(Point{}, id));
        readers.push_back(elements.back().get());
    }
    const std::string text = ToUtf8(ElementRefs(readers, u"nobody"));
    EXPECT_EQ(text.rfind("1 LogElement, 2 LogElement, ", 0), 0u);
    EXPECT_EQ(text.substr(text.size() - 24), "40 LogElement and 2 more");
    EXPECT_EQ(ToUtf8(ElementRefs({}, u"nobody")), "nobody");
}

} // namespace
} // namespace vantrel
