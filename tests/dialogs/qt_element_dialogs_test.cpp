// The dialogs behind the editor's dialog interface, answered by a scripted
// runner instead of a modal loop.
#include "dialogs/dialog_driver.h"
#include "dialogs/qt_element_dialogs.h"
#include "document/vantrel_doc.h"
#include "elements/indirect_elements.h"
#include "elements/io_elements.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace vantrel {
namespace {

// Notes each dialog's title, lets the test edit its controls, then presses
// OK or Cancel and reports how the dialog ended.
struct ScriptedAnswers
{
    int operator()(QDialog& dialog)
    {
        titles.append(dialog.windowTitle());
        if (edit)
            edit(dialog);
        test::ControlById<QAbstractButton>(dialog, ok ? 1 : 2).click();
        return dialog.result();
    }

    QStringList titles;
    std::function<void(QDialog&)> edit;
    bool ok = true;
};

class QtElementDialogsTest : public test::DesignTest
{
protected:
    QtElementDialogsTest()
    {
        Insert(std::make_unique<LogIn>(Point{0, 0}, 1, 0, u"Start"));
        Insert(std::make_unique<LogStartMarker>(Point{0, 1}, 2, u"Alarm"));
        logged.id = 3;
        logged.name = u"Events";
        logged.loggedIds = {1};
    }

    // One call per interface operation: none when cancelled, else whether
    // the dialog gave back the values it was opened with.
    using Call = std::function<std::optional<bool>(ElementDialogs&)>;

    template <class Result, class Check>
    static std::optional<bool> Returned(const std::optional<Result>& result, Check same)
    {
        if (!result)
            return std::nullopt;
        return same(*result);
    }

    std::vector<Call> EveryOperation()
    {
        const InOutRequest request{u"Level", 2, 4, {}, &document, true, true};
        return {
            [](ElementDialogs& d) {
                return Returned(d.TextBox(u"Reset", u"Restrict access", true),
                                [](auto& r) { return r.text == u"Reset" && r.checked; });
            },
            [=](ElementDialogs& d) {
                return Returned(d.InOutConfig(request),
                                [](auto& r) { return r.name == u"Level" && r.number == 2; });
            },
            [](ElementDialogs& d) {
                return Returned(d.DelayConfig(15, 1), [](int r) { return r == 15; });
            },
            [](ElementDialogs& d) {
                return Returned(d.TimerConfig({u"Run", true}),
                                [](auto& r) { return r.name == u"Run" && r.countUp; });
            },
            [](ElementDialogs& d) { return Returned(d.FreqBox(3), [](int r) { return r == 3; }); },
            [](ElementDialogs& d) {
                return Returned(d.NumBox(-7), [](std::int32_t r) { return r == -7; });
            },
            [](ElementDialogs& d) {
                return Returned(d.NumOpConfig({5, true, u"Flow"}), [](auto& r) {
                    return r.operation == 5 && r.showInMonitor && r.name == u"Flow";
                });
            },
            [](ElementDialogs& d) {
                return Returned(d.AccBox({{4, u"A"}, {9, u"B"}}, {9, 2}),
                                [](auto& r) { return r.accumulatorId == 9 && r.operation == 2; });
            },
            [](ElementDialogs& d) {
                return Returned(d.BigOpConfig({3, 2, 1, true}), [](auto& r) {
                    return r.first == 3 && r.last == 2 && r.side == 1 && r.invert;
                });
            },
            [](ElementDialogs& d) {
                return Returned(d.TempInConfig({10, u"North", -4}), [](auto& r) {
                    return r.type == 10 && r.siloName == u"North" && r.defaultValue == -4;
                });
            },
            [this](ElementDialogs& d) {
                return Returned(d.LogDialog(logged, document), [](auto& r) {
                    return r.name == u"Events" && r.loggedIds == std::vector<std::int32_t>{1};
                });
            },
            [this](ElementDialogs& d) {
                return Returned(d.RepDialog(document), [](std::int32_t r) { return r == 1; });
            },
            [this](ElementDialogs& d) {
                return Returned(d.OutMarkerDialog(document, false),
                                [](std::int32_t r) { return r == -1; });
            },
        };
    }

    static QStringList EveryTitle()
    {
        return {"Add Text",
                "I/O properties",
                "Select time in seconds",
                "Timer Properties",
                "Select Frequency",
                "Enter number",
                "Number Operation",
                "Select Accumulator",
                "BigOp properties",
                "Temp In Config",
                "Logged User Output",
                "Replicator Properties",
                "Replicator Properties"};
    }
    LoggedUserOut logged;
    ScriptedAnswers answers;
    QtElementDialogs dialogs{nullptr, [this](QDialog& dialog) { return answers(dialog); }};
};

TEST_F(QtElementDialogsTest, OkGivesBackTheValuesEachDialogWasOpenedWith)
{
    const std::vector<Call> calls = EveryOperation();
    for (std::size_t i = 0; i < calls.size(); ++i)
        EXPECT_EQ(calls[i](dialogs), std::optional<bool>(true)) << i;
    EXPECT_EQ(answers.titles, EveryTitle());
}

TEST_F(QtElementDialogsTest, CancelGivesNothing)
{
    answers.ok = false;
    const std::vector<Call> calls = EveryOperation();
    for (std::size_t i = 0; i < calls.size(); ++i)
        EXPECT_EQ(calls[i](dialogs), std::nullopt) << i;
}

TEST_F(QtElementDialogsTest, EditsReachTheCallerAndRefusedEntriesGiveNothing)
{
    answers.edit = [](QDialog& dialog) {
        test::ControlById<QLineEdit>(dialog, 1003).setText("25");
    };
    EXPECT_EQ(dialogs.DelayConfig(10, 1), 25);

    test::RefusalLog refusals;
    answers.edit = [](QDialog& dialog) { test::ControlById<QLineEdit>(dialog, 1003).setText("0"); };
    EXPECT_EQ(dialogs.DelayConfig(10, 1), std::nullopt);
    EXPECT_EQ(refusals.prompts.size(), 1);
}

TEST(QtElementDialogs, AccumulatorChoiceWithoutAccumulatorsCancelsWithoutShowing)
{
    QtElementDialogs modal;
    EXPECT_EQ(modal.AccBox({}, {1, 1}), std::nullopt);
}

} // namespace
} // namespace vantrel
