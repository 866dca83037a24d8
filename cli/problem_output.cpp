#include "problem_output.h"

#include "archive/json_writer.h"
#include "archive/text_codec.h"

#include <ostream>

namespace vantrel::cli {

void PrintProblemLines(const std::vector<Problem>& problems, std::ostream& out)
{
    for (const Problem& problem : problems)
        out << ProblemKindName(problem.kind) << ": id " << problem.elementId << ' '
            << ToUtf8(problem.elementKind) << " \"" << ToUtf8(problem.description) << "\" at "
            << problem.cell.x << ',' << problem.cell.y << ": " << ToUtf8(problem.message) << '\n';
}

void PrintProblemJson(const std::vector<Problem>& problems, std::ostream& out)
{
    JsonWriter json(out, JsonWriter::PlainArray{});
    for (const Problem& problem : problems) {
        json.BeginObject(JsonWriter::kArrayElement);
        json.WriteString("problem", Ascii(ProblemKindName(problem.kind)));
        json.WriteInt("id", problem.elementId);
        json.WriteString("kind", problem.elementKind);
        json.WriteString("description", problem.description);
        json.BeginObject("cell");
        json.WriteInt("x", problem.cell.x);
        json.WriteInt("y", problem.cell.y);
        json.End();
        json.WriteString("message", problem.message);
        json.End();
    }
    json.End();
    out << '\n';
}

} // namespace vantrel::cli
