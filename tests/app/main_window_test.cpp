#include "app_test_support.h"

#include "app/about_dialog.h"
#include "app/lock_key_panes.h"
#include "app/tool_icons.h"
#include "editing/command_ids.h"
#include "editor/vantrel_view.h"
#include "elements/element_kinds.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace vantrel::test {
namespace {

using namespace command;

// Every command action reachable through the menu bar, in menu order.
void CollectMenuActions(const QMenu& menu, std::vector<QAction*>& actions)
{
    for (QAction* action : menu.actions()) {
        if (action->menu())
            CollectMenuActions(*action->menu(), actions);
        else if (action->data().isValid())
            actions.push_back(action);
    }
}

std::vector<QAction*> MenuActions(CMainFrame& frame)
{
    std::vector<QAction*> actions;
    for (QAction* top : frame.menuBar()->actions())
        CollectMenuActions(*top->menu(), actions);
    return actions;
}

QStringList MenuTitles(CMainFrame& frame)
{
    QStringList titles;
    for (QAction* top : frame.menuBar()->actions())
        titles.append(top->text());
    return titles;
}

QMenu* SubMenu(const QMenu& menu, const QString& title)
{
    for (QAction* action : menu.actions())
        if (action->menu() && action->text() == title)
            return action->menu();
    return nullptr;
}

std::vector<int> ButtonIds(const QToolBar& toolBar)
{
    std::vector<int> ids;
    for (QAction* action : toolBar.actions())
        ids.push_back(action->isSeparator() ? 0 : action->data().toInt());
    return ids;
}

struct MenuItem
{
    int id;
    const char* text;
    std::vector<QKeySequence> keys;
};

QKeySequence Keys(QKeyCombination combination)
{
    return QKeySequence(combination);
}

const std::vector<MenuItem>& ExpectedMenuItems()
{
    static const std::vector<MenuItem> items{
        {kFileNew, "&New\tCtrl+N", {Keys(Qt::CTRL | Qt::Key_N)}},
        {kFileOpen, "&Open...\tCtrl+O", {Keys(Qt::CTRL | Qt::Key_O)}},
        {kFileExamples, "Examp&les...", {}},
        {kFileSave, "&Save\tCtrl+S", {Keys(Qt::CTRL | Qt::Key_S)}},
        {kFileSaveAs, "Save &As...", {}},
        {kFileCompare, "Co&mpare With...", {}},
        {kFilePrint, "&Print...\tCtrl+P", {Keys(Qt::CTRL | Qt::Key_P)}},
        {kFilePrintPreview, "Print Pre&view", {}},
        {kFilePrintSetup, "P&rint Setup...", {}},
        {kImportIoNames, "I/O &Names...", {}},
        {kExportIoList, "I/O List", {}},
        {kExportPicture, "Picture...", {}},
        {kExportDocumentation, "Documentation...", {}},
        {kFileRecent, "Recent File", {}},
        {kAppExit, "E&xit", {}},
        {kEditUndo,
         "Undo\tCtrl+Z",
         {Keys(Qt::CTRL | Qt::Key_Z), Keys(Qt::ALT | Qt::Key_Backspace)}},
        {kEditRedo, "Redo\tCtrl+Y", {Keys(Qt::CTRL | Qt::Key_Y)}},
        {kEditCut, "Cu&t\tCtrl+X", {Keys(Qt::CTRL | Qt::Key_X), Keys(Qt::SHIFT | Qt::Key_Delete)}},
        {kEditCopy, "&Copy\tCtrl+C", {Keys(Qt::CTRL | Qt::Key_C), Keys(Qt::CTRL | Qt::Key_Insert)}},
        {kEditPaste,
         "&Paste\tCtrl+V",
         {Keys(Qt::CTRL | Qt::Key_V), Keys(Qt::SHIFT | Qt::Key_Insert)}},
        {kEditSaveBlock, "Save Selection as &Block...", {}},
        {kEditReplicate, "Replicate\tCtrl+R", {Keys(Qt::CTRL | Qt::Key_R)}},
        {kEditSelectAll, "Select All\t Ctrl+A", {Keys(Qt::CTRL | Qt::Key_A)}},
        {kEditFind, "Find\tCtrl+F", {Keys(Qt::CTRL | Qt::Key_F)}},
        {kBackgroundColor, "Background Color", {}},
        {kImportBackground, "Import background", {}},
        {kFlipHorizontally, "Horizontally", {}},
        {kFlipVertically, "Vertically", {}},
        {kNormalize, "Normalize", {}},
        {kViewToolbar, "&Toolbar", {}},
        {kViewStatusBar, "&Status Bar", {}},
        {kViewElementBar, "Element Bar", {}},
        {kViewProblems, "&Problems", {}},
        {kViewLibrary, "&Library", {}},
        {kViewElementNumbers, "Element numbers", {}},
        {kZoomIn, "In", {}},
        {kZoomOut, "Out", {}},
        {kZoomOne, "x1", {}},
        {kZoomFit, "Fit", {}},
        {kLayoutDesign, "Design", {}},
        {kLayoutPreview, "Preview design", {}},
        {kLayoutToggle, "Toggle", {Keys(Qt::CTRL | Qt::Key_D)}},
        {kIoCount, "IO Count", {}},
        {kIoSpeed, "IO Speed", {}},
        {kRemoteIo, "Remote I/O", {}},
        {kCustomRemoteIo, "Custom Remote I/O", {}},
        {kAutoSort, "Auto sort", {}},
        {kExportFlash, "Export to flash", {}},
        {kExportJson, "Export to JSON", {}},
        {kComplexCommands, "Complex Commands", {}},
        {kSimulationSetup, "Setup", {}},
        {kSimulationExport, "Export", {}},
        {kPageSetCount, "Set Count", {}},
        {kPageLeft, "Left\t(Ctr + Left)", {Keys(Qt::CTRL | Qt::Key_Left)}},
        {kPageRight, "Right\t(Ctr + Right)", {Keys(Qt::CTRL | Qt::Key_Right)}},
        {33001, "And", {}},
        {33002, "Or", {}},
        {33028, "NAND", {}},
        {33029, "NOR", {}},
        {33030, "XOR", {}},
        {33031, "NXOR", {}},
        {33011, "Not", {}},
        {33033, "Big And", {}},
        {33034, "Big Or", {}},
        {33035, "Big Alarm", {}},
        {33003, "Input", {}},
        {33004, "Output", {}},
        {33010, "User Input", {}},
        {33012, "Pulse User Input", {}},
        {33013, "User Output", {}},
        {33042, "Logged User Output", {}},
        {33023, "Analog Input", {}},
        {33024, "Analog Output", {}},
        {33046, "Temp Input", {}},
        {33006, "Delay", {}},
        {33036, "Pulse Delay", {}},
        {33025, "Var Delay", {}},
        {33040, "Var Pulse Delay", {}},
        {33041, "Filter", {}},
        {33020, "Clock", {}},
        {33043, "Timer", {}},
        {33045, "Speed", {}},
        {33007, "Mem", {}},
        {33009, "Switch", {}},
        {33037, "Delayed Stop Trigger", {}},
        {33038, "Toggle", {}},
        {33021, "Comp ==", {}},
        {33022, "Comp >", {}},
        {33016, "Accumulator", {}},
        {33032, "NoOp Reg", {}},
        {33017, "Register", {}},
        {33018, "Acc operation", {}},
        {33019, "Constant", {}},
        {33047, "In Replicator", {}},
        {33014, "In Marker", {}},
        {33015, "Out Marker", {}},
        {33026, "NL In Marker", {}},
        {33027, "NL Out Marker", {}},
        {33039, "Cycle breaker", {}},
        {33044, "Comment", {}},
        {kToolConnect, "Connect", {}},
        {kToolSelect, "Select", {}},
        {kPaintSelect, "Select", {}},
        {kPaintPen, "Pen", {}},
        {kPaintLine, "Line", {}},
        {kPaintEllipse, "Ellipse", {}},
        {kPaintFilledEllipse, "Filled Elipse", {}},
        {kPaintRectangle, "Rectangle", {}},
        {kPaintFilledRectangle, "Filled Rectangle", {}},
        {kPaintText, "Text", {}},
        {kPaintFilledText, "Filled Text", {}},
        {kAppAbout, "&About Vantrel...", {}},
    };
    return items;
}

class MainWindowTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        app = StartApp(notifier);
        ASSERT_TRUE(started);
    }

    CMainFrame& Frame() { return app->MainFrame(); }

    RecordingNotifier notifier;
    std::unique_ptr<CVantrelApp> app;
};

