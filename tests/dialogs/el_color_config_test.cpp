// "Color config" with a real design: its lists, the enabling of the binding
// controls, the colour choices, the number checks on OK and Cancel through
// the double-click edit.
#include "dialogs/colour_chooser.h"
#include "dialogs/dialog_driver.h"
#include "dialogs/el_color_config.h"
#include "dialogs/qt_element_dialogs.h"
#include "dialogs/text_box.h"
#include "editing/paint_editing.h"
#include "editing/view_state.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "paint/shapes.h"
#include "paint/text_stuff.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::ControlById;

bool Enabled(QWidget& dialog, int id)
{
    return ControlById<QWidget>(dialog, id).isEnabled();
}

// The swatch beside a "Pick" button: its colour, or none while hidden.
std::optional<Colour> Swatch(QWidget& dialog, int pickId)
{
    auto* swatch = dialog.findChild<QFrame*>(QStringLiteral("swatch%1").arg(pickId));
    if (!swatch || swatch->isHidden())
        return std::nullopt;
    return FromQColor(swatch->palette().color(QPalette::Window));
}

class ColorConfig : public test::DesignTest
{
protected:
    // I/O elements in an order their descriptions do not sort in, a gate
    // that is no I/O element, and two monitored values besides a hidden one.
    ColorConfig()
    {
        Insert(std::make_unique<LogOut>(Point{0, 0}, 1, 0, u"Pump"));
        Insert(std::make_unique<LogUser>(Point{0, 1}, 2, 0, u"Reset"));
        Insert(std::make_unique<LogIn>(Point{0, 2}, 3, 0, u"Start"));
        Insert(std::make_unique<LogPulseUser>(Point{0, 3}, 4, 1, u"Jog"));
        Insert(std::make_unique<LogUserOut>(Point{0, 4}, 5, 0, u"Lamp"));
        Insert(std::make_unique<LogAnd>(Point{0, 5}, 6));
        Insert(std::make_unique<GP_Register>(Point{0, 6}, 7, 0, true, u"Flow"));
        Insert(std::make_unique<GP_Register>(Point{0, 7}, 8, 0, false, u"Hidden"));
        Insert(std::make_unique<Acc>(Point{0, 8}, 9, u"Level", 0));
    }
};

TEST_F(ColorConfig, ListsAreSortedAndChooseTheBoundEntryOrElseTheFirstOffered)
{
    FilledSquare object;
    object.active2Id = 3;
    object.progressId = 7;
    object.style = PaintStuff::kMoving;
    ElColorConfig dialog(object, &document);
    EXPECT_EQ(dialog.windowTitle(), "Color config");

    auto& active = ControlById<QComboBox>(dialog, 1011);
    auto& active2 = ControlById<QComboBox>(dialog, 1019);
    auto& command = ControlById<QComboBox>(dialog, 1006);
    auto& progress = ControlById<QComboBox>(dialog, 1010);
    const QStringList io = test::Entries(active);
    ASSERT_EQ(io.size(), 5);
    EXPECT_TRUE(io[0].startsWith("Input: Start, "));
    EXPECT_TRUE(io[1].startsWith("Output: Pump, "));
    EXPECT_EQ(io.mid(2),
              QStringList({"User Input: Jog, 2", "User Input: Reset, 1", "User Output: Lamp, 1"}));
    EXPECT_EQ(test::Entries(active2), io);
    EXPECT_EQ(test::Entries(command), QStringList({"User Input: Jog, 2", "User Input: Reset, 1"}));
    EXPECT_EQ(test::Entries(progress), QStringList({"Acc: Level", "GP Register: Flow"}));
    EXPECT_EQ(test::Entries(ControlById<QComboBox>(dialog, 1015)),
              QStringList({"Solid color", "Blinking", "Moving"}));

    // Ids 0 match nothing: the output and the user input offered first stay
    // chosen, although they no longer come first.
    EXPECT_EQ(active.currentData().toInt(), 1);
    EXPECT_EQ(command.currentData().toInt(), 2);
    EXPECT_EQ(active2.currentData().toInt(), 3);
    EXPECT_EQ(progress.currentData().toInt(), 7);

    test::PressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(object.activeId, 1);
    EXPECT_EQ(object.commandId, 2);
    EXPECT_EQ(object.active2Id, 3);
    EXPECT_EQ(object.progressId, 7);
    EXPECT_EQ(object.style, PaintStuff::kMoving);
}

