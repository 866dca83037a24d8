#include "editing/property_editing.h"

#include "document/vantrel_doc.h"
#include "elements/big_gates.h"
#include "elements/comment.h"
#include "elements/element_kinds.h"
#include "elements/gates.h"
#include "elements/indirect_elements.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "elements/timing_elements.h"
#include "support/element_archive.h"
#include "support/recording_notifier.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vantrel {
namespace {

using test::RecordingNotifier;
using test::ScriptedDialogs;
using test::StorePayload;
using Strings = std::vector<std::string>;
using Made = std::unique_ptr<LogElement>;
using A = const ScriptedDialogs&;

constexpr Point kCell{6, 4};
constexpr std::int32_t kEditedId = 50;

// A design with something for every dialog to show: an accumulator, an
// input at number 0 (id 2), an output at number 7 (id 3), and register
// modules with 8 analog inputs and 4 analog outputs.
struct Bench
{
    Bench()
    {
        Add(std::make_unique<Acc>(Point{0, 9}, 1, u"Tank", 0));
        Add(std::make_unique<LogIn>(Point{1, 9}, 2, 0, u"Start"));
        Add(std::make_unique<LogOut>(Point{2, 9}, 3, 7, u"Horn"));
        CustomRemoteModule writer;
        writer.modbusCommand = 16;
        writer.registerCount = 4;
        document.remoteIo.customModules = {CustomRemoteModule{}, writer};
        document.nextElementId = 100;
    }

    LogElement& Add(Made element)
    {
        LogElement& added = *element;
        EXPECT_TRUE(document.InsertElement(std::move(element)));
        return added;
    }

    // The design as a fresh start for an edit: saved and without history.
    void Settle()
    {
        document.SetModified(false);
        ASSERT_TRUE(document.UndoStack().empty());
    }

    bool DoubleClick(Point cell = kCell) { return EditElementProperties(document, dialogs, cell); }