TEST_F(MainWindowTest, MenusHoldEveryCommandInOrderWithItsTextAndKeys)
{
    EXPECT_EQ(MenuTitles(Frame()), QStringList({"&File", "&Edit", "&View", "&Tools", "&Action",
                                                "&Paint Tool", "&Help"}));
    const std::vector<QAction*> actions = MenuActions(Frame());
    const std::vector<MenuItem>& expected = ExpectedMenuItems();
    ASSERT_EQ(actions.size(), expected.size() + 3) << "three hidden recent-file entries";
    std::size_t next = 0;
    for (QAction* action : actions) {
        if (!action->isVisible())
            continue;
        ASSERT_LT(next, expected.size());
        const MenuItem& item = expected[next++];
        EXPECT_EQ(action->data().toInt(), item.id) << item.text;
        EXPECT_EQ(action->text(), QString::fromUtf8(item.text));
        EXPECT_EQ(action->shortcuts(), QList<QKeySequence>(item.keys.begin(), item.keys.end()))
            << item.text;
        EXPECT_EQ(Frame().CommandAction(item.id), action);
    }
    EXPECT_EQ(next, expected.size());
}

// The Action > New menu is built from the table of element kinds: its kinds in
// table order, then the two tools, each with the table's texts.
TEST_F(MainWindowTest, TheNewMenuListsTheKindTableWithItsPrompts)
{
    QMenu* actionMenu = nullptr;
    for (QAction* top : Frame().menuBar()->actions())
        if (top->text() == "&Action")
            actionMenu = top->menu();
    ASSERT_NE(actionMenu, nullptr);
    QMenu* create = SubMenu(*actionMenu, "New");
    ASSERT_NE(create, nullptr);
    std::vector<int> listed;
    for (QAction* action : create->actions())
        if (!action->isSeparator())
            listed.push_back(action->data().toInt());
    std::vector<int> expected;
    for (const ElementKindRow& kind : ElementKinds())
        expected.push_back(kind.command);
    expected.insert(expected.end(), {kToolConnect, kToolSelect});
    EXPECT_EQ(listed, expected);

    for (const ElementKindRow& kind : ElementKinds()) {
        const QAction* action = Frame().CommandAction(kind.command);
        const QString menuText = QString::fromUtf8(kind.menuText);
        const QStringList prompt =
            kind.prompt ? QString::fromUtf8(kind.prompt).split('\n') : QStringList{menuText};
        EXPECT_EQ(action->text(), menuText);
        EXPECT_EQ(action->statusTip(), prompt[0]) << kind.className;
        EXPECT_EQ(action->toolTip(), prompt.value(1, menuText)) << kind.className;
    }
}

