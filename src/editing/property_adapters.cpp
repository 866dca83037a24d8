// The property adapters by the value of the kind table's rows that name them.
#include "editing/element_dialogs.h"
#include "editing/property_adapter.h"

#include <variant>

namespace vantrel {

namespace {

// Nothing to ask: placing builds the element at once, a double click opens
// nothing.
struct NoProperties
{
    using Element = LogElement;
    using Shown = std::monostate;
    using Answer = std::monostate;

    std::optional<Shown> Defaults(NewElement&) const { return Shown{}; }
    std::optional<Answer> Ask(ElementDialogs&, CVantrelDoc&, const Shown&) const
    {
        return Answer{};
    }
    void Apply(LogElement&, const Shown&, const Answer&) const {}
};

const ShapeAdapter kNoProperties{NoProperties{}};

PropertyTable AllProperties()
{
    PropertyTable table{};
    Enter(table, {{ElementProperties::None, kNoProperties}});
    EnterIoProperties(table);
    EnterValueProperties(table);
    EnterIndirectProperties(table);
    return table;
}

} // namespace

void Enter(PropertyTable& table, std::initializer_list<PropertyEntry> entries)
{
    for (const PropertyEntry& entry : entries)
        table.at(std::size_t(entry.properties)) = &entry.adapter;
}

std::optional<TextBoxResult> AskText(ElementDialogs& dialogs, const TextRequest& request)
{
    return dialogs.TextBox(request.text, request.caption, request.checked);
}

const PropertyAdapter& PropertiesOf(const ElementKindRow& kind)
{
    static const PropertyTable table = AllProperties();
    const PropertyAdapter* adapter = table.at(std::size_t(kind.properties));
    return adapter ? *adapter : kNoProperties;
}

} // namespace vantrel
