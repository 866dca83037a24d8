// The real main window with its real dialogs and message boxes, driven from
// the keyboard the way a user types: no click ever goes into a dialog, the
// keys go to whatever widget has the keyboard focus.
#include "app_test_support.h"

#include "dialogs/dialog_driver.h"
#include "editor/vantrel_view.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "elements/timing_elements.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace vantrel {
namespace {

using namespace command;
using Strings = std::vector<std::string>;

// Types into the modal dialogs as they come up. Each step waits until a modal
// dialog is open and holds the keyboard focus, then gets the focused widget.
// The next step is already waiting while a step runs, so a step may open a
// dialog (a refusal) that the next one answers.
class Typist
{
public:
    using Step = std::function<void(QWidget& focused)>;

    void Type(std::vector<Step> steps)
    {
        steps_ = std::move(steps);
        next_ = 0;
        focused.clear();
        WaitForDialog();
    }

    bool Done() const { return next_ == steps_.size(); }
    // For each step, the control id (object name) of the widget it found focused.
    Strings focused;

private:
    static constexpr int kPollMs = 5;
    static constexpr int kPatience = 2000; // polls before the dialog is given up

    void WaitForDialog()
    {
        waited_ = 0;
        QTimer::singleShot(kPollMs, &context_, [this] { Poll(); });
    }

    void Poll()
    {
        if (Done())
            return;
        QWidget* dialog = QApplication::activeModalWidget();
        QWidget* focus = QApplication::focusWidget();
        if (!dialog || !focus || focus->window() != dialog) {
            if (++waited_ < kPatience)
                QTimer::singleShot(kPollMs, &context_, [this] { Poll(); });
            else if (dialog) // the keyboard never reached it: close it, the test fails
                dialog->close();
            return;
        }
        const Step step = steps_[next_++];
        focused.push_back(focus->objectName().toStdString());
        WaitForDialog();
        step(*focus);
    }

    QObject context_;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    int waited_ = 0;
};

Typist::Step Keys(const QString& text)
{
    return [text](QWidget& focused) {
        QTest::keyClicks(&focused, text);
        QTest::keyClick(&focused, Qt::Key_Return);
    };
}

class KeyboardTyping : public test::AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        // The desktop's own notifier: real message boxes.
        app = std::make_unique<CVantrelApp>(AppServices{nullptr, &fileDialogs});
        ASSERT_TRUE(app->InitInstance({}));
        app->MainFrame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&app->MainFrame()));
    }

    CVantrelView& View() { return app->MainFrame().View(); }
    CVantrelDoc& Document() { return app->Document(); }

    // Zoom 1 and origin 0: cell (x, y) is under device point (80x, 80y).
    void ClickCell(int tool, Point cell)
    {
        ASSERT_TRUE(app->MainFrame().RunCommand(tool));
        QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, QPoint(80 * cell.x, 80 * cell.y));
    }

    // The keyboard focus is back in the view once the window system had its
    // say, before anything the user types next.
    bool FocusReturnsToTheView()
    {
        return QTest::qWaitFor([this] { return QApplication::focusWidget() == &View(); }, 5000);
    }

    void PressUndo()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    }

    Typist typist;
    std::unique_ptr<CVantrelApp> app;
};

TEST_F(KeyboardTyping, PlacedElementsTakeWhatIsTypedAndCtrlZWorksRightAfter)
{
    typist.Type({Keys(QStringLiteral("42"))});
    ClickCell(kFirstElementTool + 18, {1, 1}); // Constant
    ASSERT_TRUE(typist.Done());
    EXPECT_EQ(typist.focused, (Strings{"1029"}));
    ASSERT_EQ(Document().elements[kConstantList].size(), 1u);
    EXPECT_EQ(static_cast<NL_Constant&>(*Document().FindAt({1, 1})).value, 42);
    EXPECT_TRUE(FocusReturnsToTheView());

    typist.Type({Keys(QStringLiteral("Door"))});
    ClickCell(kFirstElementTool + 9, {3, 1}); // User Input
    ASSERT_TRUE(typist.Done());
    auto* user = dynamic_cast<LogUser*>(Document().FindAt({3, 1}));
    ASSERT_NE(user, nullptr);
    EXPECT_EQ(typist.focused, (Strings{"1003"}));
    EXPECT_EQ(user->name, u"Door");

    ASSERT_TRUE(FocusReturnsToTheView());
    PressUndo();
    EXPECT_EQ(Document().FindAt({3, 1}), nullptr);
    EXPECT_NE(Document().FindAt({1, 1}), nullptr);
    PressUndo();
    EXPECT_EQ(Document().FindAt({1, 1}), nullptr);
}

