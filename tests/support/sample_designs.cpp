#include "support/sample_designs.h"

#include "elements/big_gates.h"
#include "elements/comment.h"
#include "elements/comparators.h"
#include "elements/gates.h"
#include "elements/indirect_elements.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "elements/timing_elements.h"
#include "elements/triggers.h"
#include "paint/curve.h"
#include "paint/shapes.h"
#include "paint/text_stuff.h"

namespace vantrel::test {

std::vector<std::unique_ptr<LogElement>> OneOfEveryKind()
{
    std::vector<std::unique_ptr<LogElement>> kinds;
    auto add = [&](std::unique_ptr<LogElement> element) {
        const auto id = std::int32_t(kinds.size()) + 1;
        element->id = id;
        element->pos = {id % 7, id / 7};
        for (int i = 0; i < element->InputCount(); ++i)
            element->inputs[i] = (id + i) % 5 + 1;
        kinds.push_back(std::move(element));
    };
    add(std::make_unique<LogAnd>());
    add(std::make_unique<LogOr>());
    add(std::make_unique<LogNAND>());
    add(std::make_unique<LogNOR>());
    add(std::make_unique<LogXOR>());
    add(std::make_unique<LogNXOR>());
    add(std::make_unique<LogNot>());
    add(std::make_unique<LogBigAnd>(Point{}, 0, 1, 16, LogBigOp::kInputs, false));
    add(std::make_unique<LogBigOr>(Point{}, 0, 2, 8, LogBigOp::kOutputs, true));
    add(std::make_unique<LogBigAlarm>(Point{}, 0, 3, 4, LogBigOp::kOutputs, true));
    add(std::make_unique<LogIn>(Point{}, 0, 1, u"Start"));
    add(std::make_unique<LogOut>(Point{}, 0, 2, u"Lamp"));
    auto user = std::make_unique<LogUser>(Point{}, 0, 3, u"Reset");
    user->restricted = 1;
    add(std::move(user));
    add(std::make_unique<LogPulseUser>(Point{}, 0, 4, u"Pulse"));
    add(std::make_unique<LogUserOut>(Point{}, 0, 5, u"Busy"));
    auto logged = std::make_unique<LoggedUserOut>(Point{}, 0, 6, u"Door \u00e9");
    logged->loggedIds = {1, 2, 3};
    add(std::move(logged));
    add(std::make_unique<Analog_Input>(Point{}, 0, 0, u"Level"));
    add(std::make_unique<Analog_Output>(Point{}, 0, 1, u"Valve"));
    add(std::make_unique<TempInput>(Point{}, 0, 2, 15, u"North"));
    add(std::make_unique<LogDelay>(Point{}, 0, 10));
    add(std::make_unique<LogPulseDelay>(Point{}, 0, 2000));
    add(std::make_unique<LogVarDelay>());
    add(std::make_unique<LogVarPulseDelay>());
    add(std::make_unique<LogFilter>());
    add(std::make_unique<LogClock>(Point{}, 0, 7));
    add(std::make_unique<LogTimer>(Point{}, 0, u"Run time", true));
    add(std::make_unique<LogSpeed>(Point{}, 0, u"Fan"));
    add(std::make_unique<LogTrigger>());
    add(std::make_unique<LogMem>());
    add(std::make_unique<LogSwitch>());
    add(std::make_unique<LogToggle>());
    add(std::make_unique<LogDelayedSwitch>());
    add(std::make_unique<LogCompEq>());
    add(std::make_unique<LogCompL>());
    add(std::make_unique<Acc>(Point{}, 0, u"Total", 1));
    add(std::make_unique<NoOp>(Point{}, 0, u"Spare", 0));
    add(std::make_unique<MathOp>(Point{}, 0, 3));
    add(std::make_unique<AccOp>(Point{}, 0, 2, 35));
    add(std::make_unique<GP_Register>(Point{}, 0, 1, true, u"Level"));
    add(std::make_unique<NL_Constant>(Point{}, 0, -40));
    add(std::make_unique<LogStartMarker>(Point{}, 0, u"Here"));
    add(std::make_unique<NLStartMarker>(Point{}, 0, u"Num"));
    add(std::make_unique<LogEndMarker>(Point{}, 0, 41));
    add(std::make_unique<NLEndMarker>(Point{}, 0, 42));
    add(std::make_unique<LogReplicator>(Point{}, 0, 11));
    add(std::make_unique<LogBreaker>());
    add(std::make_unique<LogComment>(Point{}, 0, u"A note"));
    return kinds;
}

std::vector<std::unique_ptr<PaintStuff>> OneOfEveryPaintKind()
{
    auto curve = std::make_unique<Curve>();
    curve->points.push_back(std::make_unique<FPoint>(0.1f, 0.2f));
    curve->points.push_back(std::make_unique<FPoint>(-0.3f, 0.05f));
    auto text = std::make_unique<TextStuff>();
    text->text = u"Level \u00e9";
    auto filledText = std::make_unique<FilledText>();
    filledText->text = u"Pump";
    filledText->fillColors = {Rgb(1, 2, 3), Rgb(4, 5, 6), Rgb(7, 8, 9)};
    auto filledCircle = std::make_unique<FilledCircle>();
    filledCircle->fillColors[2] = Rgb(20, 30, 40);

    std::vector<std::unique_ptr<PaintStuff>> kinds;
    kinds.push_back(std::make_unique<Line>());
    kinds.push_back(std::make_unique<Circle>());
    kinds.push_back(std::move(curve));
    kinds.push_back(std::move(filledCircle));
    kinds.push_back(std::make_unique<Square>());
    kinds.push_back(std::make_unique<FilledSquare>());
    kinds.push_back(std::move(text));
    kinds.push_back(std::move(filledText));
    std::int32_t n = 0;
    for (auto& kind : kinds) {
        ++n;
        kind->from = {-0.5f + 0.1f * float(n), -0.25f};
        kind->to = {0.75f, 0.125f * float(n)};
        kind->normalColor = Rgb(10, 20, std::uint8_t(n));
        kind->activeColor = Rgb(200, 0, std::uint8_t(n));
        kind->active2Color = Rgb(0, 150, std::uint8_t(n));
        kind->commandId = n;
        kind->activeId = n + 1;
        kind->active2Id = n + 2;
        kind->commandNum = 100 + n;
        kind->activeNum = 200 + n;
        kind->active2Num = 300 + n;
        kind->hasCommand = 1;
        kind->hasActive = 1;
        kind->hasActive2 = n % 2;
        kind->width = n;
        kind->style = n % 3;
        kind->progressId = 40 + n;
        kind->progressColor = Rgb(5, 6, std::uint8_t(n));
        kind->progressMax = 500 + n;
        kind->hasProgress = 1;
        kind->activeNeg = n % 2;
        kind->active2Neg = 1 - n % 2;
        kind->pageIndex = n % 4;
    }
    return kinds;
}

} // namespace vantrel::test