    RecordingNotifier notifier;
    CVantrelDoc document{&notifier};
    ScriptedDialogs dialogs;
};

// One element kind with properties: the element as it is before, the dialog
// it opens with its inputs, and the element after OK with the scripted answers.
struct PropertyCase
{
    std::string name;
    std::function<Made()> before;
    std::string dialog;
    std::function<Made(A)> after;
};

template <class Kind, class... Fields> Made Make(Fields... fields)
{
    return std::make_unique<Kind>(kCell, kEditedId, fields...);
}

template <class Kind> Made UserInput(std::int32_t number, std::u16string name, bool restricted)
{
    auto user = std::make_unique<Kind>(kCell, kEditedId, number, std::move(name));
    user->restricted = restricted;
    return user;
}

Made Logged(std::u16string name, std::vector<std::int32_t> ids)
{
    auto logged = std::make_unique<LoggedUserOut>(kCell, kEditedId, 3, std::move(name));
    logged->loggedIds = std::move(ids);
    return logged;
}

std::vector<PropertyCase> EveryKindWithProperties()
{
    const std::string bigOp = "BigOpConfig(5, 6, 0, 0)";
    auto bigOpAfter = []<class Kind>(Kind*) {
        return [](A a) {
            return Make<Kind>(a.bigOp.first, a.bigOp.last, a.bigOp.side, a.bigOp.invert);
        };
    };
    return {
        {"logged user output", [] { return Logged(u"Log", {2}); },
         R"(LogDialog(id 50, number 3, "Log", [2]))",
         [](A a) { return Logged(a.logged.name, a.logged.loggedIds); }},
        {"user input", [] { return UserInput<LogUser>(2, u"Door", false); },
         R"(TextBox("Door", "Restricted access", 0))",
         [](A a) { return UserInput<LogUser>(2, a.text.text, a.text.checked); }},
        {"pulse user input", [] { return UserInput<LogPulseUser>(2, u"Bell", false); },
         R"(TextBox("Bell", "Restricted access", 0))",
         [](A a) { return UserInput<LogPulseUser>(2, a.text.text, a.text.checked); }},
        {"user output", [] { return Make<LogUserOut>(4, std::u16string(u"Lamp")); },
         R"(TextBox("Lamp", "", 0))", [](A a) { return Make<LogUserOut>(4, a.text.text); }},
        // Its own number 1 is offered as free, the other input's 0 as in use.
        {"input", [] { return Make<LogIn>(1, std::u16string(u"Stop")); },
         R"(InOutConfig("Stop", 1, count 32, used {0:2}, labels document, input, in use shown))",
         [](A a) { return Make<LogIn>(a.inOut.number, a.inOut.name); }},
        {"output", [] { return Make<LogOut>(2, std::u16string(u"Fan")); },
         R"(InOutConfig("Fan", 2, count 32, used {7:3}, labels document, output, in use shown))",
         [](A a) { return Make<LogOut>(a.inOut.number, a.inOut.name); }},
        {"analog input", [] { return Make<Analog_Input>(6, std::u16string(u"Level")); },
         R"(InOutConfig("Level", 6, count 8, used {}, labels plain, output, in use shown))",
         [](A a) { return Make<Analog_Input>(a.inOut.number, a.inOut.name); }},
        {"analog output", [] { return Make<Analog_Output>(3, std::u16string(u"Valve")); },
         R"(InOutConfig("Valve", 3, count 4, used {}, labels plain, output, in use shown))",
         [](A a) { return Make<Analog_Output>(a.inOut.number, a.inOut.name); }},
        {"delay", [] { return Make<LogDelay>(7); }, "DelayConfig(7, 1)",
         [](A a) { return Make<LogDelay>(a.seconds); }},
        {"pulse delay", [] { return Make<LogPulseDelay>(0); }, "DelayConfig(0, 0)",
         [](A a) { return Make<LogPulseDelay>(a.seconds); }},
        {"timer", [] { return Make<LogTimer>(std::u16string(u"Run"), false); },
         R"(TimerConfig("Run", 0))",
         [](A a) { return Make<LogTimer>(a.timer.name, a.timer.countUp); }},
        {"speed", [] { return Make<LogSpeed>(std::u16string(u"Fan")); }, R"(TextBox("Fan", "", 0))",
         [](A a) { return Make<LogSpeed>(a.text.text); }},
        {"in marker", [] { return Make<LogStartMarker>(std::u16string(u"M1")); },
         R"(TextBox("M1", "", 0))", [](A a) { return Make<LogStartMarker>(a.text.text); }},
        {"numeric in marker", [] { return Make<NLStartMarker>(std::u16string(u"N1")); },
         R"(TextBox("N1", "", 0))", [](A a) { return Make<NLStartMarker>(a.text.text); }},
        {"accumulator", [] { return Make<Acc>(std::u16string(u"Sum"), 0); },
         R"(TextBox("Sum", "Restrict access", 0))",
         [](A a) { return Make<Acc>(a.text.text, std::int32_t(a.text.checked)); }},
        {"NoOp register", [] { return Make<NoOp>(std::u16string(u"Hold"), 0); },
         R"(TextBox("Hold", "Restrict access", 0))",
         [](A a) { return Make<NoOp>(a.text.text, std::int32_t(a.text.checked)); }},
        {"temperature input", [] { return Make<TempInput>(4, 12, std::u16string(u"B")); },
         R"(TempInConfig(4, "B", 12))",
         [](A a) {
             return Make<TempInput>(a.tempIn.type, a.tempIn.defaultValue, a.tempIn.siloName);
         }},
        {"accumulator operation", [] { return Make<AccOp>(1, 1); }, R"(AccBox([1 "Tank"], 1, 1))",
         [](A a) { return Make<AccOp>(a.accBox.operation, a.accBox.accumulatorId); }},
        {"register", [] { return Make<GP_Register>(2, false, std::u16string(u"R")); },
         R"(NumOpConfig(2, 0, "R"))",
         [](A a) {
             return Make<GP_Register>(a.numOp.operation, a.numOp.showInMonitor, a.numOp.name);
         }},
        {"constant", [] { return Make<NL_Constant>(5); }, "NumBox(5)",
         [](A a) { return Make<NL_Constant>(a.number); }},
        {"clock", [] { return Make<LogClock>(2); }, "FreqBox(2)",
         [](A a) { return Make<LogClock>(a.frequency); }},
        {"big and", [] { return Make<LogBigAnd>(5, 6, 0, false); }, bigOp,
         bigOpAfter(static_cast<LogBigAnd*>(nullptr))},
        {"big or", [] { return Make<LogBigOr>(5, 6, 0, false); }, bigOp,
         bigOpAfter(static_cast<LogBigOr*>(nullptr))},
        {"big alarm", [] { return Make<LogBigAlarm>(5, 6, 0, false); }, bigOp,
         bigOpAfter(static_cast<LogBigAlarm*>(nullptr))},
        {"comment", [] { return Make<LogComment>(std::u16string(u"Note")); },
         R"(TextBox("Note", "", 0))", [](A a) { return Make<LogComment>(a.text.text); }},
    };
}

TEST(PropertyEditing, EachKindOpensItsDialogWithItsValuesAndTakesBackExactlyItsFields)
{
    for (const PropertyCase& kind : EveryKindWithProperties()) {
        SCOPED_TRACE(kind.name);
        Bench bench;
        bench.Add(kind.before());
        bench.Settle();

        EXPECT_TRUE(bench.DoubleClick());

        EXPECT_EQ(bench.dialogs.calls, Strings{kind.dialog});
        EXPECT_EQ(bench.notifier.Messages(), Strings{});
        LogElement* edited = bench.document.FindAt(kCell);
        ASSERT_NE(edited, nullptr);
        EXPECT_EQ(StorePayload(*edited), StorePayload(*kind.after(bench.dialogs)));
        EXPECT_TRUE(bench.document.IsModified());
        ASSERT_EQ(bench.document.UndoStack().size(), 1u);
        const UndoRecord& record = bench.document.UndoStack().back();
        EXPECT_EQ(record.kind, UndoRecord::kChanged);
        ASSERT_EQ(record.elements.size(), 1u);
        EXPECT_EQ(StorePayload(*record.elements[0]), StorePayload(*kind.before()));
    }
}

TEST(PropertyEditing, CancelLeavesTheElementTheHistoryAndTheModifiedMarkAsTheyWere)
{
    for (const PropertyCase& kind : EveryKindWithProperties()) {
        SCOPED_TRACE(kind.name);
        Bench bench;
        bench.Add(kind.before());
        bench.Settle();
        bench.dialogs.cancel = true;

        EXPECT_FALSE(bench.DoubleClick());

        EXPECT_EQ(bench.dialogs.calls.size(), 1u);
        EXPECT_EQ(StorePayload(*bench.document.FindAt(kCell)), StorePayload(*kind.before()));
        EXPECT_TRUE(bench.document.UndoStack().empty());
        EXPECT_FALSE(bench.document.IsModified());
    }
}

// Whatever placing builds without asking, and the out markers and
// replicators (whose source is chosen only when placed), edit nothing.
bool HasProperties(const ElementKindRow& kind)
{
    switch (kind.properties) {
    case ElementProperties::None:
    case ElementProperties::OutMarker:
    case ElementProperties::InReplicator:
        return false;
    default:
        return true;
    }
}

TEST(PropertyEditing, EveryPlaceableKindOpensADialogExactlyWhenItHasProperties)
{
    for (const ElementKindRow& kind : ElementKinds()) {
        SCOPED_TRACE(kind.className);
        Bench bench;
        Made element = kind.make();
        element->pos = kCell;
        element->id = kEditedId;
        bench.Add(std::move(element));
        bench.Settle();

        EXPECT_EQ(bench.DoubleClick(), HasProperties(kind));
        EXPECT_EQ(bench.dialogs.calls.size(), HasProperties(kind) ? 1u : 0u);
        EXPECT_EQ(bench.document.UndoStack().size(), HasProperties(kind) ? 1u : 0u);
        EXPECT_EQ(bench.document.IsModified(), HasProperties(kind));
    }
}

TEST(PropertyEditing, AnEmptyCellAGateOrAReplicatorOpensNothing)
{
    Bench bench;
    bench.Add(std::make_unique<LogAnd>(Point{1, 1}, 60));
    bench.Add(std::make_unique<LogReplicator>(Point{2, 1}, 61, 2));
    bench.Settle();

    for (Point cell : {Point{1, 1}, Point{2, 1}, Point{3, 1}})
        EXPECT_FALSE(bench.DoubleClick(cell));

    EXPECT_EQ(bench.dialogs.calls, Strings{});
    EXPECT_EQ(bench.notifier.Messages(), Strings{});
    EXPECT_TRUE(bench.document.UndoStack().empty());
    EXPECT_FALSE(bench.document.IsModified());
}

TEST(PropertyEditing, ChoosingANumberInUseSwapsItWithTheElementHoldingItInOneUndoStep)
{
    Bench bench;
    auto& fan = static_cast<LogOut&>(bench.Add(Make<LogOut>(2, std::u16string(u"Fan"))));
    auto& horn = static_cast<LogOut&>(*bench.document.FindById(3));
    bench.Settle();
    bench.dialogs.inOut = {u"Fan", 7};

    EXPECT_TRUE(bench.DoubleClick());

    // The dialog listed 7 as the horn's, and the fan's own 2 as free.
    EXPECT_EQ(bench.dialogs.calls,
              Strings{R"(InOutConfig("Fan", 2, count 32, used {7:3}, labels document, output, )"
                      "in use shown)"});
    EXPECT_EQ(fan.number, 7);
    EXPECT_EQ(horn.number, 2);
    ASSERT_EQ(bench.document.UndoStack().size(), 1u);
    EXPECT_EQ(bench.document.UndoStack().back().elements.size(), 2u);

    std::vector<LogElement*> restored;
    bench.document.Undo(restored);
    EXPECT_EQ(static_cast<LogOut*>(bench.document.FindAt(kCell))->number, 2);
    EXPECT_EQ(static_cast<LogOut*>(bench.document.FindById(3))->number, 7);
}

TEST(PropertyEditing, AFreeNumberMovesOnlyTheEditedElement)
{
    Bench bench;
    bench.Add(Make<LogIn>(1, std::u16string(u"Stop")));
    bench.Settle();
    bench.dialogs.inOut = {u"Stop", 9};

    EXPECT_TRUE(bench.DoubleClick());

    EXPECT_EQ(static_cast<LogIn*>(bench.document.FindAt(kCell))->number, 9);
    EXPECT_EQ(static_cast<LogIn*>(bench.document.FindById(2))->number, 0);
    EXPECT_EQ(bench.document.UndoStack().back().elements.size(), 1u);
}

TEST(PropertyEditing, TheBareIoClassReportsAnInternalErrorInsteadOfADialog)
{
    Bench bench;
    bench.Add(std::make_unique<LogIO>(kCell, kEditedId, 0, u"Odd"));
    bench.Settle();

    EXPECT_FALSE(bench.DoubleClick());

    EXPECT_EQ(bench.notifier.Messages(), Strings{"Internal error: Should not be here"});
    EXPECT_EQ(bench.dialogs.calls, Strings{});
    EXPECT_TRUE(bench.document.UndoStack().empty());
    EXPECT_FALSE(bench.document.IsModified());
}

TEST(PropertyEditing, ACommentEditedToNothingKeepsItsText)
{
    Bench bench;
    bench.Add(Make<LogComment>(std::u16string(u"Note")));
    bench.dialogs.text = {u"", false};

    bench.DoubleClick();

    EXPECT_EQ(static_cast<LogComment*>(bench.document.FindAt(kCell))->text, u"Note");
}

} // namespace
} // namespace vantrel
