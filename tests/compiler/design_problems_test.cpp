#include "compiler/design_problems.h"

#include "archive/text_codec.h"
#include "compiler/flash_image.h"
#include "compiler/unconnected_inputs.h"
#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/indirect_elements.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "elements/timing_elements.h"

#include "support/plant_design.h"
#include "support/problem_design.h"
#include "support/random_designs.h"
#include "support/recording_notifier.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantrel {
namespace {

const std::string kTakenByFive = "Output 1 is already used by element 5";
const std::string kSharedId = "Another element has the same id";
const std::string kMarkerGone = "Its In Marker is gone";

// kind, id, element kind, description, cell and message, as one line.
std::string Line(const Problem& problem)
{
    return std::string(ProblemKindName(problem.kind)) + " " + std::to_string(problem.elementId) +
           " " + ToUtf8(problem.elementKind) + " [" + ToUtf8(problem.description) + "] " +
           std::to_string(problem.cell.x) + "," + std::to_string(problem.cell.y) + " " +
           ToUtf8(problem.message);
}

std::vector<std::string> Lines(const std::vector<Problem>& problems)
{
    std::vector<std::string> lines;
    lines.reserve(problems.size());
    for (const Problem& problem : problems)
        lines.push_back(Line(problem));
    return lines;
}

TEST(DesignProblems, NameEachFaultyElementAndShowNoMessage)
{
    test::RecordingNotifier notifier;
    CVantrelDoc document(&notifier);
    test::BuildProblemDesign(document);
    const std::uint64_t changes = document.ChangeCount();

    const std::vector<Problem> problems = FindProblems(document);

    EXPECT_EQ(Lines(problems),
              (std::vector<std::string>{
                  "number-taken 6 Output [Output: Horn, 1] 6,2 " + kTakenByFive,
                  "unconnected-input 2 And [] 2,0 Input 2 is not connected",
                  "unconnected-input 3 Or [] 2,2 Input 1 is not connected",
                  "unconnected-input 3 Or [] 2,2 Input 2 is not connected",
                  "unconnected-input 4 Not [] 2,4 Input 1 is not connected",
                  "feedback-loop 7 And [] 4,6 On a feedback loop",
                  "feedback-loop 8 Or [] 6,6 On a feedback loop",
                  "marker-without-start 10 Out Marker [Out Marker: Invalid] 6,8 " + kMarkerGone,
              }));
    for (const Problem& problem : problems)
        EXPECT_EQ(document.ElementAt(problem.location)->id, problem.elementId);
    EXPECT_TRUE(notifier.Messages().empty());
    EXPECT_EQ(document.ChangeCount(), changes);
    EXPECT_FALSE(document.IsModified());
}

// The problems list the operands the compile warns about, no more and no
// fewer, whatever the wiring: to nothing, to missing ids, through markers,
// replicators and cycle breakers, in the register and timer lists. Each
// names an input the element has, or the accumulator of an AccOp.
TEST(DesignProblems, ListAsManyOpenInputsAsTheCompileWarnsAbout)
{
    std::ptrdiff_t total = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        test::RecordingNotifier notifier;
        CVantrelDoc document(&notifier);
        test::FillRandomDesign(document, seed, 60);
        Compile(document, 0);
        const auto warnings = std::ranges::count(
            notifier.Messages(), std::string("Warning!: There is an unconnected input."));
        const std::vector<Problem> problems = FindProblems(document);
        const auto open =
            std::ranges::count(problems, ProblemKind::UnconnectedInput, &Problem::kind) +
            std::ranges::count(problems, ProblemKind::MissingAccumulator, &Problem::kind);
        EXPECT_EQ(open, warnings) << "seed " << seed;
        total += open;
        for (const OpenInput& input : FindOpenInputs(document)) {
            if (input.input == OpenInput::kAccumulator)
                EXPECT_NE(dynamic_cast<const AccOp*>(input.element), nullptr) << "seed " << seed;
            else
                EXPECT_LT(input.input, input.element->InputCount()) << "seed " << seed;
        }
    }
    EXPECT_GT(total, 40);
}

// An AccOp reads its operand and condition through inputs and names its
// accumulator apart: a missing accumulator is told as such, and only once.
TEST(DesignProblems, AMissingAccumulatorIsNotAnOpenInput)
{
    CVantrelDoc document;
    test::Place<NL_Constant>(document, 1, {}, 5);
    test::Place<LogIn>(document, 2, {}, 0, u"Enable");
    test::Place<Acc>(document, 3, {}, u"Total", 0);
    test::Place<AccOp>(document, 10, {1, 2}, 0, 99); // accumulator 99 is gone
    test::Place<AccOp>(document, 11, {0, 0}, 0, 0);  // nothing chosen at all
    test::Place<AccOp>(document, 12, {1, 0}, 0, 3);  // sound but for its condition

    EXPECT_EQ(Lines(FindProblems(document)),
              (std::vector<std::string>{
                  "missing-accumulator 10 Acc operation [] 10,0 Its accumulator is missing",
                  "unconnected-input 11 Acc operation [] 11,0 Input 1 is not connected",
                  "unconnected-input 11 Acc operation [] 11,0 Input 2 is not connected",
                  "missing-accumulator 11 Acc operation [] 11,0 Its accumulator is missing",
                  "unconnected-input 12 Acc operation [] 12,0 Input 2 is not connected",
              }));
}

