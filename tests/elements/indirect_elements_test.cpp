#include "elements/indirect_elements.h"

#include "archive/text_codec.h"
#include "document/vantrel_doc.h"
#include "elements/comment.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "support/element_archive.h"
#include "support/element_contract.h"
#include "support/recording_notifier.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

// Every stored field of an indirect element or comment as one readable line.
std::string Fields(const LogElement& element)
{
    std::string line = test::BaseFields(element);
    if (auto* start = dynamic_cast<const LogStartMarker*>(&element))
        line += " label " + ToUtf8(start->label);
    if (auto* end = dynamic_cast<const LogEndMarker*>(&element))
        line += " start " + std::to_string(end->startId);
    if (auto* replicator = dynamic_cast<const LogReplicator*>(&element))
        line += " source " + std::to_string(replicator->sourceId);
    if (auto* comment = dynamic_cast<const LogComment*>(&element))
        line += " text " + ToUtf8(comment->text);
    return line;
}

// Changes every stored field an indirect kind or the comment adds to the
// element base.
void ChangeOwnFields(LogElement& element)
{
    if (auto* start = dynamic_cast<LogStartMarker*>(&element))
        start->label += u"!";
    if (auto* end = dynamic_cast<LogEndMarker*>(&element))
        end->startId += 1;
    if (auto* replicator = dynamic_cast<LogReplicator*>(&element))
        replicator->sourceId += 1;
    if (auto* comment = dynamic_cast<LogComment*>(&element))
        comment->text += u"!";
}

template <class Marker>
std::unique_ptr<LogElement> FedStart(Point at, std::int32_t id, std::u16string label,
                                     std::int32_t source)
{
    auto marker = std::make_unique<Marker>(at, id, std::move(label));
    marker->inputs[0] = source;
    return marker;
}

// One element of each kind with every field set, and unused input slots 0.
test::ElementVector EveryKind()
{
    test::ElementVector kinds;
    kinds.push_back(FedStart<LogStartMarker>({1, 1}, 1, u"Pump \u00e9", 20));
    kinds.push_back(FedStart<NLStartMarker>({1, 2}, 2, u"Level", 21));
    kinds.push_back(std::make_unique<LogEndMarker>(Point{1, 3}, 3, 1));
    kinds.push_back(std::make_unique<NLEndMarker>(Point{1, 4}, 4, 2));
    kinds.push_back(std::make_unique<LogReplicator>(Point{1, 5}, 5, -1));
    kinds.push_back(std::make_unique<LogBreaker>(Point{1, 6}, 6));
    kinds.back()->inputs[0] = 22;
    kinds.push_back(std::make_unique<LogComment>(Point{1, 7}, 7, u"Check the\nvalve"));
    return kinds;
}

