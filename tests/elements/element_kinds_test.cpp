#include "elements/element_kinds.h"

#include "document/system_classes.h"
#include "editing/command_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
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

} // namespace
} // namespace vantrel
