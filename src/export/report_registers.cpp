// The table of the registers: every element that takes one of the
// controller's register numbers, in the order the numbers are handed out.
#include "archive/text_codec.h"
#include "document/vantrel_doc.h"
#include "elements/element_kinds.h"
#include "export/report_sections.h"
#include "export/report_text.h"

namespace vantrel {

void AddRegisterSection(ReportSource& source, ReportSections& sections)
{
    ReportTable table{
        {}, {u"Register", u"Kind", u"Name", u"Unit", u"Editable", u"Cell", u"Read by"}, {}};
    long long number = 0;
    // Accumulators first, then NoOp registers, timers and the register list.
    for (const int list : {kAccumulatorList, kNoOpList, kTimerList, kRegisterList}) {
        for (const auto& element : source.document.elements[list]) {
            if (!element->UsesRegister())
                continue;
            table.rows.push_back({Decimal(number++), KindName(*element), element->Name(),
                                  element->NatureText(), YesNo(element->IsEditable()),
                                  CellText(element->pos),
                                  ElementRefs(source.readers.Of(*element), u"nobody")});
        }
    }
    if (!table.rows.empty())
        sections.push_back({u"Registers", {std::move(table)}});
}

} // namespace vantrel
