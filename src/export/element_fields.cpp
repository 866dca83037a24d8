#include "elements/big_gates.h"
#include "elements/comment.h"
#include "elements/indirect_elements.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "elements/timing_elements.h"
#include "export/dump_fields.h"

namespace vantrel {

namespace {

template <class Kind> const Kind* As(const LogElement& element)
{
    return dynamic_cast<const Kind*>(&element);
}

void AddIoFields(const LogElement& element, DumpFields& fields)
{
    if (const auto* io = As<LogIO>(element)) {
        fields.Int("number", io->number);
        fields.Text("name", io->name);
    }
    if (const auto* user = As<LogUser>(element))
        fields.Int("restricted", user->restricted);
    if (const auto* logged = As<LoggedUserOut>(element))
        fields.Ids("logged", logged->loggedIds);
    if (const auto* reading = As<TempInput>(element)) {
        fields.Int("tempType", reading->tempType);
        fields.Int("defaultValue", reading->defaultValue);
        fields.Text("siloName", reading->siloName);
    }
}

void AddNumericFields(const LogElement& element, DumpFields& fields)
{
    if (const auto* cell = As<Acc>(element)) {
        fields.Text("name", cell->name);
        fields.Int("restricted", cell->restricted);
    }
    if (const auto* operation = As<MathOp>(element))
        fields.Int("op", operation->op);
    if (const auto* accOp = As<AccOp>(element))
        fields.Int("accId", accOp->accId);
    if (const auto* reg = As<GP_Register>(element)) {
        fields.Flag("showInMonitor", reg->showInMonitor);
        fields.Text("name", reg->name);
    }
    if (const auto* constant = As<NL_Constant>(element))
        fields.Int("value", constant->value);
}

void AddTimingFields(const LogElement& element, DumpFields& fields)
{
    if (const auto* delay = As<LogDelay>(element))
        fields.Int("delay", delay->delay);
    if (const auto* clock = As<LogClock>(element))
        fields.Int("freqIndex", clock->freqIndex);
    if (const auto* reg = As<BitFedRegister>(element))
        fields.Text("name", reg->name);
    if (const auto* timer = As<LogTimer>(element))
        fields.Flag("countUp", timer->countUp);
}

void AddOtherFields(const LogElement& element, DumpFields& fields)
{
    if (const auto* start = As<LogStartMarker>(element))
        fields.Text("label", start->label);
    if (const auto* end = As<LogEndMarker>(element))
        fields.Int("startId", end->startId);
    if (const auto* replicator = As<LogReplicator>(element))
        fields.Int("sourceId", replicator->sourceId);
    if (const auto* big = As<LogBigOp>(element)) {
        fields.Int("rangeFrom", big->rangeFrom);
        fields.Int("rangeTo", big->rangeTo);
        fields.Int("ioKind", big->ioKind);
        fields.Int("invert", big->invert);
    }
    if (const auto* comment = As<LogComment>(element))
        fields.Text("text", comment->text);
}

} // namespace

void AddElementFields(const LogElement& element, DumpFields& fields)
{
    AddIoFields(element, fields);
    AddNumericFields(element, fields);
    AddTimingFields(element, fields);
    AddOtherFields(element, fields);
}

} // namespace vantrel
