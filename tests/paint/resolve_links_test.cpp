#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "paint/shapes.h"
#include "support/recording_notifier.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

// One I/O element of every kind, a gate, and a temperature reading ahead of
// the analog input in the monitor list.
class ResolveLinks : public ::testing::Test
{
protected:
    void SetUp() override
    {
        document.SetNotifier(&notifier);
        Add(std::make_unique<LogIn>(Point{0, 0}, 1, 3, u"in"));
        Add(std::make_unique<LogOut>(Point{0, 1}, 2, 4, u"out"));
        Add(std::make_unique<LogUser>(Point{0, 2}, 3, 5, u"user"));
        Add(std::make_unique<LogPulseUser>(Point{0, 3}, 4, 6, u"pulse"));
        Add(std::make_unique<LogUserOut>(Point{0, 4}, 5, 7, u"user out"));
        Add(std::make_unique<LoggedUserOut>(Point{0, 5}, 6, 8, u"logged"));
        Add(std::make_unique<Analog_Input>(Point{0, 6}, 7, 2, u"level"));
        Add(std::make_unique<LogAnd>(Point{0, 7}, 8));
        Add(std::make_unique<TempInput>(Point{0, 8}, 9, 3, 0, u""));
    }
    void Add(std::unique_ptr<LogElement> element)
    {
        ASSERT_TRUE(document.InsertElement(std::move(element)));
    }

    test::RecordingNotifier notifier;
    CVantrelDoc document;
};

// 4 input bytes, 2 output bytes, 3 user input bytes: outputs from 32, user
// inputs from 48, user outputs from 72.
TEST_F(ResolveLinks, BindingsNumberEveryIoKindInOneRange)
{
    struct Case
    {
        const char* what;
        std::int32_t id;
        std::int32_t flat;
    };
    const Case cases[] = {
        {"input", 1, 3},
        {"output", 2, 36},
        {"user input", 3, 53},
        {"pulse user input", 4, 54},
        {"user output", 5, 79},
        {"logged user output", 6, 80},
        {"analog input, no shift", 7, 2},
        {"not an I/O element", 8, -1},
        {"deleted", 99, -1},
        {"unbound", 0, -1},
    };
    for (const Case& c : cases) {
        Line line;
        line.activeId = c.id;
        line.active2Id = c.id;
        line.ResolveLinks(document, 4, 2, 3, false);
        EXPECT_EQ(line.activeNum, c.flat) << c.what;
        EXPECT_EQ(line.active2Num, c.flat) << c.what;
    }
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST_F(ResolveLinks, OnlyTheFlashFileShiftsACommandedUserInput)
{
    struct Case
    {
        const char* what;
        std::int32_t id;
        std::int32_t flash;
        std::int32_t json;
    };
    const Case cases[] = {
        {"user input", 3, 53, 5},
        {"pulse user input", 4, 54, 6},
        {"output keeps its own number", 2, 4, 4},
        {"not an I/O element", 8, -1, -1},
    };
    for (const Case& c : cases) {
        Square square;
        square.commandId = c.id;
        square.ResolveLinks(document, 4, 2, 3, false);
        EXPECT_EQ(square.commandNum, c.flash) << c.what;
        square.ResolveLinks(document, 4, 2, 3, true);
        EXPECT_EQ(square.commandNum, c.json) << c.what;
    }
}

TEST_F(ResolveLinks, ProgressTakesTheMonitorPositionOnlyWhenShown)
{
    Circle circle;
    circle.progressId = 7;
    circle.progressIndex = 42;
    circle.ResolveLinks(document, 4, 4, 1, false);
    EXPECT_EQ(circle.progressIndex, 42);
    circle.hasProgress = 1;
    circle.ResolveLinks(document, 4, 4, 1, false);
    EXPECT_EQ(circle.progressIndex, 1);
    circle.progressId = 99;
    circle.ResolveLinks(document, 4, 4, 1, true);
    EXPECT_EQ(circle.progressIndex, 0) << "a register that is gone";
}

TEST_F(ResolveLinks, NumbersFromADamagedFileWrapInsteadOfOverflowing)
{
    Add(std::make_unique<LogUserOut>(Point{1, 0}, 20, 0x7FFFFFFF, u"huge"));
    Line line;
    line.activeId = 20;
    line.ResolveLinks(document, 1, 0, 0, false);
    EXPECT_EQ(line.activeNum, std::int32_t(0x80000007u));
}

} // namespace
} // namespace vantrel
