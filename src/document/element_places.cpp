// The document's lookups by place: the spatial index of its elements and
// their connections.
#include "document/vantrel_doc.h"

namespace vantrel {

ListsStamp CVantrelDoc::CurrentListsStamp() const
{
    ListsStamp stamp{changeCount_, {}};
    for (std::size_t list = 0; list < elements.size(); ++list)
        stamp.sizes[list] = elements[list].size();
    return stamp;
}

bool CVantrelDoc::SpatialIndexCurrent() const
{
    return spatialIndex_.FilledFrom(CurrentListsStamp());
}

const SpatialIndex& CVantrelDoc::CurrentSpatialIndex() const
{
    if (SpatialIndexCurrent())
        return spatialIndex_;
    const FrozenLookups frozen(*this);
    spatialIndex_.BeginRefill(CurrentListsStamp());
    for (int list = 0; list < kElementListCount; ++list) {
        for (std::size_t i = 0; i < elements[std::size_t(list)].size(); ++i) {
            const LogElement& element = *elements[std::size_t(list)][i];
            const Location here{list, int(i)};
            const Point cell = element.pos;
            spatialIndex_.Add(here, {cell.x, cell.y, cell.x, cell.y}, SpatialIndex::Entry::Cell);
            for (int input = 0; input < std::min(element.InputCount(), kMaxInputs); ++input) {
                const std::int32_t id = element.inputs[std::size_t(input)];
                const LogElement* source = id == 0 ? nullptr : FindById(id);
                if (!source)
                    continue;
                const Point from = source->pos;
                spatialIndex_.Add(here,
                                  {std::min(cell.x, from.x), std::min(cell.y, from.y),
                                   std::max(cell.x, from.x), std::max(cell.y, from.y)},
                                  SpatialIndex::Entry::Connection);
            }
        }
    }
    spatialIndex_.EndRefill();
    return spatialIndex_;
}

std::vector<CVantrelDoc::Location> CVantrelDoc::ElementsInCells(const CellBox& cells) const
{
    return CurrentSpatialIndex().Query(cells, false);
}

std::vector<CVantrelDoc::Location>
CVantrelDoc::ElementsWithConnectionsIn(const CellBox& cells) const
{
    return CurrentSpatialIndex().Query(cells, true);
}

LogElement* CVantrelDoc::FindAt(Point cell) const
{
    if (SpatialIndexCurrent()) {
        for (const Location& location :
             spatialIndex_.Query({cell.x, cell.y, cell.x, cell.y}, false))
            if (LogElement* element = ElementAt(location); element && element->pos == cell)
                return element;
        return nullptr;
    }
    for (const ElementList& list : elements)
        for (const auto& element : list)
            if (element->pos == cell)
                return element.get();
    return nullptr;
}

} // namespace vantrel