TEST_F(MainWindowTest, SubmenusSitWhereTheirItemsBelong)
{
    const struct
    {
        int id;
        QStringList path;
    } placements[] = {
        {kImportIoNames, {"&File", "Import"}},
        {kExportIoList, {"&File", "Export"}},
        {kExportPicture, {"&File", "Export"}},
        {kExportDocumentation, {"&File", "Export"}},
        {kFlipVertically, {"&Edit", "Flip"}},
        {kNormalize, {"&Edit", "Corrections"}},
        {kZoomFit, {"&View", "Zoom"}},
        {kLayoutToggle, {"&View", "Layout"}},
        {kCustomRemoteIo, {"&Tools", "Hardware Config"}},
        {kSimulationExport, {"&Tools", "Simulation"}},
        {kPageRight, {"&Tools", "Preview Page"}},
        {33044, {"&Action", "New"}},
        {kToolSelect, {"&Action", "New"}},
    };
    for (const auto& placement : placements) {
        QMenu* menu = nullptr;
        for (QAction* top : Frame().menuBar()->actions())
            if (top->text() == placement.path[0])
                menu = top->menu();
        ASSERT_NE(menu, nullptr);
        menu = SubMenu(*menu, placement.path[1]);
        ASSERT_NE(menu, nullptr) << placement.path.join('/').toStdString();
        EXPECT_TRUE(menu->actions().contains(Frame().CommandAction(placement.id))) << placement.id;
    }
}

