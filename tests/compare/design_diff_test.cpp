#include "compare/design_diff.h"

#include "archive/json_writer.h"
#include "compare/design_dump.h"
#include "compare/sequence_alignment.h"
#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "support/compared_designs.h"

#include <gtest/gtest.h>

#include <cctype>
#include <sstream>

namespace vantrel {
namespace {

std::vector<DesignChange> Diff(const CVantrelDoc& before, const CVantrelDoc& after)
{
    return DiffDumps(DumpDesign(before), DumpDesign(after));
}

std::string Text(const std::vector<DesignChange>& changes)
{
    std::ostringstream out;
    WriteDiffText(changes, out);
    return out.str();
}

std::string Json(const std::vector<DesignChange>& changes)
{
    std::ostringstream out;
    {
        JsonWriter json(out);
        WriteDiffJson(changes, json);
        json.End();
    }
    return out.str().substr(3); // after the byte-order mark
}

TEST(DesignDiff, ReportsExactlyTheFiveChangesMade)
{
    CVantrelDoc before;
    test::BuildComparedPlant(before);
    CVantrelDoc after;
    test::BuildComparedPlant(after);
    after.elements[kMainList][2]->pos = {2, 4};                            // gate moved
    after.elements[kMainList][3]->inputs[1] = 1;                           // input rewired
    dynamic_cast<LogIO&>(*after.elements[kMainList][0]).name = u"Start 1"; // renamed
    after.paintObjects[1]->normalColor = 0x0000FF;                         // recoloured
    after.numInputs = 48;                                                  // I/O count
    const std::vector<DesignChange> changes = Diff(before, after);
    EXPECT_EQ(Text(changes), "changed configuration: numInputs 32 -> 48\n"
                             "changed element 1 (LogIn): name \"Start\" -> \"Start 1\"\n"
                             "moved element 3 (LogAnd): cell 2,0 -> 2,4\n"
                             "rewired element 4 (LogOr): inputs 3,2 -> 3,1\n"
                             "changed paint 2 (Circle): normalColor #0a1402 -> #ff0000\n");
    EXPECT_EQ(Json(changes),
              R"({"equal":false,"changes":[)"
              R"({"change":["changed"],"section":"configuration","key":"","fields":[)"
              R"({"name":"numInputs","before":"32","after":"48"}]},)"
              R"({"change":["changed"],"section":"element","key":"1","kind":"LogIn","fields":[)"
              R"({"name":"name","before":"\"Start\"","after":"\"Start 1\""}]},)"
              R"({"change":["moved"],"section":"element","key":"3","kind":"LogAnd","fields":[)"
              R"({"name":"cell","before":"2,0","after":"2,4"}]},)"
              R"({"change":["rewired"],"section":"element","key":"4","kind":"LogOr","fields":[)"
              R"({"name":"inputs","before":"3,2","after":"3,1"}]},)"
              R"({"change":["changed"],"section":"paint","key":"2","kind":"Circle","fields":[)"
              R"({"name":"normalColor","before":"#0a1402","after":"#ff0000"}]}]})");
}

TEST(DesignDiff, EqualDesignsHaveNoChange)
{
    CVantrelDoc before;
    test::BuildComparedPlant(before);
    CVantrelDoc after;
    test::BuildComparedPlant(after);
    EXPECT_TRUE(Diff(before, after).empty());
    EXPECT_EQ(Json({}), R"({"equal":true,"changes":[]})");
}

// An element added or deleted is reported once: the ids it leaves behind
// and the predecessors of the elements after it are no change of their own,
// and a paint object removed from the middle does not shift the others.
TEST(DesignDiff, AdditionsAndRemovalsStayWithTheirOwnRecords)
{
    CVantrelDoc before;
    test::BuildComparedPlant(before);
    CVantrelDoc after;
    test::BuildComparedPlant(after);
    auto& main = after.elements[kMainList];
    main.erase(main.begin() + 1);
    main.insert(main.begin(), std::make_unique<LogNot>(Point{8, 0}, 6));
    after.nextElementId = 7;
    after.paintObjects.erase(after.paintObjects.begin() + 2);
    EXPECT_EQ(Text(Diff(before, after)),
              "removed element 2 (LogIn): kind=LogIn list=main cell=0,2 number=1 name=\"Stop\"\n"
              "added element 6 (LogNot): kind=LogNot list=main cell=8,0 inputs=0\n"
              "removed paint 3 (Curve): " +
                  DumpDesign(before)[9].Line().substr(8) + "\n");
}

TEST(DesignDiff, AChangedEvaluationOrderNamesTheElementsThatChangedPlaces)
{
    CVantrelDoc before;
    test::BuildComparedPlant(before);
    CVantrelDoc after;
    test::BuildComparedPlant(after);
    auto& main = after.elements[kMainList];
    std::rotate(main.begin(), main.begin() + 4, main.end()); // the output first
    EXPECT_EQ(Text(Diff(before, after)), "reordered list main: elements=5\n");
}

// Letters stand for records: the same letter is an equal record, the same
// letter in the other case a changed record of the same kind.
TEST(SequenceAlignment, KeepsEqualItemsTogetherAndPairsSimilarOnes)
{
    const struct
    {
        std::string before;
        std::string after;
        // Per step: the before and after item, '-' for none.
        std::string steps;
    } cases[] = {
        {"abc", "abc", "aa bb cc"},
        {"abc", "aBc", "aa bB cc"},
        {"abcd", "acd", "aa b- cc dd"},
        {"acd", "abcd", "aa -b cc dd"},
        {"", "ab", "-a -b"},
        {"abc", "", "a- b- c-"},
        {"xaby", "aby", "x- aa bb yy"},
        {"abcde", "aBcDe", "aa bB cc dD ee"},
        // One object deleted and the next one changed.
        {"abc", "Bc", "a- bB cc"},
        // Objects of other kinds are not one object changed.
        {"axc", "ayc", "aa x- -y cc"},
    };
    for (const auto& [before, after, steps] : cases) {
        const auto equal = [&](std::size_t i, std::size_t j) { return before[i] == after[j]; };
        const auto similar = [&](std::size_t i, std::size_t j) {
            return std::tolower(before[i]) == std::tolower(after[j]);
        };
        std::string text;
        for (const AlignedPair& pair :
             AlignSequences(before.size(), after.size(), equal, similar)) {
            text += text.empty() ? "" : " ";
            text += pair.before ? before[*pair.before] : '-';
            text += pair.after ? after[*pair.after] : '-';
        }
        EXPECT_EQ(text, steps) << before << " -> " << after;
    }
}

} // namespace
} // namespace vantrel
