// The problems of the design, as the check lists them.
#include "archive/text_codec.h"
#include "compiler/design_problems.h"
#include "export/report_sections.h"
#include "export/report_text.h"

namespace vantrel {

void AddProblemSection(ReportSource& source, ReportSections& sections)
{
    const std::vector<Problem> problems = FindProblems(source.document);
    if (problems.empty()) {
        sections.push_back({u"Problems", {ReportParagraph{u"none"}}});
        return;
    }
    ReportTable table{{}, {u"Problem", u"Id", u"Kind", u"Description", u"Cell", u"Message"}, {}};
    for (const Problem& problem : problems)
        table.rows.push_back({Ascii(ProblemKindName(problem.kind)), Decimal(problem.elementId),
                              problem.elementKind, problem.description, CellText(problem.cell),
                              problem.message});
    sections.push_back({u"Problems", {std::move(table)}});
}

} // namespace vantrel