TEST_F(MainWindowTest, CutIsDisabledAndItsKeysDoNothing)
{
    QAction* cut = Frame().CommandAction(kEditCut);
    EXPECT_FALSE(cut->isEnabled());
    EXPECT_FALSE(Frame().IsCommandEnabled(kEditCut));
    EXPECT_FALSE(Frame().RunCommand(kEditCut));
    emit Frame().View().Changed();
    EXPECT_FALSE(cut->isEnabled());
    // The application's own commands stay enabled.
    for (int id : {kFileNew, kFileOpen, kFileSave, kFileSaveAs, kFilePrintSetup, kAppExit,
                   kAppAbout, kFilePrint, kViewElementBar})
        EXPECT_TRUE(Frame().CommandAction(id)->isEnabled()) << id;
    EXPECT_FALSE(Frame().CommandAction(kFileRecent)->isEnabled()) << "no recent files yet";
}

TEST_F(MainWindowTest, ViewSwitchesHideOnlyTheirBarAndClearTheirCheckMark)
{
    CMainFrame& frame = Frame();
    const struct
    {
        int id;
        QWidget* bar;
    } switches[] = {
        {kViewElementBar, frame.ElementToolBar()},
        {kViewToolbar, frame.MainToolBar()},
        {kViewStatusBar, frame.statusBar()},
    };
    const QWidget* all[] = {frame.MainToolBar(), frame.ElementToolBar(), frame.PaintToolBar(),
                            frame.statusBar()};
    for (const auto& viewSwitch : switches) {
        QAction* action = frame.CommandAction(viewSwitch.id);
        EXPECT_TRUE(action->isChecked()) << viewSwitch.id;
        ASSERT_TRUE(frame.RunCommand(viewSwitch.id));
        EXPECT_FALSE(action->isChecked()) << viewSwitch.id;
        for (const QWidget* bar : all)
            EXPECT_EQ(bar->isVisible(), bar != viewSwitch.bar) << viewSwitch.id;
        ASSERT_TRUE(frame.RunCommand(viewSwitch.id));
        EXPECT_TRUE(action->isChecked()) << viewSwitch.id;
        EXPECT_TRUE(viewSwitch.bar->isVisible()) << viewSwitch.id;
    }
}

