#pragma once

#include "export/element_readers.h"
#include "export/report_model.h"

#include <vector>

namespace vantrel {

class CVantrelDoc;

// What the sections of the documentation are made from: the design, frozen
// while they are made, and who reads each of its elements.
struct ReportSource
{
    CVantrelDoc& document;
    const ElementReaders& readers;
};

using ReportSections = std::vector<ReportSection>;

// Each adds its sections, in the order of the document, when the design has
// content for them.

// The title page's tables: settings, element counts, resource report.
std::vector<ReportBlock> TitlePageTables(ReportSource& source);
// Digital, user and analog inputs and outputs, a table each.
void AddIoSections(ReportSource& source, ReportSections& sections);
void AddRegisterSection(ReportSource& source, ReportSections& sections);
void AddMarkerSection(ReportSource& source, ReportSections& sections);
// Remote I/O and custom modules.
void AddModuleSection(ReportSource& source, ReportSections& sections);
// Complex commands and simulation elements.
void AddCommandSections(ReportSource& source, ReportSections& sections);
// The problems as the check lists them; always there.
void AddProblemSection(ReportSource& source, ReportSections& sections);
// The schematic's sheets and the preview pages.
void AddPictureSections(ReportSource& source, ReportSections& sections);

} // namespace vantrel