TEST_F(KeyboardTyping, ARefusedNumberIsCorrectedFromTheKeyboardAfterTheWarning)
{
    typist.Type({Keys(QStringLiteral("ten")), Keys({}), Keys(QStringLiteral("10"))});
    ClickCell(kFirstElementTool + 5, {2, 2}); // Delay

    ASSERT_TRUE(typist.Done());
    // The field, the warning's OK button, the field again with its text selected.
    EXPECT_EQ(typist.focused, (Strings{"1003", "", "1003"}));
    auto* delay = dynamic_cast<LogDelay*>(Document().FindAt({2, 2}));
    ASSERT_NE(delay, nullptr);
    EXPECT_EQ(delay->delay, 10);
    EXPECT_TRUE(FocusReturnsToTheView());
}

TEST_F(KeyboardTyping, DoubleClickingAnOutputSwapsItsNumberWithTheOneItTakes)
{
    Document().InsertElement(std::make_unique<LogOut>(Point{2, 2}, 1, 2, u"Fan"));
    Document().InsertElement(std::make_unique<LogOut>(Point{4, 2}, 2, 7, u"Horn"));
    Document().SetModified(false);
    QStringList offered;
    typist.Type({[&](QWidget& name) {
        // The name is selected: typing replaces it. Tab leads to the numbers.
        QTest::keyClicks(&name, QStringLiteral("Siren"));
        QTest::keyClick(&name, Qt::Key_Tab);
        auto& numbers = test::ControlById<QComboBox>(*name.window(), 1001);
        offered = test::Entries(numbers);
        test::SaveDialogPicture(static_cast<QDialog&>(*name.window()), "double_click_output.png");
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("8"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }});

    QTest::mouseDClick(View().viewport(), Qt::LeftButton, {}, QPoint(160, 160));

    ASSERT_TRUE(typist.Done());
    EXPECT_EQ(typist.focused, (Strings{"1000"}));
    EXPECT_TRUE(offered.contains(QStringLiteral("3")));
    EXPECT_TRUE(offered.contains(QStringLiteral("8 in use")));
    const auto& fan = static_cast<LogOut&>(*Document().FindById(1));
    const auto& horn = static_cast<LogOut&>(*Document().FindById(2));
    EXPECT_EQ(fan.name, u"Siren");
    EXPECT_EQ(fan.number, 7);
    EXPECT_EQ(horn.number, 2);
    EXPECT_EQ(Document().UndoStack().size(), 1u);
    EXPECT_TRUE(Document().IsModified());

    ASSERT_TRUE(FocusReturnsToTheView());
    PressUndo();
    EXPECT_EQ(static_cast<LogOut&>(*Document().FindById(1)).number, 2);
    EXPECT_EQ(static_cast<LogOut&>(*Document().FindById(2)).number, 7);
}

TEST_F(KeyboardTyping, AMessageBoxClosesWithEnterAndTheViewHasTheKeysAgain)
{
    Document().InsertElement(std::make_unique<LogIO>(Point{1, 1}, 1, 0, u"Odd"));
    QString shown;
    typist.Type({[&](QWidget& button) {
        shown = button.window()->windowTitle() + ": " + button.property("text").toString();
        QTest::keyClick(&button, Qt::Key_Return);
    }});

    QTest::mouseDClick(View().viewport(), Qt::LeftButton, {}, QPoint(80, 80));

    ASSERT_TRUE(typist.Done());
    EXPECT_EQ(shown.toStdString(), "Internal error: OK");
    EXPECT_TRUE(FocusReturnsToTheView());
    EXPECT_TRUE(Document().UndoStack().empty());
}

} // namespace
} // namespace vantrel