TEST_F(MainWindowTest, ToolBarsHoldTheirButtonsInOrderWithIconsAndTooltips)
{
    CMainFrame& frame = Frame();
    EXPECT_EQ(ButtonIds(*frame.MainToolBar()),
              std::vector<int>({kFileNew, kFileOpen, kFileSave, 0, kEditCut, kEditCopy, kEditPaste,
                                0, kFilePrint, kAppAbout}));
    EXPECT_EQ(
        ButtonIds(*frame.ElementToolBar()),
        std::vector<int>({33008, 33005, 33001, 33002, 33028, 33029, 33030, 33031, 33003, 33004,
                          33010, 33012, 33013, 33042, 33041, 33006, 33025, 33036, 33040, 33011,
                          33007, 33009, 33038, 33037, 33047, 33014, 33015, 33016, 33017, 33018,
                          33019, 33022, 33021, 33020, 33023, 33024, 33026, 33027, 33032, 33043,
                          33045, 33046, 33033, 33034, 33035, 33039, 33044}));
    EXPECT_EQ(ButtonIds(*frame.PaintToolBar()),
              std::vector<int>({32832, 32829, 32830, 32831, 32833, 32834, 32837, 32835, 32836}));
    EXPECT_EQ(frame.toolBarArea(frame.MainToolBar()), Qt::TopToolBarArea);
    EXPECT_EQ(frame.toolBarArea(frame.ElementToolBar()), Qt::TopToolBarArea);
    EXPECT_EQ(frame.toolBarArea(frame.PaintToolBar()), Qt::LeftToolBarArea);

    for (QToolBar* toolBar : {frame.MainToolBar(), frame.ElementToolBar(), frame.PaintToolBar()}) {
        EXPECT_TRUE(toolBar->isMovable() && toolBar->isFloatable());
        EXPECT_EQ(toolBar->allowedAreas(), Qt::AllToolBarAreas);
        for (QAction* action : toolBar->actions()) {
            if (action->isSeparator())
                continue;
            const QImage icon = action->icon().pixmap(kToolIconSize, kToolIconSize).toImage();
            EXPECT_FALSE(icon.isNull()) << action->data().toInt();
            bool inked = false;
            for (int y = 0; y < icon.height() && !inked; ++y)
                for (int x = 0; x < icon.width() && !inked; ++x)
                    inked = qAlpha(icon.pixel(x, y)) != 0;
            EXPECT_TRUE(inked) << "blank icon for " << action->data().toInt();
            auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(action));
            ASSERT_NE(button, nullptr);
            EXPECT_TRUE(button->autoRaise()) << "flat";
        }
    }
    const struct
    {
        int id;
        const char* tooltip;
    } tooltips[] = {{kFileNew, "New"},    {kEditPaste, "Paste"},
                    {kAppAbout, "About"}, {33001, "And"},
                    {33044, "Comment"},   {33021, "Comp =="},
                    {33008, "Select"},    {kPaintFilledEllipse, "Filled Elipse"}};
    for (const auto& tip : tooltips)
        EXPECT_EQ(frame.CommandAction(tip.id)->toolTip(), QString::fromUtf8(tip.tooltip));
}

TEST_F(MainWindowTest, ElementButtonsAreCheckableTools)
{
    CMainFrame& frame = Frame();
    for (int id = kFirstElementTool; id <= kLastElementTool; ++id)
        EXPECT_TRUE(frame.CommandAction(id)->isCheckable()) << id;
    for (int id = kPaintPen; id <= kPaintFilledRectangle; ++id)
        EXPECT_TRUE(frame.CommandAction(id)->isCheckable()) << id;
    EXPECT_FALSE(frame.CommandAction(kFileNew)->isCheckable());
}

void Hover(QWidget& widget)
{
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), widget.mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(&widget, &enter);
}

void Leave(QWidget& widget)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&widget, &leave);
}

TEST_F(MainWindowTest, StatusBarShowsTheHoveredCommandsPromptAndReadyOtherwise)
{
    CMainFrame& frame = Frame();
    EXPECT_EQ(frame.StatusMessage(), "Ready");
    const struct
    {
        QToolBar* toolBar;
        int id;
        const char* prompt;
    } hovers[] = {
        {frame.ElementToolBar(), 33001, "New AND"},
        {frame.ElementToolBar(), 33008, "Select Tool"},
        {frame.ElementToolBar(), 33021, "New Comparator ( = )"},
        {frame.ElementToolBar(), 33033, "Big And"},
        {frame.PaintToolBar(), kPaintFilledText, "New Filled Text"},
        {frame.MainToolBar(), kFileNew, "Create a new document"},
        {frame.MainToolBar(), kEditPaste, "Insert Clipboard contents"},
    };
    for (const auto& hover : hovers) {
        QWidget* button = hover.toolBar->widgetForAction(frame.CommandAction(hover.id));
        ASSERT_NE(button, nullptr);
        Hover(*button);
        EXPECT_EQ(frame.StatusMessage(), QString::fromUtf8(hover.prompt));
        Leave(*button);
        EXPECT_EQ(frame.StatusMessage(), "Ready");
    }
    // Menu items tell the same prompt.
    frame.CommandAction(kEditUndo)->showStatusText(&frame);
    EXPECT_EQ(frame.StatusMessage(), "Undo the last action");
}