TEST_F(ColorConfig, BindingControlsFollowTheirBoxesAndFillColoursNeedAFilledObject)
{
    Line line;
    line.hasActive = line.hasActive2 = 1;
    ElColorConfig lineDialog(line, &document);
    for (int id : {1008, 1013, 1018}) {
        EXPECT_FALSE(Enabled(lineDialog, id)) << id;
        EXPECT_EQ(Swatch(lineDialog, id), std::nullopt) << id;
    }
    EXPECT_TRUE(Enabled(lineDialog, 1012));
    EXPECT_TRUE(Enabled(lineDialog, 1017));

    FilledCircle circle;
    circle.style = PaintStuff::kBlinking;
    ElColorConfig dialog(circle, &document);
    EXPECT_TRUE(Enabled(dialog, 1007));
    EXPECT_TRUE(Enabled(dialog, 1008));
    EXPECT_EQ(Swatch(dialog, 1008), Rgb(100, 100, 100));
    const struct
    {
        int box;
        std::vector<int> controls;
    } groups[] = {
        {1004, {1015, 1011, 1012, 1013}},
        {1009, {1019, 1017, 1018}},
        {1005, {1006}},
        {1031, {1010, 1020}},
    };
    for (const auto& group : groups) {
        SCOPED_TRACE(group.box);
        for (int id : group.controls)
            EXPECT_FALSE(Enabled(dialog, id)) << id;
        ControlById<QCheckBox>(dialog, group.box).click();
        for (int id : group.controls)
            EXPECT_TRUE(Enabled(dialog, id)) << id;
    }
    EXPECT_EQ(Swatch(dialog, 1013), Rgb(100, 0, 0));
    EXPECT_EQ(Swatch(dialog, 1017), Rgb(0, 255, 255));
    EXPECT_EQ(Swatch(dialog, 1020), Rgb(255, 0, 0));

    // Clearing the first box again disables the style; the style chosen
    // earlier stays in the object.
    ControlById<QCheckBox>(dialog, 1004).click();
    EXPECT_FALSE(Enabled(dialog, 1015));
    EXPECT_EQ(Swatch(dialog, 1012), std::nullopt);
    test::PressOk(dialog);
    EXPECT_EQ(circle.hasActive, 0);
    EXPECT_EQ(circle.style, PaintStuff::kBlinking);
    EXPECT_EQ(circle.hasActive2, 1);
    EXPECT_EQ(circle.hasCommand, 1);
    EXPECT_EQ(circle.hasProgress, 1);
}

TEST_F(ColorConfig, PickSetsTheColourAndItsSwatchUnlessTheChooserIsCancelled)
{
    FilledSquare object;
    object.hasActive = 1;
    std::vector<Colour> presets;
    std::optional<Colour> answer = Rgb(10, 20, 30);
    ScopedColourChooser chooser([&](QWidget*, Colour current) {
        presets.push_back(current);
        return answer;
    });
    ElColorConfig dialog(object, &document);
    ControlById<QPushButton>(dialog, 1007).click();
    ControlById<QPushButton>(dialog, 1013).click();
    answer.reset();
    ControlById<QPushButton>(dialog, 1012).click();
    EXPECT_EQ(presets, (std::vector<Colour>{Rgb(0, 0, 0), Rgb(100, 0, 0), Rgb(255, 0, 0)}));
    EXPECT_EQ(object.normalColor, Rgb(10, 20, 30));
    EXPECT_EQ(object.fillColors[1], Rgb(10, 20, 30));
    EXPECT_EQ(object.activeColor, Rgb(255, 0, 0));
    EXPECT_EQ(Swatch(dialog, 1007), Rgb(10, 20, 30));
    EXPECT_EQ(Swatch(dialog, 1013), Rgb(10, 20, 30));
}