// Inverters with ids 1..15 at main-list positions 0..14, input "Start"
// (id 16, position 15), user input "Reset" (id 17, position 16), constant 50
// (operand 256), and the indirect elements that stand for them:
//   In Marker 100 "M" fed by id 13; Out Marker 101 for it;
//   a chain Out Marker 113 -> In Marker 112 -> Out Marker 111 -> In Marker
//   110 fed by id 4;
//   cycle breaker 120 fed by id 6;
//   replicators 130 of "Start" and 131 of "Reset";
//   NL In Marker 140 "N" fed by the constant; NL Out Marker 141 for it;
//   Out Marker 150 for an In Marker that has been deleted.
class IndirectDesign : public ::testing::Test
{
protected:
    void SetUp() override
    {
        document.SetNotifier(&notifier);
        for (int id = 1; id <= 15; ++id)
            Insert(std::make_unique<LogNot>(Point{0, id}, id));
        Insert(std::make_unique<LogIn>(Point{0, 16}, 16, 0, u"Start"));
        Insert(std::make_unique<LogUser>(Point{0, 17}, 17, 0, u"Reset"));
        Insert(std::make_unique<NL_Constant>(Point{0, 50}, 50, 7));
        Insert(FedStart<LogStartMarker>({1, 0}, 100, u"M", 13));
        Insert(std::make_unique<LogEndMarker>(Point{1, 1}, 101, 100));
        Insert(FedStart<LogStartMarker>({1, 10}, 110, u"First", 4));
        Insert(std::make_unique<LogEndMarker>(Point{1, 11}, 111, 110));
        Insert(FedStart<LogStartMarker>({1, 12}, 112, u"Second", 111));
        Insert(std::make_unique<LogEndMarker>(Point{1, 13}, 113, 112));
        auto breaker = std::make_unique<LogBreaker>(Point{1, 20}, 120);
        breaker->inputs[0] = 6;
        Insert(std::move(breaker));
        Insert(std::make_unique<LogReplicator>(Point{1, 30}, 130, 16));
        Insert(std::make_unique<LogReplicator>(Point{1, 31}, 131, 17));
        Insert(FedStart<NLStartMarker>({1, 40}, 140, u"N", 50));
        Insert(std::make_unique<NLEndMarker>(Point{1, 41}, 141, 140));
        Insert(FedStart<LogStartMarker>({1, 50}, 151, u"Gone", 1));
        Insert(std::make_unique<LogEndMarker>(Point{1, 51}, 150, 151));
        document.DeleteById(151);
    }

    void Insert(std::unique_ptr<LogElement> element)
    {
        ASSERT_TRUE(document.InsertElement(std::move(element)));
    }

    test::RecordingNotifier notifier;
    CVantrelDoc document;
};

std::unique_ptr<LogElement> InverterOf(std::int32_t source)
{
    auto inverter = std::make_unique<LogNot>(Point{9, 9}, 900);
    inverter->inputs[0] = source;
    return inverter;
}

