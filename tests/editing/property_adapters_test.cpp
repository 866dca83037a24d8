#include "editing/property_adapter.h"

#include "compare/dump_fields.h"
#include "document/vantrel_doc.h"
#include "elements/big_gates.h"
#include "elements/element_kinds.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "support/recording_notifier.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vantrel {
namespace {

using test::RecordingNotifier;
using test::ScriptedDialogs;

constexpr Point kCell{6, 4};

// The stored fields an element kind adds, as the design's text form shows them.
std::string FieldsText(const LogElement& element)
{
    std::vector<DumpField> fields;
    DumpFields sink(fields);
    AddElementFields(element, sink);
    std::string text;
    for (const DumpField& field : fields)
        text += (text.empty() ? "" : " ") + field.name + '=' + field.value;
    return text;
}

// A design with user input and user output 0 taken (the next free user
// numbers are 1), an accumulator, and register modules with analog channels.
struct Bench
{
    Bench()
    {
        document.elements[kMainList].push_back(std::make_unique<LogUser>(Point{1, 9}, 1, 0, u"A"));
        document.elements[kMainList].push_back(
            std::make_unique<LogUserOut>(Point{2, 9}, 2, 0, u"B"));
        document.elements[kAccumulatorList].push_back(
            std::make_unique<Acc>(Point{3, 9}, 3, u"Tank", 0));
        CustomRemoteModule writer;
        writer.modbusCommand = 16;
        writer.registerCount = 4;
        document.remoteIo.customModules = {CustomRemoteModule{}, writer};
        document.nextElementId = 10;
    }

