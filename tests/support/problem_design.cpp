#include "support/problem_design.h"

#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/indirect_elements.h"
#include "elements/io_elements.h"

namespace vantrel::test {

namespace {

template <class Kind>
void Add(CVantrelDoc& document, std::unique_ptr<Kind> element,
         std::array<std::int32_t, kMaxInputs> inputs = {})
{
    element->inputs = inputs;
    const int list = element->ListKind();
    document.elements[list].push_back(std::move(element));
}

} // namespace

void BuildProblemDesign(CVantrelDoc& document)
{
    Add(document, std::make_unique<LogIn>(Point{0, 0}, 1, 0, u"Start"));
    Add(document, std::make_unique<LogAnd>(Point{2, 0}, 2), {1, 0});
    Add(document, std::make_unique<LogOr>(Point{2, 2}, 3));
    Add(document, std::make_unique<LogNot>(Point{2, 4}, 4));
    Add(document, std::make_unique<LogOut>(Point{6, 0}, 5, 0, u"Lamp"), {2});
    Add(document, std::make_unique<LogOut>(Point{6, 2}, 6, 0, u"Horn"), {3});
    Add(document, std::make_unique<LogAnd>(Point{4, 6}, 7), {1, 8});
    Add(document, std::make_unique<LogOr>(Point{6, 6}, 8), {7, 1});
    Add(document, std::make_unique<LogStartMarker>(Point{4, 8}, 9, u"Spare"), {4});
    Add(document, std::make_unique<LogEndMarker>(Point{6, 8}, 10, 9));
    document.nextElementId = 11;
    document.DeleteById(9);
    document.SetModified(false);
}

std::vector<std::int32_t> ProblemDesignIds()
{
    return {6, 2, 3, 3, 4, 7, 8, 10};
}

} // namespace vantrel::test