TEST_F(IndirectDesign, ReadersEncodeTheOperandOfTheElementTheIndirectOneStandsFor)
{
    auto numeric = std::make_unique<GP_Register>(Point{9, 9}, 900, 0, false, u"");
    numeric->inputs = {141, 50, 0, 0};
    struct Case
    {
        const char* what;
        std::unique_ptr<LogElement> reader;
        std::uint32_t word;
    };
    Case cases[] = {
        {"out marker whose in marker is fed by position 12", InverterOf(101), 0xF400000C},
        {"two marker pairs in a chain down to position 3", InverterOf(113), 0xF4000003},
        {"cycle breaker fed by position 5", InverterOf(120), 0xF4000005},
        {"replicator of the input at position 15", InverterOf(130), 0xF400000F},
        {"numeric markers down to constant 0", std::move(numeric), 0x00000600},
    };
    for (Case& c : cases)
        EXPECT_EQ(test::WordsOf(*c.reader, document), std::vector<std::uint32_t>{c.word}) << c.what;
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST_F(IndirectDesign, OutMarkerOfADeletedInMarkerIsInvalidAndUnconnected)
{
    LogElement* marker = document.FindById(150);
    ASSERT_NE(marker, nullptr);
    EXPECT_EQ(marker->Describe(document), u"Out Marker: Invalid");
    EXPECT_EQ(test::WordsOf(*InverterOf(150), document), std::vector<std::uint32_t>{0xF4003FFF});
    EXPECT_EQ(notifier.Messages(),
              std::vector<std::string>{"Warning!: There is an unconnected input."});
}

// Figures at anchor (100, 200); halves and quarters of the size truncate.
TEST_F(IndirectDesign, FiguresCallByCall)
{
    const std::string inTag = "DrawPolygon(120,190 120,200 90,200 80,195 90,190)";
    const std::string outTag = "DrawPolygon(80,190 80,200 110,200 120,195 110,190)";
    test::FigureCase cases[] = {
        {"in marker",
         FedStart<LogStartMarker>({}, 1, u"M", 13),
         20,
         {inTag, "DrawText(80,210,\"M\")"}},
        {"numeric in marker at an odd size",
         FedStart<NLStartMarker>({}, 1, u"N", 50),
         15,
         {"DrawPolygon(115,193 115,200 93,200 85,197 93,193)", "DrawText(85,207,\"N\")"}},
        {"out marker",
         std::make_unique<LogEndMarker>(Point{}, 1, 100),
         20,
         {outTag, "DrawText(80,210,\"M\")"}},
        {"numeric out marker",
         std::make_unique<NLEndMarker>(Point{}, 1, 140),
         20,
         {outTag, "DrawText(80,210,\"N\")"}},
        {"out marker of a deleted in marker",
         std::make_unique<LogEndMarker>(Point{}, 1, 151),
         20,
         {outTag, "DrawText(80,210,\"invalid\")"}},
        {"out marker of an out marker",
         std::make_unique<LogEndMarker>(Point{}, 1, 101),
         20,
         {outTag, "DrawText(80,210,\"invalid\")"}},
        {"replicator of an input",
         std::make_unique<LogReplicator>(Point{}, 1, 16),
         20,
         {"DrawRectangle(100,180,120,200)", "DrawText(80,220,\"I: Start\")"}},
        {"replicator of a user input",
         std::make_unique<LogReplicator>(Point{}, 1, 17),
         20,
         {"DrawRectangle(100,180,120,200)", "DrawText(80,220,\"U: Reset\")"}},
        {"replicator of a gate",
         std::make_unique<LogReplicator>(Point{}, 1, 1),
         20,
         {"DrawRectangle(100,180,120,200)", "DrawText(80,220,\"invalid\")"}},
        {"cycle breaker",
         std::make_unique<LogBreaker>(Point{}, 1),
         20,
         {"MoveTo(80,180)", "LineTo(120,220)", "MoveTo(120,180)", "LineTo(80,220)"}},
    };
    for (test::FigureCase& c : cases)
        EXPECT_EQ(test::FigureCalls(*c.element, document, 100, 200, c.r), c.calls) << c.what;
    EXPECT_TRUE(notifier.Messages().empty());
}

// The box reaches to the end of the measured text (8 by 16 pixels a
// character on the recording surface); the caller's text colour comes back.
TEST_F(IndirectDesign, CommentFigureSetsAndRestoresItsTextColour)
{
    test::RecordingSurface surface;
    surface.SetTextColour(Rgb(1, 2, 3));
    surface.Clear();
    LogComment({}, 1, u"Note").DrawBody(surface, document, 100, 200, 20);
    EXPECT_EQ(surface.Calls(), (std::vector<std::string>{
                                   "TextExtent(\"Note\")",
                                   "DrawRectangle(80,180,132,216)",
                                   "SetTextColour(#fb9e37)",
                                   "DrawText(90,190,\"Note\")",
                                   "SetTextColour(#010203)",
                               }));
    EXPECT_EQ(surface.State().textColour, Rgb(1, 2, 3));
}

TEST_F(IndirectDesign, ContractsAndDescriptions)
{
    struct Case
    {
        std::unique_ptr<LogElement> element;
        const char* contract;
    };
    Case cases[] = {
        {FedStart<LogStartMarker>({}, 1, u"M", 0),
         R"(list 1, in (-20,-5), out -, name "M", describes "In Marker: M")"},
        {FedStart<NLStartMarker>({}, 1, u"N", 0),
         R"(list 1, in (-20,-5) num, out -, name "N", describes "In Marker: N")"},
        {std::make_unique<LogEndMarker>(Point{}, 1, 100),
         "list 1, in -, out (20,-5), describes \"Out Marker: M\""},
        {std::make_unique<NLEndMarker>(Point{}, 1, 140),
         "list 1, in -, out (20,-5) num, describes \"Out Marker: N\""},
        {std::make_unique<LogEndMarker>(Point{}, 1, 13),
         "list 1, in -, out (20,-5), describes \"Out Marker: Invalid\""},
        {std::make_unique<LogReplicator>(Point{}, 1, 16),
         "list 1, in -, out (20,-10), describes \"Replicator: I: Start\""},
        {std::make_unique<LogReplicator>(Point{}, 1, 17),
         "list 1, in -, out (20,-10), describes \"Replicator: U: Reset\""},
        {std::make_unique<LogReplicator>(Point{}, 1, 1),
         "list 1, in -, out (20,-10), describes \"Replicator: Invalid\""},
        {std::make_unique<LogReplicator>(Point{}, 1, -1),
         "list 1, in -, out (20,-10), describes \"Replicator: Invalid\""},
        {std::make_unique<LogBreaker>(), "list 1, in (-20,0) breaking, out (20,0)"},
        {std::make_unique<LogComment>(Point{}, 1, u"Note"),
         R"(list 7, in -, out -, name "Note", describes "Comment: Note", words 0)"},
    };
    for (Case& c : cases)
        EXPECT_EQ(test::ContractOf(*c.element, document), c.contract) << c.element->ClassName();
}

TEST_F(IndirectDesign, CommentNeverEntersTheImage)
{
    LogComment comment({}, 1, u"Note");
    std::vector<std::uint32_t> words{0xAA};
    comment.Encode(words, document);
    EXPECT_EQ(words, std::vector<std::uint32_t>{0xAA});
}

TEST(IndirectArchive, EveryKindRoundTripsFieldByField)
{
    test::ElementVector kinds = EveryKind();
    test::ExpectRoundTrip(kinds, Fields);
}

TEST(IndirectArchive, HandWrittenPayloadsFollowTheBasePartAndStopAtTheNextObject)
{
    const std::string base = "0B 00 00 00 01 00 00 00 02 00 00 00 03 00 00 00"; // (1, 2), id 3
    const std::string oldBase = "09 00 00 00 01 00 00 00 02 00 00 00 03 00 00 00";
    const std::string text = "FF FE FF 02 41 00 42 00"; // "AB"
    struct Case
    {
        std::unique_ptr<LogElement> element;
        std::string payload;
        const char* fields;
    };
    Case cases[] = {
        {std::make_unique<LogStartMarker>(), base + "0A 00 00 00" + text,
         "LogStartMarker id 3 at 1,2 inputs 10 0 0 0 label AB"},
        {std::make_unique<NLStartMarker>(), base + "0A 00 00 00 02 41 42", // 8-bit label
         "NLStartMarker id 3 at 1,2 inputs 10 0 0 0 label AB"},
        {std::make_unique<LogEndMarker>(), base + "15 00 00 00",
         "LogEndMarker id 3 at 1,2 inputs 0 0 0 0 start 21"},
        {std::make_unique<NLEndMarker>(), oldBase + "0A 00 00 00 0B 00 00 00 15 00 00 00",
         "NLEndMarker id 3 at 1,2 inputs 10 11 0 0 start 21"}, // two slots before version 10
        {std::make_unique<LogReplicator>(), base + "FF FF FF FF",
         "LogReplicator id 3 at 1,2 inputs 0 0 0 0 source -1"},
        {std::make_unique<LogBreaker>(), base + "0A 00 00 00",
         "LogBreaker id 3 at 1,2 inputs 10 0 0 0"},
        {std::make_unique<LogComment>(), base + text,
         "LogComment id 3 at 1,2 inputs 0 0 0 0 text AB"},
    };
    for (Case& c : cases)
        test::ExpectPayloadLoads(*c.element, c.payload, c.fields, Fields);
}

TEST(IndirectArchive, EveryTruncatedPayloadFailsWithEndOfFile)
{
    for (auto& kind : EveryKind())
        EXPECT_EQ(test::TruncationsThatLoad(*kind), std::vector<std::size_t>{})
            << kind->ClassName();
}

TEST(IndirectClone, IsDeepAndIndependent)
{
    test::ExpectIndependentClones(EveryKind(), Fields, ChangeOwnFields);
}

} // namespace
} // namespace vantrel
