#include "editing/io_name_import.h"

#include "archive/text_codec.h"
#include "document/edit_transaction.h"
#include "document/vantrel_doc.h"
#include "editing/element_ids.h"
#include "elements/element_kinds.h"
#include "elements/io_elements.h"

#include <algorithm>
#include <array>
#include <climits>
#include <map>
#include <memory>

namespace vantrel {

namespace {

const char16_t* const kTypeWords[] = {u"input", u"output", u"analog input", u"analog output"};

// The kind that places a new element of these numbers.
const ElementKindRow& KindNumbered(NumberKind numbers)
{
    const auto kinds = ElementKinds();
    return *std::find_if(kinds.begin(), kinds.end(),
                         [&](const ElementKindRow& kind) { return kind.numbers == numbers; });
}

// The cells for `count` new elements, one below the other in a column that
// nothing of the drawing occupies: two columns right of it, or left of it
// when the drawing reaches the right edge of the grid.
std::vector<Point> FreeColumn(const CVantrelDoc& document, std::size_t count)
{
    std::int64_t left = 0;
    std::int64_t right = -2;
    std::int64_t top = 0;
    bool any = false;
    for (const auto& list : document.elements)
        for (const auto& element : list) {
            left = any ? std::min<std::int64_t>(left, element->pos.x) : element->pos.x;
            right = any ? std::max<std::int64_t>(right, element->pos.x) : element->pos.x;
            top = any ? std::min<std::int64_t>(top, element->pos.y) : element->pos.y;
            any = true;
        }
    const std::int64_t column = right + 2 <= INT_MAX ? right + 2 : left - 2;
    top = std::min<std::int64_t>(top, INT_MAX - std::int64_t(count));
    std::vector<Point> cells;
    for (std::size_t i = 0; i < count; ++i)
        cells.push_back({int(std::max<std::int64_t>(column, INT_MIN)), int(top + std::int64_t(i))});
    return cells;
}

bool IsChange(const IoNameResult& result)
{
    return result.outcome == IoNameOutcome::Assigned || result.outcome == IoNameOutcome::Created;
}

class NameImporter
{
public:
    NameImporter(CVantrelDoc& document, IoListType type, bool createMissing)
        : document_(document), type_(type), source_(IoListSourceOf(document, type)),
          createMissing_(createMissing)
    {
        for (const auto& element : document.elements[source_.list])
            if (NumbersOf(*element) == source_.numbers)
                byNumber_.emplace(static_cast<LogIO&>(*element).number,
                                  static_cast<LogIO*>(element.get()));
    }

    std::vector<IoNameResult> Apply(const std::vector<IoNameRow>& rows)
    {
        std::vector<IoNameResult> results;
        std::vector<std::size_t> missing;
        EditTransaction edit(document_, UndoRecord::kChanged);
        for (const IoNameRow& row : rows) {
            results.push_back(Assign(edit, row));
            if (results.back().outcome == IoNameOutcome::Unknown && createMissing_ &&
                row.number <= source_.count)
                missing.push_back(results.size() - 1);
        }
        if (!missing.empty() && ElementIdsLeftFor(document_, std::int64_t(missing.size()))) {
            const std::vector<Point> cells = FreeColumn(document_, missing.size());
            for (std::size_t i = 0; i < missing.size(); ++i)
                Create(edit, results[missing[i]], cells[i]);
        }
        // An import that changes nothing leaves the design unmodified.
        if (std::any_of(results.begin(), results.end(), IsChange))
            edit.Commit();
        return results;
    }

private:
    IoNameResult Assign(EditTransaction& edit, const IoNameRow& row)
    {
        IoNameResult result{row, IoNameOutcome::Unchanged, {}, {}, {}};
        const auto [first, last] = byNumber_.equal_range(row.number - 1);
        if (first == last) {
            result.outcome = IoNameOutcome::Unknown;
            result.reason = row.number > source_.count
                                ? u"beyond the design's " + Decimal(source_.count) + u" " +
                                      Plural(source_.count)
                                : u"no element has this number";
            return result;
        }
        // Elements that share a number stand for the same terminal: all are named.
        for (auto entry = first; entry != last; ++entry) {
            LogIO& element = *entry->second;
            if (element.name == row.name)
                continue;
            if (result.outcome == IoNameOutcome::Unchanged)
                result.previousName = element.name;
            result.outcome = IoNameOutcome::Assigned;
            edit.RememberChanging(element);
            element.name = row.name;
        }
        return result;
    }

