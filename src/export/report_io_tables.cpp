// The tables of the inputs and outputs: one per kind of I/O number, sorted by
// number, each row naming who reads the input or what drives the output, and
// the numbers of the range still free.
#include "archive/text_codec.h"
#include "document/vantrel_doc.h"
#include "elements/element_kinds.h"
#include "elements/io_elements.h"
#include "export/report_sections.h"
#include "export/report_text.h"

#include <algorithm>
#include <unordered_set>

namespace vantrel {

namespace {

struct IoTableKind
{
    NumberKind numbers;
    const char16_t* title;
    int list;
    bool isInput;
    // Digital I/O: numbers at the top of the range belong to remote modules.
    bool digital;
};

// In the order of the document.
constexpr IoTableKind kIoTables[] = {
    {NumberKind::Inputs, u"Digital inputs", kMainList, true, true},
    {NumberKind::Outputs, u"Digital outputs", kMainList, false, true},
    {NumberKind::UserInputs, u"User inputs", kMainList, true, false},
    {NumberKind::UserOutputs, u"User outputs", kMainList, false, false},
    {NumberKind::AnalogInputs, u"Analog inputs", kRegisterList, true, false},
    {NumberKind::AnalogOutputs, u"Analog outputs", kRegisterList, false, false},
};

// The ids that logged user outputs log besides themselves.
std::unordered_set<std::int32_t> LoggedIds(const CVantrelDoc& document)
{
    std::unordered_set<std::int32_t> ids;
    for (const auto& element : document.elements[kMainList])
        if (const auto* logged = KindAs<LoggedUserOut>(element.get()))
            ids.insert(logged->loggedIds.begin(), logged->loggedIds.end());
    return ids;
}

std::u16string Flags(const LogIO& io, const std::unordered_set<std::int32_t>& loggedIds)
{
    std::u16string flags;
    if (io.Restricted() != 0)
        flags = u"restricted";
    if (IsKind<LoggedUserOut>(&io) || loggedIds.contains(io.id))
        flags += flags.empty() ? u"logged" : u", logged";
    return flags;
}

// What a remote module calls the number ("Remote 0: 3"); empty for the
// board's own numbers.
std::u16string ModuleLabel(const CVantrelDoc& document, const IoTableKind& kind, int number)
{
    if (!kind.digital)
        return {};
    std::u16string label = document.IoLabel(number, kind.isInput);
    return label == Decimal(std::int64_t(number) + 1) ? std::u16string() : label;
}

std::vector<const LogIO*> SortedMembers(const CVantrelDoc& document, const IoTableKind& kind)
{
    std::vector<const LogIO*> members;
    for (const auto& element : document.elements[kind.list])
        if (NumbersOf(*element) == kind.numbers)
            members.push_back(static_cast<const LogIO*>(element.get()));
    std::stable_sort(members.begin(), members.end(),
                     [](const LogIO* a, const LogIO* b) { return a->number < b->number; });
    return members;
}

void EraseColumn(ReportTable& table, std::size_t column)
{
    table.header.erase(table.header.begin() + std::ptrdiff_t(column));
    for (auto& row : table.rows)
        row.erase(row.begin() + std::ptrdiff_t(column));
}

bool ColumnIsEmpty(const ReportTable& table, std::size_t column)
{
    return std::all_of(table.rows.begin(), table.rows.end(),
                       [column](const auto& row) { return row[column].empty(); });
}

constexpr std::size_t kKindColumn = 1;
constexpr std::size_t kModuleColumn = 5;

ReportSection IoSection(ReportSource& source, const IoTableKind& kind,
                        const std::vector<const LogIO*>& members)
{
    const CVantrelDoc& document = source.document;
    const std::unordered_set<std::int32_t> loggedIds = LoggedIds(document);
    const std::u16string firstKind = KindName(*members.front());
    ReportTable table{{},
                      {u"No.", u"Kind", u"Name", u"Flags", u"Cell", u"Module",
                       kind.isInput ? u"Used by" : u"Driven by"},
                      {}};
    bool mixedKinds = false;
    const int limit =
        std::clamp(document.NumberLimit(kind.numbers), 0, CVantrelDoc::kNumberTableLimit);
    std::vector<bool> taken(std::size_t(limit), false);
    for (const LogIO* io : members) {
        const std::u16string kindName = KindName(*io);
        mixedKinds = mixedKinds || kindName != firstKind;
        std::u16string use;
        if (kind.isInput) {
            use = ElementRefs(source.readers.Of(*io), u"nobody");
        } else {
            const LogElement* driver = source.readers.SourceOf(*io, 0);
            use = driver ? ElementRef(*driver) : u"not connected";
        }
        table.rows.push_back({Decimal(std::int64_t(io->number) + 1), kindName, io->name,
                              Flags(*io, loggedIds), CellText(io->pos),
                              ModuleLabel(document, kind, io->number), std::move(use)});
        if (io->number >= 0 && io->number < limit)
            taken[std::size_t(io->number)] = true;
    }
    // Columns that only some tables need: the module where remote modules
    // take numbers, the kind where a table holds two kinds.
    if (ColumnIsEmpty(table, kModuleColumn))
        EraseColumn(table, kModuleColumn);
    if (!mixedKinds)
        EraseColumn(table, kKindColumn);
    return {kind.title, {std::move(table), ReportParagraph{FreeNumbers(taken)}}};
}

} // namespace

void AddIoSections(ReportSource& source, ReportSections& sections)
{
    for (const IoTableKind& kind : kIoTables) {
        const std::vector<const LogIO*> members = SortedMembers(source.document, kind);
        if (!members.empty())
            sections.push_back(IoSection(source, kind, members));
    }
}

} // namespace vantrel
