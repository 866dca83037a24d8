// The complex commands with the user inputs they set, and the simulation
// elements with the inputs and outputs their slots name.
#include "archive/text_codec.h"
#include "document/vantrel_doc.h"
#include "elements/io_elements.h"
#include "export/report_sections.h"
#include "export/report_text.h"

#include <iterator>

namespace vantrel {

namespace {

// "Jog (No. 8, id 11)".
std::u16string IoRef(const LogIO& io)
{
    return io.name + u" (No. " + Decimal(std::int64_t(io.number) + 1) + u", id " + Decimal(io.id) +
           u")";
}

ReportTable CommandTable(const CVantrelDoc& document)
{
    ReportTable table{{}, {u"Command", u"User input", u"Sets"}, {}};
    for (const auto& command : document.complexCommands) {
        if (command->settings.empty())
            table.rows.push_back({command->name, u"none", u""});
        for (const auto& [id, on] : command->settings) {
            const auto* user = KindAs<LogUser>(document.FindById(id));
            table.rows.push_back(
                {command->name,
                 user ? IoRef(*user)
                      : u"id " + Decimal(id) + u": no user input (dropped on export)",
                 on ? u"ON" : u"OFF"});
        }
    }
    return table;
}

std::u16string TypeName(std::int32_t type)
{
    if (type >= 0 && type < std::int32_t(std::size(SimElement::kTypes)))
        return SimElement::kTypes[type].name;
    return u"type " + Decimal(type);
}

// What a slot names: a local input (or output) element, or nothing.
template <class Io>
std::u16string SlotText(const CVantrelDoc& document, std::int32_t id, const char16_t* wanted)
{
    if (id == -1)
        return u"none";
    const auto* io = KindAs<Io>(document.FindById(id));
    return io ? IoRef(*io) : u"id " + Decimal(id) + u": no " + wanted;
}

ReportTable SimulationTable(const CVantrelDoc& document)
{
    ReportTable table{{}, {u"Element", u"Type", u"Slot", u"Connected to"}, {}};
    for (const auto& element : document.simulationElements) {
        const std::u16string type = TypeName(element->type);
        for (std::size_t i = 0; i < element->inputs.size(); ++i)
            table.rows.push_back({element->name, type,
                                  u"Input " + Decimal(static_cast<long long>(i) + 1),
                                  SlotText<LogIn>(document, element->inputs[i], u"input")});
        for (std::size_t i = 0; i < element->outputs.size(); ++i)
            table.rows.push_back({element->name, type,
                                  u"Output " + Decimal(static_cast<long long>(i) + 1),
                                  SlotText<LogOut>(document, element->outputs[i], u"output")});
        if (element->inputs.empty() && element->outputs.empty())
            table.rows.push_back({element->name, type, u"none", u""});
    }
    return table;
}

} // namespace

void AddCommandSections(ReportSource& source, ReportSections& sections)
{
    const CVantrelDoc& document = source.document;
    if (!document.complexCommands.empty())
        sections.push_back({u"Complex commands", {CommandTable(document)}});
    if (!document.simulationElements.empty())
        sections.push_back({u"Simulation elements", {SimulationTable(document)}});
}

} // namespace vantrel
