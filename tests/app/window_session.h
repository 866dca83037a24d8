#pragma once

// The real main window, shown and active, on a new design: its property
// dialogs and the view's questions answered by scripts, its messages
// recorded; mouse events go to the view as the user gives them.

#include "app_test_support.h"

#include "editor/vantrel_view.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_prompts.h"

#include <QMouseEvent>
#include <QTest>

namespace vantrel::test {

class WindowSession : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        app =
            std::make_unique<CVantrelApp>(AppServices{&notifier, &fileDialogs, &dialogs, &prompts});
        ASSERT_TRUE(app->InitInstance({}));
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    }

    CMainFrame& Frame() { return app->MainFrame(); }
    CVantrelView& View() { return Frame().View(); }
    CVantrelDoc& Document() { return app->Document(); }
    const ViewState& State() { return View().State(); }
    QWidget* Canvas() { return View().viewport(); }

    // A mouse move to `to` with the buttons held.
    void Move(QPoint to, Qt::MouseButtons held)
    {
        QMouseEvent move(QEvent::MouseMove, to, to, Qt::NoButton, held, Qt::NoModifier);
        QApplication::sendEvent(Canvas(), &move);
    }

    // Presses the left button at `from` and moves to `to`, holding it.
    void StartDrag(QPoint from, QPoint to)
    {
        QTest::mousePress(Canvas(), Qt::LeftButton, {}, from);
        Move((from + to) / 2, Qt::LeftButton);
        Move(to, Qt::LeftButton);
    }

    // Chooses the tool, then clicks at `at`.
    void Click(int tool, QPoint at)
    {
        ASSERT_TRUE(Frame().RunCommand(tool));
        QTest::mouseClick(Canvas(), Qt::LeftButton, {}, at);
    }

    RecordingNotifier notifier{MessageAnswer::Ok};
    ScriptedDialogs dialogs;
    ScriptedPrompts prompts;
    std::unique_ptr<CVantrelApp> app;
};

} // namespace vantrel::test
