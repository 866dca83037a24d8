// The marker map: every In Marker with what feeds it and the Out Markers that
// carry its signal on, then the markers that lead nowhere.
#include "archive/text_codec.h"
#include "document/vantrel_doc.h"
#include "elements/element_kinds.h"
#include "elements/indirect_elements.h"
#include "export/report_sections.h"
#include "export/report_text.h"

#include <algorithm>
#include <unordered_map>

namespace vantrel {

namespace {

using OutMarkers = std::unordered_map<std::int32_t, std::vector<const LogEndMarker*>>;

struct Markers
{
    std::vector<const LogStartMarker*> starts;
    // Out Markers by the id of the In Marker they name.
    OutMarkers ends;
    std::vector<const LogEndMarker*> endsInOrder;
};

Markers CollectMarkers(const CVantrelDoc& document)
{
    Markers markers;
    for (const auto& element : document.elements[kIndirectList]) {
        if (const auto* start = KindAs<LogStartMarker>(element.get()))
            markers.starts.push_back(start);
        if (const auto* end = KindAs<LogEndMarker>(element.get())) {
            markers.ends[end->startId].push_back(end);
            markers.endsInOrder.push_back(end);
        }
    }
    std::stable_sort(
        markers.starts.begin(), markers.starts.end(),
        [](const LogStartMarker* a, const LogStartMarker* b) { return a->label < b->label; });
    return markers;
}

std::u16string OutMarkerList(const std::vector<const LogEndMarker*>& ends)
{
    std::u16string text;
    for (const LogEndMarker* end : ends)
        text += (text.empty() ? u"" : u", ") + Decimal(end->id) + u" at " + CellText(end->pos);
    return text;
}

ReportTable InMarkerTable(ReportSource& source, const Markers& markers)
{
    ReportTable table{
        u"In Markers", {u"Label", u"Id", u"Kind", u"Cell", u"Fed by", u"Out Markers"}, {}};
    for (const LogStartMarker* start : markers.starts) {
        const LogElement* feeder = source.readers.SourceOf(*start, 0);
        const auto ends = markers.ends.find(start->id);
        table.rows.push_back({start->label, Decimal(start->id), KindName(*start),
                              CellText(start->pos), feeder ? ElementRef(*feeder) : u"not connected",
                              ends == markers.ends.end() ? u"none" : OutMarkerList(ends->second)});
    }
    return table;
}

ReportTable OrphanTable(const CVantrelDoc& document, const Markers& markers)
{
    ReportTable table{
        u"Markers that lead nowhere", {u"Id", u"Kind", u"Label", u"Cell", u"Why"}, {}};
    for (const LogStartMarker* start : markers.starts)
        if (!markers.ends.contains(start->id))
            table.rows.push_back({Decimal(start->id), KindName(*start), start->label,
                                  CellText(start->pos), u"No Out Marker reads it"});
    for (const LogEndMarker* end : markers.endsInOrder) {
        const auto* start = KindAs<LogStartMarker>(document.FindById(end->startId));
        if (!start)
            table.rows.push_back(
                {Decimal(end->id), KindName(*end), u"", CellText(end->pos),
                 u"Its In Marker is gone (it names id " + Decimal(end->startId) + u")"});
    }
    return table;
}

} // namespace

void AddMarkerSection(ReportSource& source, ReportSections& sections)
{
    const Markers markers = CollectMarkers(source.document);
    if (markers.starts.empty() && markers.endsInOrder.empty())
        return;
    ReportSection section{u"Markers", {}};
    if (!markers.starts.empty())
        section.blocks.push_back(InMarkerTable(source, markers));
    ReportTable orphans = OrphanTable(source.document, markers);
    if (!orphans.rows.empty())
        section.blocks.push_back(std::move(orphans));
    sections.push_back(std::move(section));
}

} // namespace vantrel
