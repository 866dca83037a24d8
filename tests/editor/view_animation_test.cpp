// The view's 250 ms timer repaints a preview page only while something on it
// blinks or moves.
#include "editor/vantrel_view.h"

#include "document/vantrel_doc.h"
#include "paint/shapes.h"
#include "qt_adapters/qt_image_codec.h"
#include "support/scripted_config_dialogs.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_prompts.h"

#include <QTest>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

class PaintCounter : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    int paints = 0;
};

class ViewAnimation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        blinking = Add(PaintStuff::kBlinking);
        solid = Add(PaintStuff::kSolid);
        view.State().layoutMode = LayoutMode::Preview;
        view.State().paintSelection = {solid};
        view.viewport()->installEventFilter(&counter);
        view.resize(400, 300);
        view.show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return view.State().timerStarted; }, 5000));
    }

    PaintStuff* Add(int style)
    {
        auto line = std::make_unique<Line>();
        line->style = style;
        line->to = {0.5f, 0.5f};
        PaintStuff* raw = line.get();
        document.paintObjects.push_back(std::move(line));
        return raw;
    }

    // Paints while the timer ticks three times.
    int PaintsOverThreeTicks()
    {
        QCoreApplication::processEvents();
        counter.paints = 0;
        const int start = view.State().tick;
        EXPECT_TRUE(QTest::qWaitFor([&] { return view.State().tick >= start + 3; }, 5000));
        QCoreApplication::processEvents();
        return counter.paints;
    }

    CVantrelDoc document;
    test::ScriptedDialogs dialogs;
    test::ScriptedPrompts prompts;
    QtImageCodec codec;
    test::ScriptedConfigDialogs configDialogs;
    CVantrelView view{document, dialogs, configDialogs, prompts, codec};
    PaintCounter counter;
    PaintStuff* blinking = nullptr;
    PaintStuff* solid = nullptr;
};

TEST_F(ViewAnimation, RepaintsOnTicksOnlyWhileASelectedObjectBlinksOrMoves)
{
    // The blinking line is unselected, so it keeps its normal colour.
    EXPECT_EQ(PaintsOverThreeTicks(), 0);

    view.State().paintSelection.push_back(blinking);
    EXPECT_GE(PaintsOverThreeTicks(), 2);

    blinking->style = PaintStuff::kMoving;
    EXPECT_GE(PaintsOverThreeTicks(), 2);

    // In Design mode the page is not shown at all.
    view.State().layoutMode = LayoutMode::Design;
    EXPECT_EQ(PaintsOverThreeTicks(), 0);
}

} // namespace
} // namespace vantrel
