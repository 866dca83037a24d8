#include "support/full_size_design.h"

#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "elements/timing_elements.h"
#include "elements/triggers.h"
#include "paint/curve.h"
#include "paint/shapes.h"
#include "paint/text_stuff.h"
#include "support/fake_image_codec.h"

#include <functional>
#include <random>

namespace vantrel::test {

namespace {

constexpr int kLogicElements = 12228;
constexpr int kIoCount = 256;
constexpr int kUserIoCount = 128;
constexpr int kAccumulators = 64;
constexpr int kTimers = 16;
constexpr int kRegisters = 176;
constexpr int kAccOps = 48;
constexpr int kConstants = 256;
constexpr int kPaintObjects = 100;
constexpr int kCommands = 10;
constexpr int kPages = 4;

// The first id of each kind's block.
struct Blocks
{
    std::int32_t inputs, outputs, userInputs, userOutputs, gates, accumulators, timers, registers,
        accOps, constants;
    int gateCount;
};

template <class Kind, class... Args>
void Append(CVantrelDoc& document, std::int32_t id, std::vector<std::int32_t> inputs,
            Args&&... args)
{
    auto element = std::make_unique<Kind>(Point{id % 200, id / 200}, id, args...);
    for (std::size_t i = 0; i < inputs.size(); ++i)
        element->inputs[i] = inputs[i];
    document.elements[element->ListKind()].push_back(std::move(element));
}

using GateMaker = std::function<void(CVantrelDoc&, std::int32_t, std::int32_t, std::int32_t)>;

template <class Kind> GateMaker Gate()
{
    return [](CVantrelDoc& d, std::int32_t id, std::int32_t a, std::int32_t b) {
        Append<Kind>(d, id, {a, b, a});
    };
}

void AddLogic(CVantrelDoc& document, const Blocks& b, std::mt19937& random)
{
    for (int i = 0; i < kIoCount; ++i)
        Append<LogIn>(document, b.inputs + i, {}, i, u"Input " + std::u16string(1, u'A' + i % 26));
    for (int i = 0; i < kUserIoCount; ++i)
        Append<LogUser>(document, b.userInputs + i, {}, i, u"Button");
    // One delay and one two-word toggle in twelve keep the delays and the
    // flash within the controller's limits.
    const GateMaker makers[] = {
        Gate<LogAnd>(),
        Gate<LogOr>(),
        Gate<LogXOR>(),
        Gate<LogMem>(),
        Gate<LogAnd>(),
        Gate<LogOr>(),
        Gate<LogNot>(),
        Gate<LogAnd>(),
        Gate<LogOr>(),
        Gate<LogSwitch>(),
        Gate<LogToggle>(),
        [](CVantrelDoc& d, std::int32_t id, std::int32_t a, std::int32_t) {
            Append<LogDelay>(d, id, {a}, 5);
        },
    };
    for (int i = 0; i < b.gateCount; ++i) {
        const std::int32_t id = b.gates + i;
        auto earlier = [&] { return std::int32_t(1 + random() % std::uint32_t(id - 1)); };
        makers[std::size_t(i) % std::size(makers)](document, id, earlier(), earlier());
    }
    for (int i = 0; i < kIoCount; ++i)
        Append<LogOut>(document, b.outputs + i, {b.gates + i}, i, u"Output");
    for (int i = 0; i < kUserIoCount; ++i)
        Append<LogUserOut>(document, b.userOutputs + i, {b.gates + i}, i, u"Lamp");
}

void AddNumeric(CVantrelDoc& document, const Blocks& b)
{
    for (int i = 0; i < kAccumulators; ++i)
        Append<Acc>(document, b.accumulators + i, {}, u"Level", 0);
    for (int i = 0; i < kTimers; ++i)
        Append<LogTimer>(document, b.timers + i, {b.gates + i}, u"Runtime", i % 2 == 0);
    for (int i = 0; i < kAccOps; ++i)
        Append<AccOp>(document, b.accOps + i, {b.constants + i, b.gates + i}, i % 4,
                      b.accumulators + i % kAccumulators);
    for (int i = 0; i < kRegisters; ++i) {
        const std::int32_t previous = i == 0 ? b.accumulators : b.registers + i - 1;
        Append<GP_Register>(document, b.registers + i, {previous, b.constants + i}, i % 8,
                            i % 2 == 0, u"Sum");
    }
    for (int i = 0; i < kConstants; ++i)
        Append<NL_Constant>(document, b.constants + i, {}, i * 10);
}

std::unique_ptr<PaintStuff> MakePaint(int i)
{
    switch (i % 5) {
    case 0:
        return std::make_unique<Line>();
    case 1:
        return std::make_unique<Square>();
    case 2:
        return std::make_unique<FilledCircle>();
    case 3: {
        auto text = std::make_unique<TextStuff>();
        text->text = u"Tank level and pump state";
        return text;
    }
    default: {
        auto curve = std::make_unique<Curve>();
        for (int p = 0; p < 20; ++p)
            curve->points.push_back(std::make_unique<FPoint>(p * 0.01f, p * 0.02f));
        return curve;
    }
    }
}

void AddPaintAndCommands(CVantrelDoc& document, const Blocks& b)
{
    for (int i = 0; i < kPaintObjects; ++i) {
        auto paint = MakePaint(i);
        paint->from = FPoint(-0.5f + i * 0.01f, -0.5f);
        paint->to = FPoint(0.5f, 0.5f - i * 0.01f);
        paint->commandId = b.userInputs + i % kUserIoCount;
        paint->activeId = b.outputs + i;
        paint->active2Id = b.inputs + i;
        paint->progressId = b.accumulators + i % kAccumulators;
        paint->hasCommand = paint->hasActive = paint->hasActive2 = paint->hasProgress = 1;
        paint->pageIndex = i % kPages;
        document.paintObjects.push_back(std::move(paint));
    }
    for (int i = 0; i < kCommands; ++i) {
        auto command = std::make_unique<ComplexCommand>(u"Start sequence");
        for (int s = 0; s < 8; ++s)
            command->settings[b.userInputs + i * 8 + s] = s % 2 == 0;
        document.complexCommands.push_back(std::move(command));
    }
}

} // namespace

void FillFullSizeDesign(CVantrelDoc& document)
{
    std::mt19937 random(12228);
    // Ids in consecutive blocks, one per kind.
    std::int32_t nextId = 1;
    auto block = [&nextId](int count) {
        const std::int32_t first = nextId;
        nextId += count;
        return first;
    };
    Blocks b{};
    b.inputs = block(kIoCount);
    b.userInputs = block(kUserIoCount);
    b.gateCount = kLogicElements - 2 * kIoCount - 2 * kUserIoCount;
    b.gates = block(b.gateCount);
    b.outputs = block(kIoCount);
    b.userOutputs = block(kUserIoCount);
    b.accumulators = block(kAccumulators);
    b.timers = block(kTimers);
    b.accOps = block(kAccOps);
    b.registers = block(kRegisters);
    b.constants = block(kConstants);
    document.numInputs = kIoCount;
    document.numOutputs = kIoCount;
    document.nextElementId = nextId;
    document.remoteIo.modules.push_back({16, 16, 0, 57600, false});
    AddLogic(document, b, random);
    AddNumeric(document, b);
    AddPaintAndCommands(document, b);
    document.pageBackgrounds.assign(kPages, FakeImageCodec::Sample(200, 150));
}

} // namespace vantrel::test
