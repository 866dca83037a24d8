#include "editing/editing_commands.h"

#include "editing/editing_command_groups.h"
#include "editing/view_state.h"

#include <map>
#include <vector>

namespace vantrel {

namespace {

struct Table
{
    std::vector<EditingCommandRow> rows;
    std::map<int, std::size_t> byId;
};

const Table& TheTable()
{
    static const Table table = [] {
        Table joined;
        for (const auto group : {ViewCommandRows(), EditCommandRows(), ToolsCommandRows()})
            joined.rows.insert(joined.rows.end(), group.begin(), group.end());
        for (std::size_t i = 0; i < joined.rows.size(); ++i)
            joined.byId.emplace(joined.rows[i].look.id, i);
        return joined;
    }();
    return table;
}

} // namespace

std::span<const EditingCommandRow> EditingCommands()
{
    return TheTable().rows;
}

const EditingCommandRow* FindEditingCommand(int id)
{
    const Table& table = TheTable();
    const auto found = table.byId.find(id);
    return found == table.byId.end() ? nullptr : &table.rows[found->second];
}

bool IsEditingCommandEnabled(int id, const EditingQuery& query)
{
    const EditingCommandRow* row = FindEditingCommand(id);
    return row && row->run && (!row->enabled || row->enabled(query, id));
}

bool IsEditingCommandChecked(int id, const EditingQuery& query)
{
    const EditingCommandRow* row = FindEditingCommand(id);
    return row && row->checked && row->checked(query, id);
}

CommandEffects RunEditingCommand(int id, EditingContext& context)
{
    if (!IsEditingCommandEnabled(id, QueryOf(context)))
        return effect::kNone;
    return FindEditingCommand(id)->run(context, id);
}

bool InDesign(const EditingQuery& query, int)
{
    return query.state.InDesign();
}

bool InPreview(const EditingQuery& query, int)
{
    return !query.state.InDesign();
}

EditingQuery QueryOf(const EditingContext& context)
{
    return {context.document, context.state, context.clipboard};
}

} // namespace vantrel
