#include "support/plant_design.h"

#include "elements/comment.h"
#include "elements/gates.h"
#include "elements/indirect_elements.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "elements/timing_elements.h"
#include "elements/triggers.h"
#include "paint/curve.h"
#include "paint/shapes.h"
#include "paint/text_stuff.h"
#include "support/fake_image_codec.h"

namespace vantrel::test {

void BuildSmallPlant(CVantrelDoc& document)
{
    document.designStamp = 0x12345678;
    Place<LogIn>(document, 10, {}, 0, u"Start");
    Place<LogUser>(document, 11, {}, 7, u"Jog");
    Place<LogAnd>(document, 12, {10, 11});
    Place<LogOut>(document, 13, {12}, 2, u"Lamp");
    Place<LogUserOut>(document, 14, {12}, 0, u"Done");
    Place<LogDelay>(document, 15, {12}, 5);
    Place<Acc>(document, 20, {}, u"A", 0);
    Place<Acc>(document, 21, {}, u"B", 0);
    Place<NoOp>(document, 30, {}, u"N", 0);
    Place<LogTimer>(document, 40, {11}, u"T", false);
    Place<AccOp>(document, 50, {60, 12}, 0, 20);
    Place<GP_Register>(document, 51, {21, 60}, 0, true, u"G1");
    Place<GP_Register>(document, 52, {51, 40}, 1, false, u"G2");
    Place<NL_Constant>(document, 60, {}, 1000);
    document.remoteIo.modules.push_back({8, 16, 1, 57600, false});
}

namespace {

// Paint bound to the plant's jog input, lamp, done output and register G1.
void AddPlantPaint(CVantrelDoc& document)
{
    auto line = std::make_unique<Line>();
    line->from = {-0.75f, -0.5f};
    line->to = {0.25f, -0.5f};
    line->width = 3;
    auto square = std::make_unique<FilledSquare>();
    square->from = {-0.5f, 0.125f};
    square->to = {0.5f, 0.625f};
    square->commandId = 11;
    square->hasCommand = 1;
    square->activeId = 13;
    square->hasActive = 1;
    square->active2Id = 14;
    square->hasActive2 = 1;
    square->active2Neg = 1;
    square->style = 1;
    square->fillColors = {Rgb(1, 2, 3), Rgb(200, 0, 0), Rgb(0, 200, 0)};
    auto text = std::make_unique<TextStuff>();
    text->from = {0.25f, 0.75f};
    text->text = u"Tank level";
    text->progressId = 51;
    text->hasProgress = 1;
    text->progressMax = 250;
    text->pageIndex = 1;
    auto curve = std::make_unique<Curve>();
    curve->from = {0.5f, -0.25f};
    curve->points.push_back(std::make_unique<FPoint>(0.125f, 0.0625f));
    curve->points.push_back(std::make_unique<FPoint>(0.25f, -0.125f));
    curve->pageIndex = 1;
    document.paintObjects.push_back(std::move(line));
    document.paintObjects.push_back(std::move(square));
    document.paintObjects.push_back(std::move(text));
    document.paintObjects.push_back(std::move(curve));
}

} // namespace

void BuildPlant(CVantrelDoc& document)
{
    BuildSmallPlant(document);
    document.numInputs = 64;
    document.numOutputs = 64;
    document.speed = 100;
    document.backgroundColour = Rgb(10, 20, 30);
    document.nextElementId = 100;
    Place<LogPulseUser>(document, 16, {}, 8, u"Pulse");
    Place<LoggedUserOut>(document, 17, {12}, 1, u"Alarm log").loggedIds = {13, 14};
    Place<LogClock>(document, 18, {}, 6);
    Place<LogToggle>(document, 19, {10, 11, 16});
    Place<LogOut>(document, 22, {71}, 3, u"Siren");
    Place<LogStartMarker>(document, 70, {19}, u"Run");
    Place<LogEndMarker>(document, 71, {}, 70);
    Place<Analog_Input>(document, 53, {}, 0, u"Level");
    Place<Analog_Output>(document, 54, {52}, 0, u"Valve");
    Place<TempInput>(document, 31, {}, 0, 15, u"North");
    Place<LogComment>(document, 80, {}, u"Plant");

    auto jog = std::make_unique<ComplexCommand>(u"Jog on");
    jog->settings = {{11, true}, {16, false}};
    auto stale = std::make_unique<ComplexCommand>(u"Stale");
    stale->settings = {{11, false}, {13, true}};
    document.complexCommands.push_back(std::move(jog));
    document.complexCommands.push_back(std::move(stale));

    AddPlantPaint(document);
    document.pageBackgrounds = {FakeImageCodec::Encoded(FakeImageCodec::Sample(4, 3)),
                                FakeImageCodec::Encoded(FakeImageCodec::Sample(2, 2))};

    auto valve = std::make_unique<SimElement>(0, u"Valve");
    valve->inputs = {10, -1};
    valve->outputs = {13, 22};
    auto dial = std::make_unique<SimElement>(1, u"Dial");
    dial->inputs = {10};
    dial->outputs = {13};
    document.simulationElements.push_back(std::move(valve));
    document.simulationElements.push_back(std::move(dial));

    document.remoteIo.modules.push_back({16, 8, 2, 19200, true});
    document.remoteIo.customModules = {
        {2, 5, 1, 3, 40, 1, 38400, 1}, // reads two registers
        {1, 6, 2, 16, 0, 0, 9600, 2},  // writes one four-byte register
        {9, 4, 3, 2, 10, 0, 19200, 1}, // reads nine bits
    };
}

} // namespace vantrel::test