    RecordingNotifier notifier;
    CVantrelDoc document{&notifier};
    ScriptedDialogs dialogs;
};

// The fields each kind's adapter sets when an element is placed with the
// scripted answers (user I/O takes number 1, the lowest free one); kinds
// without properties have none.
const std::map<std::string, std::string> kPlacedFields{
    {"LogBigAnd", "rangeFrom=3 rangeTo=9 ioKind=1 invert=1"},
    {"LogBigOr", "rangeFrom=3 rangeTo=9 ioKind=1 invert=1"},
    {"LogBigAlarm", "rangeFrom=3 rangeTo=9 ioKind=1 invert=1"},
    {"LogIn", R"(number=5 name="Valve")"},
    {"LogOut", R"(number=5 name="Valve")"},
    {"LogUser", R"(number=1 name="Pump" restricted=1)"},
    {"LogPulseUser", R"(number=1 name="Pump" restricted=1)"},
    {"LogUserOut", R"(number=1 name="Pump")"},
    {"LoggedUserOut", R"(number=1 name="Logged" logged=5,6)"},
    {"Analog_Input", R"(number=5 name="Valve")"},
    {"Analog_Output", R"(number=5 name="Valve")"},
    {"TempInput", R"(tempType=9 defaultValue=42 siloName="Silo A")"},
    {"LogDelay", "delay=25"},
    {"LogPulseDelay", "delay=25"},
    {"LogClock", "freqIndex=3"},
    {"LogTimer", R"(name="Run time" countUp=1)"},
    {"LogSpeed", R"(name="Pump")"},
    {"Acc", R"(name="Pump" restricted=1)"},
    {"NoOp", R"(name="Pump" restricted=1)"},
    {"GP_Register", R"(op=4 showInMonitor=1 name="Sum")"},
    {"AccOp", "op=2 accId=77"},
    {"NL_Constant", "value=-7"},
    {"LogReplicator", "sourceId=12"},
    {"LogStartMarker", R"(label="Pump")"},
    {"LogEndMarker", "startId=13"},
    {"NLStartMarker", R"(label="Pump")"},
    {"NLEndMarker", "startId=13"},
    {"LogComment", R"(text="Pump")"},
};

std::string PlacedFields(const ElementKindRow& kind)
{
    const auto found = kPlacedFields.find(kind.className);
    return found == kPlacedFields.end() ? "" : found->second;
}

TEST(PropertyAdapters, PlacingEveryKindSetsTheFieldsOfItsDialog)
{
    for (const ElementKindRow& kind : ElementKinds()) {
        SCOPED_TRACE(kind.className);
        Bench bench;
        NewElement placement(bench.document, bench.dialogs, kCell, kind);
        const std::unique_ptr<LogElement> placed = PropertiesOf(kind).Place(placement);

        ASSERT_NE(placed, nullptr);
        EXPECT_STREQ(placed->ClassName(), kind.className);
        EXPECT_EQ(placed->pos, kCell);
        EXPECT_EQ(placed->id, 10);
        EXPECT_EQ(FieldsText(*placed), PlacedFields(kind));
        EXPECT_EQ(bench.dialogs.calls.size(), kind.properties == ElementProperties::None ? 0u : 1u);
        // Placing asks; the caller inserts.
        EXPECT_EQ(bench.document.FindAt(kCell), nullptr);
    }
}

// A double click sets the same fields, except that user I/O keeps its
// number; the kinds whose dialog only placing shows edit nothing.
TEST(PropertyAdapters, EditingEveryKindSetsTheSameFieldsAsPlacing)
{
    for (const ElementKindRow& kind : ElementKinds()) {
        SCOPED_TRACE(kind.className);
        Bench bench;
        std::unique_ptr<LogElement> made = kind.make();
        made->pos = kCell;
        made->id = 50;
        LogElement& element = *made;
        bench.document.elements[std::size_t(kind.listKind)].push_back(std::move(made));
        const std::string before = FieldsText(element);

        const bool edited = PropertiesOf(kind).Edit(bench.document, bench.dialogs, element);

        const bool editable = kind.properties != ElementProperties::None &&
                              kind.properties != ElementProperties::OutMarker &&
                              kind.properties != ElementProperties::InReplicator;
        EXPECT_EQ(edited, editable);
        EXPECT_EQ(bench.dialogs.calls.size(), editable ? 1u : 0u);
        std::string expected = editable ? PlacedFields(kind) : before;
        if (kind.numbers == NumberKind::UserInputs || kind.numbers == NumberKind::UserOutputs)
            expected.replace(expected.find("number=1"), 8, "number=0");
        EXPECT_EQ(FieldsText(element), expected);
        EXPECT_EQ(bench.document.UndoStack().size(), editable ? 1u : 0u);
    }
}

TEST(PropertyAdapters, CancelPlacesNothingAndEditsNothing)
{
    for (const ElementKindRow& kind : ElementKinds()) {
        if (kind.properties == ElementProperties::None)
            continue;
        SCOPED_TRACE(kind.className);
        Bench bench;
        bench.dialogs.cancel = true;
        NewElement placement(bench.document, bench.dialogs, kCell, kind);
        EXPECT_EQ(PropertiesOf(kind).Place(placement), nullptr);

        std::unique_ptr<LogElement> element = kind.make();
        const std::string before = FieldsText(*element);
        EXPECT_FALSE(PropertiesOf(kind).Edit(bench.document, bench.dialogs, *element));
        EXPECT_EQ(FieldsText(*element), before);
        EXPECT_TRUE(bench.document.UndoStack().empty());
    }
}

// Files may hold the family classes that nothing places: the bare I/O class
// says it has no numbers to offer, a bare big gate edits its range.
TEST(PropertyAdapters, FamilyClassesOfOldFilesEditAsTheirRowsSay)
{
    Bench bench;
    LogIO io(kCell, 50);
    ASSERT_NE(io.KindRow(), nullptr);
    EXPECT_FALSE(PropertiesOf(*io.KindRow()).Edit(bench.document, bench.dialogs, io));
    EXPECT_EQ(bench.notifier.Messages(),
              std::vector<std::string>{"Internal error: Should not be here"});
    EXPECT_TRUE(bench.dialogs.calls.empty());

    LogBigOp gate;
    ASSERT_NE(gate.KindRow(), nullptr);
    EXPECT_TRUE(PropertiesOf(*gate.KindRow()).Edit(bench.document, bench.dialogs, gate));
    EXPECT_EQ(FieldsText(gate), "rangeFrom=3 rangeTo=9 ioKind=1 invert=1");
}

} // namespace
} // namespace vantrel
