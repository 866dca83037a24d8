#include "editing/connecting.h"

#include "document/vantrel_doc.h"
#include "editing/command_ids.h"
#include "editing/design_tool.h"
#include "editing/view_state.h"
#include "elements/comparators.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "elements/triggers.h"
#include "support/recording_notifier.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {
namespace {

constexpr int kOutput = -1;
// The element's anchor, which lies on none of its pins.
constexpr int kBody = 99;
constexpr Point kEmptyCell{8, 8};

// A point of the drawing: a pin of a named element, or the empty cell.
struct PinAt
{
    const char* element;
    int pin;
};
constexpr PinAt kNowhere{nullptr, kBody};

// The input that should end up wired: target's `input` fed by `source`.
struct Wired
{
    const char* target;
    int input;
    const char* source;
};

// Bit gates a, b and c, an accumulator (number output), an equality
// comparator (number inputs), an output (no output pin) and a delayed stop
// trigger (four inputs, the last one numeric).
struct Wiring
{
    Wiring()
    {
        Add("a", std::make_unique<LogAnd>(Point{1, 1}, 1));
        Add("b", std::make_unique<LogAnd>(Point{3, 1}, 2));
        Add("c", std::make_unique<LogAnd>(Point{1, 3}, 3));
        Add("acc", std::make_unique<Acc>(Point{3, 3}, 4, u"Tank", 0));
        Add("cmp", std::make_unique<LogCompEq>(Point{5, 3}, 5));
        Add("out", std::make_unique<LogOut>(Point{5, 1}, 6, 0, u"Lamp"));
        Add("trig", std::make_unique<LogDelayedSwitch>(Point{7, 1}, 7));
        document.nextElementId = 8;
        document.SetModified(false);
    }

    void Add(const std::string& name, std::unique_ptr<LogElement> element)
    {
        named[name] = element.get();
        EXPECT_TRUE(document.InsertElement(std::move(element)));
    }

    LogElement& operator[](const char* name) { return *named.at(name); }

    Point At(PinAt place)
    {
        if (!place.element)
            return view.CellToDevice(kEmptyCell);
        const LogElement& element = (*this)[place.element];
        const int r = view.ElementSize();
        if (place.pin == kOutput)
            return element.OutputPinPos(r, view.origin, view.zoom);
        if (place.pin == kBody)
            return view.CellToDevice(element.pos);
        return element.InputPinPos(r, place.pin, view.origin, view.zoom);
    }

    bool Drag(PinAt from, PinAt to)
    {
        view.dragAnchor = At(from);
        return ConnectDraggedPins(document, view, At(to));
    }

    // Every input of every element, to see that nothing else changed.
    std::string Inputs()
    {
        std::string all;
        for (const auto& [name, element] : named) {
            all += name + ':';
            for (std::int32_t source : element->inputs)
                all += ' ' + std::to_string(source);
            all += '\n';
        }
        return all;
    }

    // Either exactly the expected input was wired, with an undo record of
    // the target as it was, or nothing changed at all.
    void Expect(bool changed, const std::optional<Wired>& wired, const std::string& before)
    {
        EXPECT_EQ(changed, wired.has_value());
        if (!wired) {
            EXPECT_EQ(Inputs(), before);
            EXPECT_TRUE(document.UndoStack().empty());
            EXPECT_FALSE(document.IsModified());
            return;
        }
        LogElement& target = (*this)[wired->target];
        EXPECT_EQ(target.inputs[std::size_t(wired->input)], (*this)[wired->source].id);
        EXPECT_TRUE(document.IsModified());
        ASSERT_EQ(document.UndoStack().size(), 1u);
        const UndoRecord& record = document.UndoStack().back();
        EXPECT_EQ(record.kind, UndoRecord::kChanged);
        ASSERT_EQ(record.elements.size(), 1u);
        EXPECT_NE(record.elements[0].get(), &target);
        EXPECT_EQ(record.elements[0]->id, target.id);
        EXPECT_EQ(record.elements[0]->inputs[std::size_t(wired->input)], 0);
    }

