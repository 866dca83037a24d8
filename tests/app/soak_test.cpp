// A long random session on the real main window: every kind of element
// placed, wired, moved, deleted, copied and pasted, undone and redone, paint
// objects drawn, modes, pages and zoom switched, find, replicate, sort, save
// and reopen, with the design checked after every step. A fixed seed runs in
// the suite; VANTREL_SOAK_STEPS and VANTREL_SOAK_SEED (a number, or "random")
// run a longer session by hand, and a failure names the seed and the step.
#include "app_test_support.h"

#include "archive/file_bytes.h"
#include "editing/command_ids.h"
#include "editor/vantrel_view.h"
#include "support/scripted_config_dialogs.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_prompts.h"

#include <QMouseEvent>
#include <QTest>

#include <random>
#include <unordered_set>

namespace vantrel::test {
namespace {

using namespace command;

std::uint64_t SessionSeed()
{
    const QByteArray seed = qgetenv("VANTREL_SOAK_SEED");
    if (seed == "random")
        return std::random_device{}();
    return seed.isEmpty() ? 20261210 : seed.toULongLong();
}

int SessionSteps()
{
    bool valid = false;
    const int steps = qEnvironmentVariableIntValue("VANTREL_SOAK_STEPS", &valid);
    return valid ? steps : 400;
}

std::vector<LogElement*> AllElements(CVantrelDoc& design)
{
    std::vector<LogElement*> all;
    for (const ElementList& list : design.elements)
        for (const auto& element : list)
            all.push_back(element.get());
    return all;
}

// The design holds together: ids set, unique and below the next id handed
// out; every input names nothing or an id handed out before (a deleted
// source keeps its id in the inputs it fed, drawn as not connected, so that
// undo can restore the wiring); the undo history bounded; the view's
// selections point into the design.
void ExpectConsistent(CVantrelDoc& design, const ViewState& view)
{
    std::unordered_set<std::int32_t> ids;
    for (const LogElement* element : AllElements(design)) {
        EXPECT_GT(element->id, 0);
        EXPECT_LT(element->id, design.nextElementId);
        EXPECT_TRUE(ids.insert(element->id).second) << "id " << element->id << " twice";
    }
    for (const LogElement* element : AllElements(design))
        for (int input = 0; input < std::min(element->InputCount(), kMaxInputs); ++input) {
            const std::int32_t source = element->inputs[std::size_t(input)];
            EXPECT_TRUE(source >= 0 && source < design.nextElementId)
                << "element " << element->id << " input " << input << " names " << source;
        }
    EXPECT_LE(design.UndoStack().size(), CVantrelDoc::kUndoLimit);
    EXPECT_LE(design.RedoStack().size(), CVantrelDoc::kUndoLimit);
    const std::vector<LogElement*> all = AllElements(design);
    for (const LogElement* selected : view.logicSelection)
        EXPECT_NE(std::ranges::find(all, selected), all.end()) << "a selected element left";
    for (const PaintStuff* selected : view.paintSelection)
        EXPECT_TRUE(std::ranges::any_of(design.paintObjects, [&](const auto& object) {
            return object.get() == selected;
        })) << "a selected paint object left";
}

// Saved and loaded again, the design is the same and loads without a word.
void ExpectRoundTrip(CVantrelDoc& design)
{
    const QtImageCodec codec;
    const std::vector<std::uint8_t> saved = DesignBytes(design, u"soak.lgc", codec);
    RecordingNotifier notifier;
    CVantrelDoc reloaded(&notifier);
    ASSERT_TRUE(LoadDesign(reloaded, saved, u"soak.lgc", codec));
    EXPECT_TRUE(notifier.Messages().empty()) << notifier.Messages().front();
    EXPECT_EQ(DesignBytes(reloaded, u"soak.lgc", codec), saved);
}

class SoakSession : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        prompts.folder = FilePath(QStringLiteral("exports")).toStdString();
        QDir().mkpath(FilePath(QStringLiteral("exports")));
        app = std::make_unique<CVantrelApp>(AppServices{&notifier, &fileDialogs, &dialogs, &prompts,
                                                        &configDialogs,
                                                        FilePath(QStringLiteral("recovery"))});
        ASSERT_TRUE(app->InitInstance({}));
        View().resize(900, 700);
    }

    CVantrelView& View() { return app->MainFrame().View(); }
    QWidget* Canvas() { return View().viewport(); }
    CVantrelDoc& Design() { return app->Document(); }
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    QPoint AnyPoint() { return {Pick(Canvas()->width()), Pick(Canvas()->height())}; }

    LogElement* AnyElement()
    {
        const std::vector<LogElement*> all = AllElements(Design());
        return all.empty() ? nullptr : all[std::size_t(Pick(int(all.size())))];
    }

    QPoint Center(const LogElement& element)
    {
        const ViewState& view = View().State();
        const Point at = view.CellToDevice(element.pos);
        return {at.x, at.y};
    }

    void Drag(QPoint from, QPoint to)
    {
        QTest::mousePress(Canvas(), Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, to, Canvas()->mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Canvas(), &move);
        QTest::mouseRelease(Canvas(), Qt::LeftButton, {}, to);
    }

