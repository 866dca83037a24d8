#include "editing/placing.h"

#include "document/vantrel_doc.h"
#include "editing/replicate.h"
#include "editing/view_state.h"
#include "elements/big_gates.h"
#include "elements/comment.h"
#include "elements/comparators.h"
#include "elements/gates.h"
#include "elements/indirect_elements.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "elements/timing_elements.h"
#include "elements/triggers.h"
#include "support/element_archive.h"
#include "support/recording_notifier.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace vantrel {
namespace {

using test::RecordingNotifier;
using test::ScriptedDialogs;
using test::StorePayload;
using Strings = std::vector<std::string>;

constexpr Point kCell{6, 4};

// A design, its dialogs and its messages.
struct Bench
{
    bool Place(int tool, Point cell = kCell) { return PlaceElement(document, dialogs, tool, cell); }

    // Puts an element into the design as if it had been placed before.
    template <class Kind, class... Fields> Kind& Add(Point cell, Fields&&... fields)
    {
        auto element =
            std::make_unique<Kind>(cell, document.nextElementId++, std::forward<Fields>(fields)...);
        Kind& added = *element;
        EXPECT_TRUE(document.InsertElement(std::move(element)));
        return added;
    }

    RecordingNotifier notifier;
    CVantrelDoc document{&notifier};
    ScriptedDialogs dialogs;
};

using Made = std::unique_ptr<LogElement>;
// The element a placement should build with the scripted answers and an id.
using Expected = std::function<Made(const ScriptedDialogs&, std::int32_t id)>;

// What placing with one tool asks and builds.
struct KindCase
{
    int tool;
    // The dialog shown, with its presets; empty for kinds without one.
    std::string dialog;
    Expected expected;
};

// Kind in the placement cell, built from the fields `fields` picks out of the
// answers (a tuple of constructor arguments after the cell and id).
template <class Kind, class Fields> Expected Built(Fields fields)
{
    return [fields](const ScriptedDialogs& answers, std::int32_t id) -> Made {
        return std::apply(
            [&](const auto&... field) { return std::make_unique<Kind>(kCell, id, field...); },
            fields(answers));
    };
}

using A = const ScriptedDialogs&;
const auto kNoFields = [](A) { return std::tuple(); };
const auto kText = [](A a) { return std::tuple(a.text.text); };
const auto kTextAndCheck = [](A a) {
    return std::tuple(a.text.text, std::int32_t(a.text.checked));
};
const auto kInOut = [](A a) { return std::tuple(a.inOut.number, a.inOut.name); };
const auto kSeconds = [](A a) { return std::tuple(a.seconds); };
const auto kStartMarker = [](A a) { return std::tuple(a.startMarker); };
const auto kRange = [](A a) {
    return std::tuple(a.bigOp.first, a.bigOp.last, a.bigOp.side, a.bigOp.invert);
};
// The design below holds user input and user output 0.
const auto kSecondUserNumberAndText = [](A a) { return std::tuple(1, a.text.text); };

template <class Kind> Expected UserInputOf()
{
    return [](A a, std::int32_t id) -> Made {
        auto user = std::make_unique<Kind>(kCell, id, 1, a.text.text);
        user->restricted = a.text.checked;
        return user;
    };
}

std::vector<KindCase> EveryPlacedKind()
{
    const std::string restrictable = R"(TextBox("", "Restrict access", 0))";
    const std::string plainText = R"(TextBox("", "", 0))";
    const std::string bigOp = "BigOpConfig(1, 10, 0, 0)";
    return {
        {0, "", Built<LogAnd>(kNoFields)},
        {1, "", Built<LogOr>(kNoFields)},
        {2, "InOutConfig(\"\", 1, count 32, used {0:4}, labels document, input)",
         Built<LogIn>(kInOut)},
        {3, "InOutConfig(\"\", 0, count 32, used {}, labels document, output)",
         Built<LogOut>(kInOut)},
        {5, "DelayConfig(10, 1)", Built<LogDelay>(kSeconds)},
        {6, "", Built<LogMem>(kNoFields)},
        {8, "", Built<LogSwitch>(kNoFields)},
        {9, restrictable, UserInputOf<LogUser>()},
        {10, "", Built<LogNot>(kNoFields)},
        {11, restrictable, UserInputOf<LogPulseUser>()},
        {12, plainText, Built<LogUserOut>(kSecondUserNumberAndText)},
        {13, plainText, Built<LogStartMarker>(kText)},
        {14, "OutMarkerDialog(bit)", Built<LogEndMarker>(kStartMarker)},
        {15, restrictable, Built<Acc>(kTextAndCheck)},
        {16, "NumOpConfig(0, 0, \"\")", Built<GP_Register>([](A a) {
             return std::tuple(a.numOp.operation, a.numOp.showInMonitor, a.numOp.name);
         })},
        {17, "AccBox([1 \"Tank\"], 0, 0)",
         Built<AccOp>([](A a) { return std::tuple(a.accBox.operation, a.accBox.accumulatorId); })},
        {18, "NumBox(0)", Built<NL_Constant>([](A a) { return std::tuple(a.number); })},
        {19, "FreqBox(0)", Built<LogClock>([](A a) { return std::tuple(a.frequency); })},
        {20, "", Built<LogCompEq>(kNoFields)},
        {21, "", Built<LogCompL>(kNoFields)},
        {22, "InOutConfig(\"\", 0, count 8, used {}, labels plain, output)",
         Built<Analog_Input>(kInOut)},
        {23, "InOutConfig(\"\", 0, count 4, used {}, labels plain, output)",
         Built<Analog_Output>(kInOut)},
        {24, "", Built<LogVarDelay>(kNoFields)},
        {25, plainText, Built<NLStartMarker>(kText)},
        {26, "OutMarkerDialog(numeric)", Built<NLEndMarker>(kStartMarker)},
        {27, "", Built<LogNAND>(kNoFields)},
        {28, "", Built<LogNOR>(kNoFields)},
        {29, "", Built<LogXOR>(kNoFields)},
        {30, "", Built<LogNXOR>(kNoFields)},
        {31, restrictable, Built<NoOp>(kTextAndCheck)},
        {32, bigOp, Built<LogBigAnd>(kRange)},
        {33, bigOp, Built<LogBigOr>(kRange)},
        {34, bigOp, Built<LogBigAlarm>(kRange)},
        {35, "DelayConfig(10, 0)", Built<LogPulseDelay>(kSeconds)},
        {36, "", Built<LogDelayedSwitch>(kNoFields)},
        {37, "", Built<LogToggle>(kNoFields)},
        {38, "", Built<LogBreaker>(kNoFields)},
        {39, "", Built<LogVarPulseDelay>(kNoFields)},
        {40, "", Built<LogFilter>(kNoFields)},
        // Built before its dialog: the dialog sees the new id and number.
        {41, "LogDialog(id 5, number 1, \"\", [])",
         [](A a, std::int32_t id) -> Made {
             auto logged = std::make_unique<LoggedUserOut>(kCell, id, 1, a.logged.name);
             logged->loggedIds = a.logged.loggedIds;
             return logged;
         }},
        {42, "TimerConfig(\"\", 0)",
         Built<LogTimer>([](A a) { return std::tuple(a.timer.name, a.timer.countUp); })},
        {43, plainText, Built<LogComment>(kText)},
        {44, plainText, Built<LogSpeed>(kText)},
        {45, "TempInConfig(0, \"\", 0)", Built<TempInput>([](A a) {
             return std::tuple(a.tempIn.type, a.tempIn.defaultValue, a.tempIn.siloName);
         })},
        {46, "RepDialog()", Built<LogReplicator>([](A a) { return std::tuple(a.replicated); })},
    };
}

// A design that gives every dialog something to show: an accumulator, an
// input, a user input and a user output numbered 0 (so the next free user
// numbers are 1), and register modules with 8 analog inputs and 4 outputs.
struct EveryKindBench : Bench
{
    EveryKindBench()
    {
        Add<Acc>({0, 9}, u"Tank", 0);
        Add<LogUser>({1, 9}, 0, u"Door");
        Add<LogUserOut>({2, 9}, 0, u"Lamp");
        Add<LogIn>({3, 9}, 0, u"Start");
        CustomRemoteModule writer;
        writer.modbusCommand = 16;
        writer.registerCount = 4;
        document.remoteIo.customModules = {CustomRemoteModule{}, writer};
    }
};

TEST(Placing, EachToolAsksItsDialogAndPlacesItsKindWithTheAnswers)
{
    const std::int32_t firstNewId = EveryKindBench().document.nextElementId;
    for (const KindCase& kind : EveryPlacedKind()) {
        SCOPED_TRACE("tool " + std::to_string(kind.tool));
        EveryKindBench fresh;
        ASSERT_EQ(fresh.document.nextElementId, firstNewId);
        EXPECT_TRUE(fresh.Place(kind.tool));

        EXPECT_EQ(fresh.dialogs.calls, kind.dialog.empty() ? Strings{} : Strings{kind.dialog});
        EXPECT_EQ(fresh.notifier.Messages(), Strings{});
        const auto expected = kind.expected(fresh.dialogs, firstNewId);
        LogElement* placed = fresh.document.FindAt(kCell);
        ASSERT_NE(placed, nullptr);
        EXPECT_STREQ(placed->ClassName(), expected->ClassName());
        EXPECT_EQ(StorePayload(*placed), StorePayload(*expected));
        EXPECT_EQ(fresh.document.nextElementId, firstNewId + 1);
        ASSERT_EQ(fresh.document.UndoStack().size(), 1u);
        EXPECT_EQ(fresh.document.UndoStack().back().kind, UndoRecord::kAdded);
    }
}

TEST(Placing, CancelPlacesNothingAndTakesNoIdExceptForTheLoggedUserOutput)
{
    const std::int32_t firstNewId = EveryKindBench().document.nextElementId;
    for (const KindCase& kind : EveryPlacedKind()) {
        SCOPED_TRACE("tool " + std::to_string(kind.tool));
        EveryKindBench fresh;
        fresh.dialogs.cancel = true;
        fresh.document.SetModified(false);
        const bool hasDialog = !kind.dialog.empty();
        // That dialog edits an element already built, so its id is gone.
        const bool idTakenFirst = kind.tool == 41;

        EXPECT_EQ(fresh.Place(kind.tool), !hasDialog);
        EXPECT_EQ(fresh.document.FindAt(kCell) != nullptr, !hasDialog);
        EXPECT_EQ(fresh.document.nextElementId, firstNewId + (!hasDialog || idTakenFirst ? 1 : 0));
        EXPECT_EQ(fresh.document.IsModified(), !hasDialog);
    }
}

TEST(Placing, ConnectSelectAndUnknownToolsPlaceNothing)
{
    Bench bench;
    for (int tool : {4, 7, -1, 47}) {
        EXPECT_FALSE(IsPlacingTool(tool));
        EXPECT_FALSE(bench.Place(tool));
    }
    EXPECT_TRUE(IsPlacingTool(0));
    EXPECT_TRUE(IsPlacingTool(46));
    EXPECT_EQ(bench.document.nextElementId, 1);
    EXPECT_EQ(bench.dialogs.calls, Strings{});
}

// Ids are never handed out twice nor wrapped: once the largest is taken,
// placing is refused with a message before any dialog, and so is replicating.
TEST(Placing, TheLastIdIsTakenThenPlacingIsRefusedWithAMessage)
{
    constexpr std::int32_t kLargest = CVantrelDoc::kLargestElementId;
    Bench bench;
    auto& input = bench.Add<LogIn>(Point{0, 0}, 0, u"In");
    bench.document.nextElementId = kLargest;
    ASSERT_TRUE(bench.Place(0));
    EXPECT_EQ(bench.document.FindAt(kCell)->id, kLargest);
    const std::size_t steps = bench.document.UndoStack().size();

    for (int tool : {0, 2}) { // AND, and INPUT, whose dialog would ask first
        bench.notifier.Clear();
        EXPECT_FALSE(bench.Place(tool, {20, 20}));
        EXPECT_EQ(bench.notifier.Messages().size(), 1u);
        EXPECT_NE(bench.notifier.Messages()[0].find("used up its element ids"), std::string::npos);
        EXPECT_EQ(bench.document.FindAt({20, 20}), nullptr);
    }
    EXPECT_EQ(bench.dialogs.calls, Strings{});
    ViewState state;
    state.logicSelection = {&input};
    bench.notifier.Clear();
    EXPECT_FALSE(ReplicateSelected(bench.document, state));
    EXPECT_EQ(bench.notifier.Messages().size(), 1u);
    EXPECT_EQ(bench.document.MainCount(), 2);
    EXPECT_EQ(bench.document.IndirectCount(), 0);
    EXPECT_EQ(bench.document.nextElementId, std::int64_t(kLargest) + 1);
    EXPECT_EQ(bench.document.UndoStack().size(), steps);
}

TEST(Placing, AnIdStaysUsedWhenTheCellIsOccupied)
{
    Bench bench;
    EXPECT_TRUE(bench.Place(0, {2, 2}));
    EXPECT_EQ(bench.document.FindAt({2, 2})->id, 1);

    // Still asked for its properties, then refused.
    EXPECT_FALSE(bench.Place(5, {2, 2}));
    EXPECT_EQ(bench.dialogs.calls, Strings{"DelayConfig(10, 1)"});
    EXPECT_STREQ(bench.document.FindAt({2, 2})->ClassName(), "LogAnd");

    EXPECT_TRUE(bench.Place(0, {3, 2}));
    EXPECT_EQ(bench.document.FindAt({3, 2})->id, 3);
    EXPECT_EQ(bench.document.elements[kMainList].size(), 2u);
    EXPECT_EQ(bench.document.UndoStack().size(), 2u);
    EXPECT_EQ(bench.notifier.Messages(), Strings{});
}

// The four kinds numbered from a fixed count, with every number taken.
struct ExhaustedNumbers
{
    int tool;
    std::function<void(CVantrelDoc&)> fill;
    std::string message;
};

template <class Kind> void FillNumbers(CVantrelDoc& document, int count, int list)
{
    for (int number = 0; number < count; ++number)
        document.elements[list].push_back(
            std::make_unique<Kind>(Point{number, 20}, 100 + number, number, u"Taken"));
}

TEST(Placing, NoNumberLeftShowsItsMessageAndTakesNoId)
{
    const std::vector<ExhaustedNumbers> cases{
        {2, [](CVantrelDoc& d) { FillNumbers<LogIn>(d, 32, kMainList); },
         "Vantrel v2: No available inputs"},
        {3, [](CVantrelDoc& d) { FillNumbers<LogOut>(d, 32, kMainList); },
         "Vantrel v2: No available Outputs"},
        {22, [](CVantrelDoc& d) { FillNumbers<Analog_Input>(d, 8, kRegisterList); },
         "Vantrel v2: No available Analog Inputs"},
        // No register module at all: no analog output exists to be placed.
        {23, [](CVantrelDoc&) {}, "Vantrel v2: No available Analog Outputs"},
    };
    for (const ExhaustedNumbers& exhausted : cases) {
        SCOPED_TRACE(exhausted.message);
        Bench fresh;
        fresh.document.remoteIo.customModules = {CustomRemoteModule{}};
        exhausted.fill(fresh.document);

        EXPECT_FALSE(fresh.Place(exhausted.tool));
        EXPECT_EQ(fresh.notifier.Messages(), Strings{exhausted.message});
        EXPECT_EQ(fresh.dialogs.calls, Strings{});
        EXPECT_EQ(fresh.document.nextElementId, 1);
        EXPECT_EQ(fresh.document.FindAt(kCell), nullptr);
    }
}

TEST(Placing, MoreInputsThanNumbersStillOpenTheDialogAfterReportingTheStrayOne)
{
    Bench bench;
    FillNumbers<LogIn>(bench.document, 32, kMainList);
    bench.document.elements[kMainList].push_back(
        std::make_unique<LogIn>(Point{40, 20}, 300, 40, u"Forty"));

    EXPECT_TRUE(bench.Place(2));
    EXPECT_EQ(bench.notifier.Messages(), Strings{"Out of range: Forty"});
    ASSERT_EQ(bench.dialogs.calls.size(), 1u);
    EXPECT_TRUE(
        bench.dialogs.calls[0].starts_with("InOutConfig(\"\", 0, count 32, used {0:100 1:101"));
    EXPECT_STREQ(bench.document.FindAt(kCell)->ClassName(), "LogIn");
}

TEST(Placing, NoUserNumberLeftStopsSilentlyWithoutAnId)
{
    struct Case
    {
        int tool;
        bool userInputs;
    };
    for (Case exhausted : {Case{9, true}, Case{11, true}, Case{12, false}, Case{41, false}}) {
        SCOPED_TRACE("tool " + std::to_string(exhausted.tool));
        Bench fresh;
        if (exhausted.userInputs)
            FillNumbers<LogUser>(fresh.document, CVantrelDoc::kUserNumberCapacity, kMainList);
        else
            FillNumbers<LogUserOut>(fresh.document, CVantrelDoc::kUserNumberCapacity, kMainList);

        EXPECT_FALSE(fresh.Place(exhausted.tool));
        EXPECT_EQ(fresh.notifier.Messages(), Strings{});
        EXPECT_EQ(fresh.dialogs.calls, Strings{});
        EXPECT_EQ(fresh.document.nextElementId, 1);
    }
}

TEST(Placing, UserInputsTakeTheLowestFreeNumber)
{
    Bench bench;
    bench.Add<LogUser>({0, 9}, 0, u"A");
    bench.Add<LogPulseUser>({1, 9}, 2, u"B");

    EXPECT_TRUE(bench.Place(11));
    EXPECT_EQ(static_cast<LogIO*>(bench.document.FindAt(kCell))->number, 1);
    EXPECT_TRUE(bench.Place(9, {7, 4}));
    EXPECT_EQ(static_cast<LogIO*>(bench.document.FindAt({7, 4}))->number, 3);
}

TEST(Placing, EmptyTextPlacesNoCommentButAnInMarker)
{
    Bench bench;
    bench.dialogs.text = {u"", false};

    EXPECT_FALSE(bench.Place(43));
    EXPECT_EQ(bench.document.FindAt(kCell), nullptr);
    EXPECT_EQ(bench.document.nextElementId, 1);

    EXPECT_TRUE(bench.Place(13));
    EXPECT_EQ(bench.document.FindAt(kCell)->Name(), u"");
    EXPECT_EQ(bench.document.FindAt(kCell)->id, 1);
}

TEST(Placing, ReplicatorOverAnEmptyListIsPlacedInvalidButIdZeroPlacesNothing)
{
    Bench bench;
    bench.dialogs.replicated = 0;
    EXPECT_FALSE(bench.Place(46));
    EXPECT_EQ(bench.document.nextElementId, 1);

    bench.dialogs.replicated = -1;
    EXPECT_TRUE(bench.Place(46));
    auto* replicator = dynamic_cast<LogReplicator*>(bench.document.FindAt(kCell));
    ASSERT_NE(replicator, nullptr);
    EXPECT_EQ(replicator->sourceId, -1);
    EXPECT_EQ(replicator->Describe(bench.document), u"Replicator: Invalid");
}

} // namespace
} // namespace vantrel