    test::RecordingNotifier notifier;
    CVantrelDoc document{&notifier};
    ViewState view;
    std::map<std::string, LogElement*> named;
};

struct DragCase
{
    const char* what;
    PinAt from;
    PinAt to;
    std::optional<Wired> wired;
};

TEST(ConnectTool, WiresAnOutputToAnInputDraggedEitherWayAndRefusesEverythingElse)
{
    const std::vector<DragCase> drags{
        {"output to input", {"a", kOutput}, {"b", 0}, Wired{"b", 0, "a"}},
        {"input back to output", {"b", 1}, {"a", kOutput}, Wired{"b", 1, "a"}},
        {"into an element without output", {"a", kOutput}, {"out", 0}, Wired{"out", 0, "a"}},
        {"number output to number input", {"acc", kOutput}, {"cmp", 1}, Wired{"cmp", 1, "acc"}},
        {"output to output", {"a", kOutput}, {"b", kOutput}, std::nullopt},
        {"input to input", {"a", 0}, {"b", 0}, std::nullopt},
        {"within one cell", {"a", kOutput}, {"a", 0}, std::nullopt},
        {"to an empty cell", {"a", kOutput}, kNowhere, std::nullopt},
        {"from an empty cell", kNowhere, {"b", 0}, std::nullopt},
        {"from off the pins", {"a", kBody}, {"b", 0}, std::nullopt},
        {"to off the pins", {"a", kOutput}, {"b", kBody}, std::nullopt},
        {"number output to bit input", {"acc", kOutput}, {"b", 0}, std::nullopt},
        {"bit input back to number output", {"b", 0}, {"acc", kOutput}, std::nullopt},
        {"bit output to number input", {"a", kOutput}, {"cmp", 0}, std::nullopt},
    };
    for (const DragCase& drag : drags) {
        SCOPED_TRACE(drag.what);
        Wiring wiring;
        const std::string before = wiring.Inputs();
        wiring.Expect(wiring.Drag(drag.from, drag.to), drag.wired, before);
        EXPECT_EQ(wiring.notifier.Messages(), std::vector<std::string>{});
    }
}

TEST(ConnectTool, FollowsTheViewsZoomAndOrigin)
{
    Wiring wiring;
    wiring.view.zoom = 2.0;
    wiring.view.origin = {-1, -2};
    const std::string before = wiring.Inputs();
    wiring.Expect(wiring.Drag({"b", 1}, {"a", kOutput}), Wired{"b", 1, "a"}, before);
}

TEST(ConnectTool, DroppingOnAWiredInputReplacesItsSource)
{
    Wiring wiring;
    ASSERT_TRUE(wiring.Drag({"a", kOutput}, {"b", 0}));
    ASSERT_TRUE(wiring.Drag({"c", kOutput}, {"b", 0}));

    EXPECT_EQ(wiring["b"].inputs[0], wiring["c"].id);
    // Both changes of b are one undo step back to the unwired b.
    ASSERT_EQ(wiring.document.UndoStack().size(), 1u);
    EXPECT_EQ(wiring.document.UndoStack().back().elements[0]->inputs[0], 0);
}

TEST(ConnectTool, TheLoopSetKnowsTheLoopAWireCloses)
{
    Wiring wiring;
    ASSERT_TRUE(wiring.Drag({"a", kOutput}, {"b", 0}));
    ASSERT_TRUE(wiring.Drag({"b", kOutput}, {"a", 1}));

    EXPECT_TRUE(wiring.document.LoopSet().contains(wiring["a"].id));
    EXPECT_TRUE(wiring.document.LoopSet().contains(wiring["b"].id));
}

TEST(ConnectTool, PreviewFollowsTheMouseOnlyFromAPin)
{
    struct Case
    {
        PinAt anchor;
        bool shown;
    };
    const Point mouse{333, 222};
    for (Case drag : {Case{{"a", kOutput}, true}, Case{{"b", 1}, true}, Case{{"a", kBody}, false},
                      Case{kNowhere, false}}) {
        Wiring wiring;
        wiring.view.connectionPreviewEnd = Point{1, 1};
        wiring.view.dragAnchor = wiring.At(drag.anchor);

        UpdateConnectionPreview(wiring.document, wiring.view, mouse);
        EXPECT_EQ(wiring.view.connectionPreviewEnd,
                  drag.shown ? std::optional<Point>(mouse) : std::nullopt);
    }
}

TEST(DigitKeys, TheFirstHeldOfOneToFourGivesTheInput)
{
    EXPECT_EQ(HeldInputDigit({false, false, false, false}), -1);
    EXPECT_EQ(HeldInputDigit({true, false, false, false}), 0);
    EXPECT_EQ(HeldInputDigit({false, true, false, true}), 1);
    EXPECT_EQ(HeldInputDigit({false, false, false, true}), 3);
}

struct DigitCase
{
    const char* what;
    std::vector<const char*> selected;
    int digit;
    PinAt clicked;
    bool dragged;
    std::optional<Wired> wired;
};

TEST(DigitKeys, WireTheSelectedElementIntoTheClickedOnesInput)
{
    const std::vector<DigitCase> clicks{
        {"2 on the selected element itself", {"a"}, 1, {"a", kBody}, false, Wired{"a", 1, "a"}},
        {"1 on another element", {"a"}, 0, {"b", kBody}, false, Wired{"b", 0, "a"}},
        {"4 on a number input", {"acc"}, 3, {"trig", kBody}, false, Wired{"trig", 3, "acc"}},
        {"3 on a two-input element", {"a"}, 2, {"b", kBody}, false, std::nullopt},
        {"a drag instead of a click", {"a"}, 0, {"b", kBody}, true, std::nullopt},
        {"two selected", {"a", "c"}, 0, {"b", kBody}, false, std::nullopt},
        {"none selected", {}, 0, {"b", kBody}, false, std::nullopt},
        {"an empty cell", {"a"}, 0, kNowhere, false, std::nullopt},
        {"a source without output", {"out"}, 0, {"b", kBody}, false, std::nullopt},
        {"a number into a bit input", {"acc"}, 0, {"b", kBody}, false, std::nullopt},
        {"a bit into a number input", {"a"}, 3, {"trig", kBody}, false, std::nullopt},
    };
    for (const DigitCase& click : clicks) {
        SCOPED_TRACE(click.what);
        Wiring wiring;
        for (const char* name : click.selected)
            wiring.view.logicSelection.push_back(&wiring[name]);
        const auto selection = wiring.view.logicSelection;
        const Point release = wiring.At(click.clicked);
        wiring.view.dragAnchor = click.dragged ? release + Point{1, 0} : release;
        const std::string before = wiring.Inputs();

        wiring.Expect(ConnectSelectedToInput(wiring.document, wiring.view, click.digit, release),
                      click.wired, before);
        EXPECT_EQ(wiring.view.logicSelection, selection);
    }
}

// Releases the button at `release` with the current design tool.
ReleaseOutcome Release(Wiring& wiring, Point release, int heldDigit = -1)
{
    test::ScriptedDialogs dialogs;
    return ReleaseDesignTool(wiring.document, dialogs, wiring.view, release, heldDigit);
}

TEST(DesignRelease, ClearsThePreviewAndActsWithTheCurrentTool)
{
    Wiring wiring;
    wiring.view.connectionPreviewEnd = Point{5, 5};
    wiring.view.designTool = command::kConnectTool;
    wiring.view.dragAnchor = wiring.At({"a", kOutput});
    EXPECT_EQ(Release(wiring, wiring.At({"b", 0})), ReleaseOutcome::Changed);
    EXPECT_EQ(wiring["b"].inputs[0], wiring["a"].id);
    EXPECT_FALSE(wiring.view.connectionPreviewEnd);
    EXPECT_EQ(Release(wiring, wiring.At(kNowhere)), ReleaseOutcome::Unchanged);

    wiring.view.designTool = command::kSelectTool;
    wiring.view.connectionPreviewEnd = Point{5, 5};
    wiring.view.logicSelection = {&wiring["c"]};
    wiring.view.dragAnchor = wiring.At({"b", kBody});
    EXPECT_EQ(Release(wiring, wiring.view.dragAnchor), ReleaseOutcome::Selecting);
    EXPECT_FALSE(wiring.view.connectionPreviewEnd);
    EXPECT_EQ(Release(wiring, wiring.view.dragAnchor, 1), ReleaseOutcome::Changed);
    EXPECT_EQ(wiring["b"].inputs[1], wiring["c"].id);

    wiring.view.designTool = 10; // "Not"
    const Point empty = wiring.At(kNowhere) + Point{30, -30};
    EXPECT_EQ(Release(wiring, empty), ReleaseOutcome::Changed);
    EXPECT_STREQ(wiring.document.FindAt(kEmptyCell)->ClassName(), "LogNot");
    EXPECT_EQ(Release(wiring, empty), ReleaseOutcome::Unchanged);
}

} // namespace
} // namespace vantrel
