// The command table: every row complete, every id and key its own, every
// kind a tool, and the window's menus and buttons made from nothing else.
#include "app_test_support.h"

#include "app/command_table.h"
#include "app/main_window.h"
#include "editing/command_ids.h"
#include "editing/editing_commands.h"
#include "elements/element_kinds.h"
#include "paint/paint_kinds.h"

#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>

namespace vantrel::test {
namespace {

using namespace command;

struct AnyRow
{
    const CommandLook* look;
    bool hasHandler;
};

std::vector<AnyRow> AllRows()
{
    std::vector<AnyRow> rows;
    for (const EditingCommandRow& row : EditingCommands())
        rows.push_back({&row.look, row.run != nullptr});
    for (const WindowCommandRow& row : WindowCommands())
        rows.push_back({&row.look, row.run != nullptr});
    return rows;
}

TEST(CommandTable, EveryRowHasTextPromptHandlerAndItsOwnIdAndKeys)
{
    std::set<int> ids;
    std::map<QString, int> keyOwners;
    for (const auto& [look, hasHandler] : AllRows()) {
        const int id = look->id;
        EXPECT_TRUE(ids.insert(id).second) << "id " << id << " twice";
        ASSERT_NE(look->menuText, nullptr) << id;
        EXPECT_FALSE(PlainMenuText(QString::fromUtf8(look->menuText)).isEmpty()) << id;
        EXPECT_FALSE(StatusPrompt(*look).isEmpty()) << id;
        EXPECT_FALSE(ToolTipPrompt(*look).isEmpty()) << id;
        // Cut is shown, and always disabled: the one row without a handler.
        EXPECT_EQ(hasHandler, id != kEditCut) << id;
        for (const char* key : look->keys) {
            if (!key)
                continue;
            // A chord Qt does not read back as written is a typing error.
            const QKeySequence sequence =
                QKeySequence::fromString(QString::fromLatin1(key), QKeySequence::PortableText);
            EXPECT_EQ(sequence.toString(QKeySequence::PortableText), QString::fromLatin1(key))
                << id;
            const auto [owner, fresh] = keyOwners.emplace(sequence.toString(), id);
            EXPECT_TRUE(fresh) << key << " is the key of " << owner->second << " and " << id;
        }
    }
}

TEST(CommandTable, EveryElementAndPaintKindIsATool)
{
    const auto expectTool = [](int id, const char* menuText, const char* prompt,
                               ButtonPicture picture) {
        const EditingCommandRow* row = FindEditingCommand(id);
        ASSERT_NE(row, nullptr) << id;
        EXPECT_STREQ(row->look.menuText, menuText) << id;
        EXPECT_EQ(row->look.prompt, prompt) << id;
        EXPECT_EQ(row->look.icon, picture) << id;
        EXPECT_EQ(row->look.check, CommandCheck::Checkable) << id;
    };
    for (const ElementKindRow& kind : ElementKinds())
        expectTool(kind.command, kind.menuText, kind.prompt, ButtonPicture::ElementFigure);
    for (const PaintKindRow& kind : PaintKinds())
        expectTool(kind.command, kind.menuText, kind.prompt, ButtonPicture::PaintKind);
}

// The layout opens and closes its menus in pairs and lists every command of
// the table exactly once; every button is a command with a picture.
TEST(CommandTable, LayoutsListEveryRowOnceAndOnlyRows)
{
    int depth = 0;
    std::map<int, int> listed;
    for (const MenuEntry& entry : MenuLayout()) {
        switch (entry.kind) {
        case MenuEntryKind::Menu:
            ++depth;
            break;
        case MenuEntryKind::End:
            --depth;
            ASSERT_GE(depth, 0);
            break;
        case MenuEntryKind::Command:
            ASSERT_GT(depth, 0);
            EXPECT_NE(FindCommandLook(entry.id), nullptr) << entry.id;
            ++listed[entry.id];
            break;
        case MenuEntryKind::Separator:
            ASSERT_GT(depth, 0);
            break;
        }
    }
    EXPECT_EQ(depth, 0);
    for (const AnyRow& row : AllRows())
        EXPECT_EQ(listed[row.look->id], 1) << row.look->id;

    std::vector<int> buttons(StandardToolbarLayout().begin(), StandardToolbarLayout().end());
    const std::vector<int> elements = ElementToolbarCommands();
    buttons.insert(buttons.end(), elements.begin(), elements.end());
    buttons.insert(buttons.end(), PaintToolbarCommands().begin(), PaintToolbarCommands().end());
    for (const int id : buttons) {
        if (id == 0)
            continue;
        const CommandLook* look = FindCommandLook(id);
        ASSERT_NE(look, nullptr) << id;
        EXPECT_NE(look->icon, ButtonPicture::None) << id;
    }
}

class CommandTableWindow : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        app = StartApp(notifier);
        ASSERT_TRUE(started);
    }

    RecordingNotifier notifier;
    std::unique_ptr<CVantrelApp> app;
};

void CollectItems(const QMenu& menu, std::vector<QAction*>& items)
{
    for (QAction* action : menu.actions()) {
        if (action->menu())
            CollectItems(*action->menu(), items);
        else if (!action->isSeparator())
            items.push_back(action);
    }
}

TEST_F(CommandTableWindow, EveryMenuItemAndButtonIsARowOfTheTable)
{
    CMainFrame& frame = app->MainFrame();
    std::vector<QAction*> items;
    for (QAction* top : frame.menuBar()->actions())
        CollectItems(*top->menu(), items);
    ASSERT_FALSE(items.empty());
    for (QAction* item : items) {
        const int id = item->data().toInt();
        const CommandLook* look = FindCommandLook(id);
        ASSERT_NE(look, nullptr) << item->text().toStdString();
        EXPECT_EQ(frame.CommandAction(id), item);
        EXPECT_EQ(item->statusTip(), StatusPrompt(*look)) << id;
        EXPECT_EQ(item->shortcuts(), Shortcuts(*look)) << id;
        EXPECT_EQ(item->isCheckable(), look->check == CommandCheck::Checkable) << id;
        // The recent-file entries show the listed files' names instead.
        if (id < kFileRecent || id >= kFileRecent + 4) {
            EXPECT_EQ(item->text(), QString::fromUtf8(look->menuText)) << id;
        }
    }
    for (QToolBar* bar : {frame.MainToolBar(), frame.ElementToolBar(), frame.PaintToolBar()}) {
        for (QAction* button : bar->actions()) {
            if (!button->isSeparator()) {
                EXPECT_EQ(frame.CommandAction(button->data().toInt()), button)
                    << bar->objectName().toStdString();
            }
        }
    }
}

} // namespace
} // namespace vantrel::test