TEST_F(ColorConfig, NumbersOutOfRangeAreRefusedAndKeepTheDialogOpen)
{
    const struct
    {
        int edit;
        const char* text;
        const char* prompt;
    } cases[] = {
        {1014, "0", "Enter an integer between 1 and 100."},
        {1014, "101", "Enter an integer between 1 and 100."},
        {1016, "16777216", "Enter an integer between 1 and 16777215."},
        {1016, "-1", "Enter an integer between 1 and 16777215."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Square object;
        test::RefusalLog refusals;
        ElColorConfig dialog(object, &document);
        dialog.show();
        auto& edit = ControlById<QLineEdit>(dialog, c.edit);
        edit.setText(c.text);
        test::PressOk(dialog);
        EXPECT_EQ(refusals.prompts, QStringList{c.prompt});
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.focusWidget(), &edit);
    }

    Square object;
    ElColorConfig dialog(object, &document);
    ControlById<QLineEdit>(dialog, 1014).setText("100");
    ControlById<QLineEdit>(dialog, 1016).setText("16777215");
    test::PressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(object.width, 100);
    EXPECT_EQ(object.progressMax, 16777215);
}

TEST_F(ColorConfig, OpensWithTheWidthSelectedAndTabsInReadingOrder)
{
    FilledSquare object;
    object.width = 12;
    object.hasActive = 1;
    ElColorConfig dialog(object, &document);
    dialog.show();
    auto& width = ControlById<QLineEdit>(dialog, 1014);
    EXPECT_EQ(dialog.focusWidget(), &width);
    EXPECT_EQ(width.selectedText(), "12");

    // Tab goes down the rows, the colour buttons included.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    for (int id : {1007, 1008, 1004, 1038, 1015, 1011, 1012, 1013, 1009}) {
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(dialog.focusWidget(), &ControlById<QWidget>(dialog, id)) << id;
    }
}

TEST(ColorConfigLists, WithoutUserInputsTheCommandListIsEmptyDisabledAndGivesMinusOne)
{
    CVantrelDoc document;
    document.InsertElement(std::make_unique<LogIn>(Point{0, 0}, 1, 0, u"Start"));
    for (const ElFinder* finder :
         {static_cast<const ElFinder*>(&document), static_cast<const ElFinder*>(nullptr)}) {
        Circle object;
        object.commandId = 1;
        ElColorConfig dialog(object, finder);
        auto& command = ControlById<QComboBox>(dialog, 1006);
        EXPECT_EQ(command.count(), 0);
        EXPECT_FALSE(command.isEnabled());
        test::PressOk(dialog);
        EXPECT_EQ(object.commandId, -1);
        EXPECT_EQ(object.progressId, -1);
        EXPECT_EQ(object.activeId, finder ? 1 : -1);
    }
}

// The real dialogs behind a double click: the text is accepted, a new
// primary colour picked and the colour dialog cancelled.
TEST_F(ColorConfig, CancelAfterPickingRestoresTheColourAndKeepsTheNewText)
{
    auto text = std::make_unique<FilledText>(Point{200, 150}, Rect{0, 0, 800, 600}, u"Old", 0);
    text->activeColor = Rgb(1, 1, 1);
    FilledText& object = *text;
    document.paintObjects.push_back(std::move(text));
    ScopedColourChooser chooser([](QWidget*, Colour) { return Rgb(200, 0, 200); });
    QtElementDialogs dialogs(nullptr, [](QDialog& dialog) {
        if (dynamic_cast<CTextBox*>(&dialog)) {
            ControlById<QLineEdit>(dialog, 1003).setText("New");
            return int(QDialog::Accepted);
        }
        ControlById<QPushButton>(dialog, 1007).click();
        ControlById<QCheckBox>(dialog, 1004).click();
        return int(QDialog::Rejected);
    });
    ViewState state;
    state.layoutMode = LayoutMode::Preview;

    EXPECT_TRUE(EditPaintObjectAt(document, dialogs, state, {203, 153}, {0, 0, 800, 600}));
    EXPECT_EQ(object.text, u"New");
    EXPECT_EQ(object.normalColor, Rgb(0, 0, 0));
    EXPECT_EQ(object.activeColor, Rgb(1, 1, 1));
    EXPECT_EQ(object.hasActive, 0);
    EXPECT_EQ(document.UndoStack().size(), 1u);
}

TEST_F(ColorConfig, PictureOfTheDialog)
{
    FilledSquare object;
    object.hasActive = object.hasActive2 = object.hasProgress = 1;
    object.normalColor = Rgb(20, 60, 160);
    object.activeId = 3;
    object.progressId = 9;
    ElColorConfig dialog(object, &document);
    EXPECT_TRUE(test::SaveDialogPicture(dialog, "el_color_config.png"));
}

} // namespace
} // namespace vantrel