TEST_F(MainWindowTest, LockKeyPanesFollowTheTypedKeys)
{
    const LockKeyPanes& panes = Frame().LockKeys();
    EXPECT_EQ(panes.CapsPane()->text(), "CAP");
    EXPECT_EQ(panes.NumPane()->text(), "NUM");
    EXPECT_EQ(panes.ScrollPane()->text(), "SCRL");
    EXPECT_TRUE(panes.CapsPane()->isVisible());

    auto type = [this](int key, Qt::KeyboardModifiers modifiers, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(&Frame().View(), &press);
    };
    type(Qt::Key_A, Qt::NoModifier, "A");
    EXPECT_TRUE(panes.CapsPane()->isEnabled());
    type(Qt::Key_A, Qt::ShiftModifier, "A");
    EXPECT_FALSE(panes.CapsPane()->isEnabled());
    type(Qt::Key_7, Qt::KeypadModifier, "7");
    EXPECT_TRUE(panes.NumPane()->isEnabled());
    type(Qt::Key_Home, Qt::KeypadModifier, {});
    EXPECT_FALSE(panes.NumPane()->isEnabled());
}

TEST(AboutDialog, ShowsTheIconTheVersionAndOk)
{
    CAboutDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "About Vantrel");
    QStringList texts;
    bool hasIcon = false;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        texts.append(label->text());
        hasIcon = hasIcon || !label->pixmap().isNull();
    }
    EXPECT_TRUE(texts.contains("Vantrel Version 2.0"));
    EXPECT_TRUE(hasIcon);
    const auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->standardButtons(), QDialogButtonBox::Ok);
}

TEST_F(MainWindowTest, ScreenshotLooksLikeAFinishedTool)
{
    CMainFrame& frame = Frame();
    frame.resize(1440, 900);
    QApplication::processEvents();
    const QString folder = QStringLiteral(VANTREL_TEST_OUTPUT_DIR "/app");
    QDir().mkpath(folder);
    const QPixmap shot = frame.grab();
    EXPECT_TRUE(shot.save(folder + QStringLiteral("/main_window.png")));
    EXPECT_EQ(shot.size(), frame.size());
}

TEST_F(MainWindowTest, ScreenshotOfTheFileMenuWithItsExportSubmenuOpen)
{
    QMenu* file = Frame().menuBar()->actions().constFirst()->menu();
    ASSERT_NE(file, nullptr);
    QMenu* exports = SubMenu(*file, "Export");
    ASSERT_NE(exports, nullptr);
    QStringList entries;
    for (const QAction* action : exports->actions())
        entries.append(action->text());
    EXPECT_EQ(entries, (QStringList{"I/O List", "Picture...", "Documentation..."}));

    file->popup(QPoint(0, 0));
    const QRect exportEntry = file->actionGeometry(exports->menuAction());
    exports->popup(QPoint(file->width(), exportEntry.top()));
    QApplication::processEvents();
    QImage shot(file->width() + exports->width(),
                std::max(file->height(), exportEntry.top() + exports->height()),
                QImage::Format_RGB32);
    shot.fill(Qt::darkGray);
    {
        QPainter painter(&shot);
        painter.drawPixmap(0, 0, file->grab());
        painter.drawPixmap(file->width(), exportEntry.top(), exports->grab());
    }
    exports->hide();
    file->hide();
    const QString folder = QStringLiteral(VANTREL_TEST_OUTPUT_DIR "/app");
    QDir().mkpath(folder);
    EXPECT_TRUE(shot.save(folder + QStringLiteral("/file_export_menu.png")));
}

} // namespace
} // namespace vantrel::test
