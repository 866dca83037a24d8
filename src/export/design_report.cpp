#include "export/design_report.h"

#include "document/vantrel_doc.h"
#include "export/report_sections.h"

namespace vantrel {

DesignReport BuildDesignReport(CVantrelDoc& document, const std::u16string& title)
{
    const CVantrelDoc::FrozenLookups frozen(document);
    const ElementReaders readers(document);
    ReportSource source{document, readers};
    DesignReport report{title, TitlePageTables(source), {}};
    for (void (*add)(ReportSource&, ReportSections&) :
         {AddIoSections, AddRegisterSection, AddMarkerSection, AddModuleSection, AddCommandSections,
          AddProblemSection, AddPictureSections})
        add(source, report.sections);
    return report;
}

} // namespace vantrel