    void PlaceElement()
    {
        int tool = kFirstElementTool + Pick(kLastElementTool - kFirstElementTool + 1);
        if (tool == kToolConnect || tool == kToolSelect)
            tool = kFirstElementTool;
        app->MainFrame().RunCommand(tool);
        QTest::mouseClick(Canvas(), Qt::LeftButton, {}, AnyPoint());
    }

    void Connect()
    {
        LogElement* from = AnyElement();
        LogElement* to = AnyElement();
        if (!from || !to || to->InputCount() == 0)
            return;
        const ViewState& view = View().State();
        const int r = ElementSize(view.zoom);
        const Point out = from->OutputPinPos(r, view.origin, view.zoom);
        const Point in = to->InputPinPos(r, Pick(std::min(to->InputCount(), kMaxInputs)),
                                         view.origin, view.zoom);
        app->MainFrame().RunCommand(kToolConnect);
        Drag({out.x, out.y}, {in.x, in.y});
    }

    void SelectAndAct()
    {
        app->MainFrame().RunCommand(kToolSelect);
        if (LogElement* element = AnyElement())
            QTest::mouseClick(Canvas(), Qt::LeftButton, {}, Center(*element));
        else
            Drag(AnyPoint(), AnyPoint());
        switch (Pick(4)) {
        case 0:
            QTest::keyClick(Canvas(), Qt::Key_Delete);
            break;
        case 1:
            app->MainFrame().RunCommand(kEditCopy);
            break;
        case 2:
            if (LogElement* element = AnyElement())
                Drag(Center(*element), AnyPoint());
            break;
        default:
            QTest::keyClick(Canvas(), Qt::Key(Qt::Key_Left + Pick(4)));
            break;
        }
    }

    void Paint()
    {
        static constexpr int kTools[] = {kPaintPen,    kPaintLine,          kPaintEllipse,
                                         kPaintSelect, kPaintFilledEllipse, kPaintRectangle,
                                         kPaintText,   kPaintFilledText,    kPaintFilledRectangle};
        app->MainFrame().RunCommand(kLayoutPreview);
        app->MainFrame().RunCommand(kTools[Pick(std::size(kTools))]);
        Drag(AnyPoint(), AnyPoint());
        if (Pick(3) == 0)
            app->MainFrame().RunCommand(Pick(2) ? kFlipHorizontally : kNormalize);
    }

    void SaveAndReopen()
    {
        const QString path = FilePath(QStringLiteral("soak.lgc"));
        fileDialogs.answers = {path};
        ASSERT_TRUE(app->OnFileSaveAs());
        const std::vector<std::uint8_t> saved = ReadFileBytes(path.toStdString());
        ASSERT_TRUE(app->OpenDocumentFile(path));
        EXPECT_EQ(DesignBytes(Design(), u"soak.lgc", QtImageCodec()), saved);
    }

    void Step()
    {
        // Now and then a dialog is cancelled instead of answered.
        dialogs.cancel = Pick(6) == 0;
        configDialogs.cancel = Pick(6) == 0;
        // The number boxes: constants, and the page count.
        dialogs.number = Pick(5) - 1;
        static constexpr int kCommands[] = {
            kEditUndo,      kEditUndo,      kEditRedo, kEditPaste,
            kEditSelectAll, kLayoutToggle,  kPageLeft, kPageRight,
            kZoomIn,        kZoomOut,       kZoomOne,  kZoomFit,
            kEditFind,      kEditReplicate, kAutoSort, kViewElementNumbers,
        };
        switch (Pick(9)) {
        case 0:
        case 1:
            app->MainFrame().RunCommand(kLayoutDesign);
            PlaceElement();
            break;
        case 2:
        case 3:
            app->MainFrame().RunCommand(kLayoutDesign);
            Connect();
            break;
        case 4:
            app->MainFrame().RunCommand(kLayoutDesign);
            SelectAndAct();
            break;
        case 5:
            Paint();
            break;
        case 6:
            if (Pick(20) == 0)
                SaveAndReopen();
            else
                QTest::mouseDClick(Canvas(), Qt::LeftButton, {}, AnyPoint());
            break;
        default: {
            if (LogElement* element = AnyElement())
                prompts.foundId = element->id;
            app->MainFrame().RunCommand(kCommands[Pick(std::size(kCommands))]);
            break;
        }
        }
    }

    RecordingNotifier notifier{MessageAnswer::Ok};
    ScriptedDialogs dialogs;
    ScriptedPrompts prompts;
    ScriptedConfigDialogs configDialogs;
    std::unique_ptr<CVantrelApp> app;
    std::mt19937_64 random;
};

TEST_F(SoakSession, RandomSessionKeepsTheDesignWhole)
{
    const std::uint64_t seed = SessionSeed();
    random.seed(seed);
    const int steps = SessionSteps();
    for (int step = 0; step < steps; ++step) {
        SCOPED_TRACE(testing::Message() << "seed " << seed << ", step " << step);
        Step();
        ExpectConsistent(Design(), View().State());
        if (step % 10 == 9)
            ExpectRoundTrip(Design());
        if (HasFailure())
            return;
    }
    ExpectRoundTrip(Design());
    SaveAndReopen();
    EXPECT_GT(AllElements(Design()).size(), 10u);
}

} // namespace
} // namespace vantrel::test
