// "Find Elements" over the descriptions of a real design.
#include "dialogs/dialog_driver.h"
#include "dialogs/find_dialog.h"
#include "editing/element_search.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::ControlById;

// The design is built before the dialog that lists it.
class FindDesign : public test::DesignTest
{
protected:
    FindDesign()
    {
        Insert(std::make_unique<LogIn>(Point{0, 0}, 1, 0, u"Start"));
        Insert(std::make_unique<LogOut>(Point{0, 1}, 2, 0, u"Lamp"));
        Insert(std::make_unique<LogAnd>(Point{0, 2}, 3));
        Insert(std::make_unique<LogUser>(Point{0, 3}, 4, 0, u"Reset"));
        Insert(std::make_unique<LogIn>(Point{0, 4}, 5, 0, u"Start")); // the same description
        Insert(std::make_unique<Acc>(Point{0, 5}, 6, u"Level", 0));
    }
};

class FindDialogTest : public FindDesign
{
protected:
    void Type(const QString& text)
    {
        QTest::keyClicks(&ControlById<QLineEdit>(dialog, 1023), text);
    }
    void Press(Qt::Key key) { QTest::keyClick(&ControlById<QLineEdit>(dialog, 1023), key); }

    QStringList Listed()
    {
        const auto& list = ControlById<QListWidget>(dialog, 1024);
        QStringList labels;
        for (int i = 0; i < list.count(); ++i)
            labels.append(list.item(i)->text());
        return labels;
    }
    QString Count() { return ControlById<QLabel>(dialog, 1081).text(); }

    CFindDialog dialog{DescribedElements(document)};
};

TEST_F(FindDialogTest, OpensWithEveryDescriptionAndTheFirstChosen)
{
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(QApplication::focusWidget(), &ControlById<QLineEdit>(dialog, 1023));
    EXPECT_EQ(Listed(), QStringList({"Input: Start, 1", "Output: Lamp, 1", "User Input: Reset, 1",
                                     "Input: Start, 1", "Acc: Level"}));
    EXPECT_EQ(Count(), "5 results");
    EXPECT_EQ(dialog.Chosen(), 1);
    EXPECT_TRUE(test::SaveDialogPicture(dialog, QStringLiteral("find_elements.png")));
}

TEST_F(FindDialogTest, TheLettersInListEveryInputAndUserInputInAnyCase)
{
    Type(QStringLiteral("IN"));
    EXPECT_EQ(Listed(),
              QStringList({"Input: Start, 1", "User Input: Reset, 1", "Input: Start, 1"}));
    EXPECT_EQ(Count(), "3 results");
    EXPECT_EQ(dialog.Chosen(), 1);
}

TEST_F(FindDialogTest, UpAndDownMoveThroughTheMatchesAndStopAtTheEnds)
{
    Type(QStringLiteral("start"));
    const std::vector<std::pair<Qt::Key, std::int32_t>> steps{
        {Qt::Key_Down, 5}, {Qt::Key_Down, 5}, {Qt::Key_Up, 1}, {Qt::Key_Up, 1}, {Qt::Key_Down, 5}};
    for (const auto& [key, chosen] : steps) {
        Press(key);
        EXPECT_EQ(dialog.Chosen(), chosen);
    }
    // The second of two equal descriptions is the second element.
    test::PressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Chosen(), 5);
}

TEST_F(FindDialogTest, DoubleClickChoosesAndCloses)
{
    dialog.show();
    auto& list = ControlById<QListWidget>(dialog, 1024);
    const QRect third = list.visualItemRect(list.item(2));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, third.center());
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, third.center());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Chosen(), 4);
}

TEST_F(FindDialogTest, NoMatchChoosesNothing)
{
    Type(QStringLiteral("pump"));
    EXPECT_TRUE(Listed().isEmpty());
    EXPECT_EQ(Count(), "0 results");
    Press(Qt::Key_Down);
    EXPECT_EQ(dialog.Chosen(), std::nullopt);
}

} // namespace
} // namespace vantrel
