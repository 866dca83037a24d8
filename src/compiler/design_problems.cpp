#include "compiler/design_problems.h"

#include "archive/text_codec.h"
#include "compiler/unconnected_inputs.h"
#include "elements/element_kinds.h"
#include "elements/indirect_elements.h"
#include "elements/io_elements.h"

#include <iterator>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace vantrel {

namespace {

struct NumberKindText
{
    NumberKind kind;
    const char16_t* singular;
    const char16_t* plural;
};

constexpr NumberKindText kNumberKinds[] = {
    {NumberKind::Inputs, u"Input", u"inputs"},
    {NumberKind::Outputs, u"Output", u"outputs"},
    {NumberKind::AnalogInputs, u"Analog input", u"analog inputs"},
    {NumberKind::AnalogOutputs, u"Analog output", u"analog outputs"},
    {NumberKind::UserInputs, u"User input", u"user inputs"},
    {NumberKind::UserOutputs, u"User output", u"user outputs"},
};

class ProblemList
{
public:
    explicit ProblemList(const CVantrelDoc& document) : document_(document) {}

    void Add(ProblemKind kind, const LogElement& element, CVantrelDoc::Location location,
             std::u16string message)
    {
        problems_.push_back({kind, element.id, KindName(element), element.Describe(document_),
                             element.pos, location, std::move(message)});
    }
    void Add(ProblemKind kind, const LogElement& element, std::u16string message)
    {
        Add(kind, element, LocationOf(element), std::move(message));
    }

    std::vector<Problem> Take() { return std::move(problems_); }

private:
    // Where this very element sits. The id index names only the first of
    // several elements that share an id; the others are found in a map of
    // every element's place, made once, so a design full of shared ids
    // still takes linear time.
    CVantrelDoc::Location LocationOf(const LogElement& element)
    {
        const CVantrelDoc::Location indexed = document_.LocateById(element.id);
        if (document_.ElementAt(indexed) == &element)
            return indexed;
        if (places_.empty())
            for (int list = 0; list < kElementListCount; ++list)
                for (std::size_t i = 0; i < document_.elements[list].size(); ++i)
                    places_.emplace(document_.elements[list][i].get(),
                                    CVantrelDoc::Location{list, int(i)});
        const auto found = places_.find(&element);
        return found != places_.end() ? found->second : CVantrelDoc::Location{};
    }

    const CVantrelDoc& document_;
    std::vector<Problem> problems_;
    std::unordered_map<const LogElement*, CVantrelDoc::Location> places_;
};

void AddDuplicateIds(const CVantrelDoc& document, ProblemList& problems)
{
    std::unordered_set<std::int32_t> seen;
    for (int list = 0; list < kElementListCount; ++list)
        for (std::size_t i = 0; i < document.elements[list].size(); ++i) {
            const LogElement& element = *document.elements[list][i];
            if (!seen.insert(element.id).second)
                problems.Add(ProblemKind::DuplicateId, element, {list, int(i)},
                             u"Another element has the same id");
        }
}

void AddNumberProblems(const CVantrelDoc& document, ProblemList& problems)
{
    for (const NumberKindText& text : kNumberKinds) {
        const std::u16string outOfRange = u" is out of range: the design has " +
                                          Decimal(document.NumberLimit(text.kind)) + u" " +
                                          text.plural;
        for (const NumberFinding& finding : document.NumberFindings(text.kind)) {
            std::u16string message =
                std::u16string(text.singular) + u" " + Decimal(finding.element->number + 1LL);
            if (finding.fault == NumberFault::OutOfRange)
                message += outOfRange;
            else
                message += u" is already used by element " + Decimal(finding.holderId);
            problems.Add(finding.fault == NumberFault::OutOfRange ? ProblemKind::NumberOutOfRange
                                                                  : ProblemKind::NumberTaken,
                         *finding.element, std::move(message));
        }
    }
}

void AddOpenInputs(const CVantrelDoc& document, ProblemList& problems)
{
    for (const OpenInput& open : FindOpenInputs(document)) {
        if (open.input == OpenInput::kAccumulator)
            problems.Add(ProblemKind::MissingAccumulator, *open.element,
                         u"Its accumulator is missing");
        else
            problems.Add(ProblemKind::UnconnectedInput, *open.element,
                         u"Input " + Decimal(open.input + 1LL) + u" is not connected");
    }
}

// The loop set holds the main list's elements and whatever they read on
// the loop, a timer for one; those outside the main list say where they are.
void AddLoops(CVantrelDoc& document, ProblemList& problems)
{
    const ElementIdSet& loops = document.LoopSet();
    if (loops.empty())
        return;
    for (int list = 0; list < kElementListCount; ++list) {
        const std::u16string message =
            list == kMainList ? u"On a feedback loop"
                              : u"On a feedback loop (" + Ascii(ListName(list)) + u" list)";
        const ElementList& elements = document.elements[list];
        for (std::size_t i = 0; i < elements.size(); ++i)
            if (loops.contains(elements[i]->id))
                problems.Add(ProblemKind::FeedbackLoop, *elements[i], {list, int(i)}, message);
    }
}

void AddMarkerProblems(const CVantrelDoc& document, ProblemList& problems)
{
    const ElementList& indirect = document.elements[kIndirectList];
    std::unordered_set<std::int32_t> read;
    for (std::size_t i = 0; i < indirect.size(); ++i) {
        const auto* out = KindAs<LogEndMarker>(indirect[i].get());
        if (!out)
            continue;
        read.insert(out->startId);
        if (!IsKind<LogStartMarker>(document.FindById(out->startId)))
            problems.Add(ProblemKind::MarkerWithoutStart, *out, {kIndirectList, int(i)},
                         u"Its In Marker is gone");
    }
    for (std::size_t i = 0; i < indirect.size(); ++i)
        if (IsKind<LogStartMarker>(indirect[i].get()) && !read.contains(indirect[i]->id))
            problems.Add(ProblemKind::UnreadInMarker, *indirect[i], {kIndirectList, int(i)},
                         u"No Out Marker reads it");
}

} // namespace

const char* ProblemKindName(ProblemKind kind)
{
    // In the order of ProblemKind.
    static constexpr const char* kNames[] = {
        "duplicate-id",  "number-out-of-range",  "number-taken",     "unconnected-input",
        "feedback-loop", "marker-without-start", "unread-in-marker", "missing-accumulator",
    };
    static_assert(std::size(kNames) == std::size_t(ProblemKind::MissingAccumulator) + 1);
    return kNames[static_cast<int>(kind)];
}

std::vector<Problem> FindProblems(CVantrelDoc& document)
{
    const CVantrelDoc::FrozenLookups frozen(document);
    ProblemList problems(document);
    AddDuplicateIds(document, problems);
    AddNumberProblems(document, problems);
    AddOpenInputs(document, problems);
    AddLoops(document, problems);
    AddMarkerProblems(document, problems);
    return problems.Take();
}

} // namespace vantrel
