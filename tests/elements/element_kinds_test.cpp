#include "elements/element_kinds.h"

#include "document/system_classes.h"
#include "editing/command_ids.h"
#include "elements/big_gates.h"
#include "elements/comment.h"
#include "elements/comparators.h"
#include "elements/gates.h"
#include "elements/indirect_elements.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "elements/timing_elements.h"
#include "elements/triggers.h"
#include "paint/paint_kinds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <typeinfo>
#include <vector>

namespace vantrel {
namespace {

using namespace command;

TEST(ElementKinds, EveryRowMakesAnEmptyElementOfItsClassAndList)
{
    ASSERT_EQ(ElementKinds().size(), 45u);
    for (const ElementKindRow& kind : ElementKinds()) {
        SCOPED_TRACE(kind.className);
        const std::unique_ptr<LogElement> element = kind.make();
        ASSERT_NE(element, nullptr);
        EXPECT_STREQ(element->ClassName(), kind.className);
        EXPECT_EQ(element->ListKind(), kind.listKind);
        EXPECT_EQ(element->id, 0);
        EXPECT_EQ(element->pos, Point{});
    }
}

TEST(ElementKinds, TheRegistryLoadsEveryKindAsItsOwnClass)
{
    for (const ElementKindRow& kind : ElementKinds()) {
        SCOPED_TRACE(kind.className);
        const ClassEntry* entry = SystemClasses().Find(kind.className);
        ASSERT_NE(entry, nullptr);
        ASSERT_TRUE(entry->factory);
        EXPECT_STREQ(entry->factory()->ClassName(), kind.className);
    }
}

// Connect and Select share the range of design tools; every other command of
// the range places exactly one kind, found by its command.
TEST(ElementKinds, CommandsFillTheDesignToolsBesideConnectAndSelect)
{
    std::set<int> commands;
    std::set<std::string> classes;
    std::set<std::string> menuTexts;
    for (const ElementKindRow& kind : ElementKinds()) {
        SCOPED_TRACE(kind.className);
        EXPECT_GE(kind.command, kFirstElementTool);
        EXPECT_LE(kind.command, kLastElementTool);
        EXPECT_NE(kind.command, kToolConnect);
        EXPECT_NE(kind.command, kToolSelect);
        EXPECT_TRUE(commands.insert(kind.command).second) << "command used twice";
        EXPECT_TRUE(classes.insert(kind.className).second) << "class listed twice";
        EXPECT_TRUE(menuTexts.insert(kind.menuText).second) << "menu text used twice";
        EXPECT_EQ(FindElementKind(kind.command), &kind);
    }
    EXPECT_EQ(int(commands.size()), kLastElementTool - kFirstElementTool + 1 - 2);
    for (int other :
         {int(kToolConnect), int(kToolSelect), kFirstElementTool - 1, kLastElementTool + 1})
        EXPECT_EQ(FindElementKind(other), nullptr) << other;
}

TEST(ElementKinds, EveryKindHasItsOwnToolbarSlot)
{
    std::vector<int> slots;
    for (const ElementKindRow& kind : ElementKinds())
        slots.push_back(kind.toolbarSlot);
    std::sort(slots.begin(), slots.end());
    for (std::size_t slot = 0; slot < slots.size(); ++slot)
        EXPECT_EQ(slots[slot], int(slot));
}

// The element classes of the registry, each made by its factory.
std::vector<std::unique_ptr<LogElement>> EveryElementClass()
{
    std::vector<std::unique_ptr<LogElement>> elements;
    for (const ClassEntry& entry : SystemClasses().Entries()) {
        std::unique_ptr<Serializable> object = entry.factory ? entry.factory() : nullptr;
        if (dynamic_cast<LogElement*>(object.get()))
            elements.emplace_back(static_cast<LogElement*>(object.release()));
    }
    return elements;
}

// Every element class of the registry, the family classes that only files
// name included, reaches exactly one row, which names it; a command that
// places a kind places it through that same row.
TEST(ElementKinds, EveryElementClassOfTheRegistryHasItsOwnRow)
{
    const std::vector<std::unique_ptr<LogElement>> classes = EveryElementClass();
    EXPECT_EQ(classes.size(), ElementKinds().size() + 5);
    std::set<const ElementKindRow*> rows;
    for (const auto& element : classes) {
        SCOPED_TRACE(element->ClassName());
        const ElementKindRow* row = element->KindRow();
        ASSERT_NE(row, nullptr);
        EXPECT_STREQ(row->className, element->ClassName());
        EXPECT_EQ(row, FindElementClass(element->ClassName()));
        EXPECT_TRUE(rows.insert(row).second);
        EXPECT_STREQ(row->make()->ClassName(), element->ClassName());
        EXPECT_EQ(row->command == 0, row->menuText == nullptr);
        if (row->command != 0) {
            EXPECT_EQ(FindElementKind(row->command), row);
        }
    }
    for (const ElementKindRow& kind : ElementKinds())
        EXPECT_EQ(kind.make()->KindRow(), &kind) << kind.className;
}

template <class... Classes> struct ClassList
{};
using AllElementClasses =
    ClassList<LogElement, LogIO, LogIn, LogOut, LogUser, LogPulseUser, LogUserOut, LoggedUserOut,
              Analog_Input, Analog_Output, TempInput, LogIndirect, LogStartMarker, NLStartMarker,
              LogEndMarker, NLEndMarker, LogReplicator, LogBreaker, Acc, NoOp, MathOp, AccOp,
              GP_Register, NL_Constant, LogDelay, LogPulseDelay, VariableTimeElement, LogVarDelay,
              LogVarPulseDelay, LogFilter, LogClock, BitFedRegister, LogTimer, LogSpeed, LogTrigger,
              LogMem, LogSwitch, LogToggle, LogDelayedSwitch, LogBigOp, LogBigAnd, LogBigOr,
              LogBigAlarm, LogCompEq, LogCompL, LogAnd, LogOr, LogNAND, LogNOR, LogXOR, LogNXOR,
              LogNot, LogComment>;

template <class... Classes> void ExpectKindTestsAgreeWithTheLanguage(ClassList<Classes...>)
{
    for (const auto& element : EveryElementClass()) {
        SCOPED_TRACE(element->ClassName());
        (
            [&] {
                const LogElement* plain = element.get();
                EXPECT_EQ(IsKind<Classes>(plain), dynamic_cast<const Classes*>(plain) != nullptr)
                    << typeid(Classes).name();
                EXPECT_EQ(static_cast<const LogElement*>(KindAs<Classes>(plain)),
                          dynamic_cast<const Classes*>(plain));
            }(),
            ...);
    }
}

// The kind tag answers what dynamic_cast would, for every pair of classes.
TEST(ElementKinds, KindTestsAnswerWhatTheLanguageAnswers)
{
    ExpectKindTestsAgreeWithTheLanguage(AllElementClasses{});
    EXPECT_FALSE(IsKind<LogIO>(nullptr));
    EXPECT_EQ(KindAs<LogIO>(static_cast<LogElement*>(nullptr)), nullptr);
}

// The I/O kinds and the ranges their numbers come from.
TEST(ElementKinds, NumberedKindsAreTheIoKindsWithTheirRanges)
{
    const std::map<std::string, NumberKind> expected{
        {"LogIn", NumberKind::Inputs},
        {"LogOut", NumberKind::Outputs},
        {"LogUser", NumberKind::UserInputs},
        {"LogPulseUser", NumberKind::UserInputs},
        {"LogUserOut", NumberKind::UserOutputs},
        {"LoggedUserOut", NumberKind::UserOutputs},
        {"Analog_Input", NumberKind::AnalogInputs},
        {"Analog_Output", NumberKind::AnalogOutputs},
    };
    for (const auto& element : EveryElementClass()) {
        SCOPED_TRACE(element->ClassName());
        const auto found = expected.find(element->ClassName());
        EXPECT_EQ(NumbersOf(*element), found == expected.end()
                                           ? std::nullopt
                                           : std::optional<NumberKind>(found->second));
    }
}

} // namespace
} // namespace vantrel