// A loop may run through an element outside the main list, a timer read by
// a gate it counts: each member is listed, with the list it is in.
TEST(DesignProblems, LoopMembersOutsideTheMainListSayWhereTheyAre)
{
    CVantrelDoc document;
    test::Place<LogAnd>(document, 1, {2, 2});
    test::Place<LogTimer>(document, 2, {1}, u"Count", true);
    document.SetModified(true);
    EXPECT_EQ(Lines(FindProblems(document)),
              (std::vector<std::string>{
                  "feedback-loop 1 And [] 1,0 On a feedback loop",
                  "feedback-loop 2 Timer [Timer: Count] 2,0 On a feedback loop (timer list)",
              }));
}

// A number past the configured outputs (and every remote module) has no
// label of its own: the description gives the number.
TEST(DesignProblems, AnOutputPastTheConfiguredCountIsDescribedByItsNumber)
{
    CVantrelDoc document;
    test::Place<LogIn>(document, 1, {}, 0, u"Start");
    test::Place<LogOut>(document, 2, {1}, 40, u"Big");
    const std::vector<Problem> problems = FindProblems(document);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(Line(problems[0]), "number-out-of-range 2 Output [Output: Big, 41] 2,0 Output 41 is "
                                 "out of range: the design has 32 outputs");
}

TEST(DesignProblems, NumbersOutOfRangeAndTakenNameTheirHolders)
{
    CVantrelDoc document;
    document.numInputs = 8;
    document.userInputCapacity = 1 << 20;
    auto& main = document.elements[kMainList];
    main.push_back(std::make_unique<LogIn>(Point{0, 0}, 1, 8, u"Past"));
    main.push_back(std::make_unique<LogIn>(Point{0, 1}, 2, -1, u"Negative"));
    main.push_back(std::make_unique<LogIn>(Point{0, 2}, 3, 7, u"Last"));
    main.push_back(std::make_unique<LogIn>(Point{0, 3}, 4, 7, u"Again"));
    // User numbers beyond the number table are checked for duplicates apart.
    main.push_back(std::make_unique<LogUser>(Point{0, 4}, 5, 100000, u"Far"));
    main.push_back(std::make_unique<LogUser>(Point{0, 5}, 6, 100000, u"Far too"));

    std::vector<std::string> messages;
    for (const Problem& problem : FindProblems(document))
        messages.push_back(std::to_string(problem.elementId) + " " + ToUtf8(problem.message));

    EXPECT_EQ(messages, (std::vector<std::string>{
                            "1 Input 9 is out of range: the design has 8 inputs",
                            "2 Input 0 is out of range: the design has 8 inputs",
                            "4 Input 8 is already used by element 3",
                            "6 User input 100001 is already used by element 5",
                        }));
}

TEST(DesignProblems, MarkerLinksAndDuplicateIds)
{
    CVantrelDoc document;
    auto& main = document.elements[kMainList];
    auto& indirect = document.elements[kIndirectList];
    main.push_back(std::make_unique<LogIn>(Point{0, 0}, 1, 0, u"A"));
    // Read through a marker pair whose In Marker is fed by nothing: the
    // gate's second input is open although it names an element.
    auto gate = std::make_unique<LogAnd>(Point{2, 0}, 2);
    gate->inputs = {1, 4};
    main.push_back(std::move(gate));
    indirect.push_back(std::make_unique<LogStartMarker>(Point{0, 2}, 3, u"Fed by nothing"));
    indirect.push_back(std::make_unique<LogEndMarker>(Point{2, 2}, 4, 3));
    indirect.push_back(std::make_unique<NLStartMarker>(Point{0, 4}, 5, u"Unread"));
    // Ids taken twice: the second element is named, by its own place.
    indirect.push_back(std::make_unique<LogEndMarker>(Point{2, 4}, 1, 3));
    main.push_back(std::make_unique<LogNot>(Point{4, 0}, 2));

    const std::vector<Problem> problems = FindProblems(document);
    EXPECT_EQ(Lines(problems),
              (std::vector<std::string>{
                  "duplicate-id 2 Not [] 4,0 " + kSharedId,
                  "duplicate-id 1 Out Marker [Out Marker: Fed by nothing] 2,4 " + kSharedId,
                  "unconnected-input 2 And [] 2,0 Input 2 is not connected",
                  "unconnected-input 2 Not [] 4,0 Input 1 is not connected",
                  "unread-in-marker 5 NL In Marker [In Marker: Unread] 0,4 No Out Marker reads it",
              }));
    std::vector<CVantrelDoc::Location> locations;
    locations.reserve(problems.size());
    for (const Problem& problem : problems)
        locations.push_back(problem.location);
    EXPECT_EQ(locations, (std::vector<CVantrelDoc::Location>{{kMainList, 2},
                                                             {kIndirectList, 3},
                                                             {kMainList, 1},
                                                             {kMainList, 2},
                                                             {kIndirectList, 2}}));
}

} // namespace
} // namespace vantrel