    void Create(EditTransaction& edit, IoNameResult& result, Point cell)
    {
        std::unique_ptr<LogElement> element = KindNumbered(source_.numbers).make();
        auto& io = static_cast<LogIO&>(*element);
        io.pos = cell;
        io.id = document_.TakeElementId().value();
        io.number = result.row.number - 1;
        io.name = result.row.name;
        if (!edit.Insert(std::move(element))) {
            result.reason = u"no free cell for a new element";
            return;
        }
        result.outcome = IoNameOutcome::Created;
        result.cell = cell;
        result.reason.clear();
    }

    std::u16string Plural(int count) const
    {
        const std::u16string word = kTypeWords[type_];
        return count == 1 ? word : word + u"s";
    }

    CVantrelDoc& document_;
    IoListType type_;
    IoListSource source_;
    bool createMissing_;
    std::multimap<std::int32_t, LogIO*> byNumber_;
};

std::u16string Quoted(const std::u16string& text)
{
    return u"\"" + text + u"\"";
}

std::u16string ResultLine(const IoNameResult& result, IoListType type)
{
    std::u16string line = u"line " + Decimal(result.row.line) + u": " + kTypeWords[type] + u" " +
                          Decimal(result.row.number) + u" " + Quoted(result.row.name) + u" ";
    switch (result.outcome) {
    case IoNameOutcome::Assigned:
        return line + u"assigned (was " + Quoted(result.previousName) + u")";
    case IoNameOutcome::Unchanged:
        return line + u"unchanged";
    case IoNameOutcome::Created:
        return line + u"created at cell " + Decimal(result.cell.x) + u"," + Decimal(result.cell.y);
    case IoNameOutcome::Unknown:
        break;
    }
    return line + u"unknown: " + result.reason;
}

} // namespace

bool IoNameImport::Changed() const
{
    return std::any_of(results.begin(), results.end(), IsChange);
}

bool IoNameImport::Reported() const
{
    return !problems.empty() ||
           std::any_of(results.begin(), results.end(), [](const IoNameResult& result) {
               return result.outcome == IoNameOutcome::Unknown;
           });
}

IoNameImport ImportIoNames(CVantrelDoc& document, const IoNameSheet& sheet, IoListType type,
                           bool createMissing)
{
    IoNameImport import;
    import.type = type;
    import.problems = sheet.problems;
    if (import.problems.empty())
        import.results = NameImporter(document, type, createMissing).Apply(sheet.rows);
    return import;
}

std::u16string IoNameImportReport(const IoNameImport& import)
{
    std::u16string text;
    std::array<int, 4> counts{};
    for (const IoNameResult& result : import.results) {
        text += ResultLine(result, import.type) + u"\n";
        ++counts[std::size_t(result.outcome)];
    }
    for (const IoNameProblem& problem : import.problems)
        text += u"line " + Decimal(problem.line) + u": malformed: " + problem.text + u"\n";
    if (!import.problems.empty())
        return text + Decimal(std::int64_t(import.problems.size())) +
               (import.problems.size() == 1 ? u" malformed line" : u" malformed lines") +
               u"; nothing was changed. Correct the file and import it again.\n";
    return text + Decimal(counts[0]) + u" assigned, " + Decimal(counts[1]) + u" unchanged, " +
           Decimal(counts[2]) + u" created, " + Decimal(counts[3]) + u" unknown.\n";
}

} // namespace vantrel
