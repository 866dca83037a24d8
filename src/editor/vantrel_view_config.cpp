#include "editor/vantrel_view.h"

#include "document/vantrel_doc.h"
#include "editing/command_ids.h"
#include "editing/configuration_commands.h"

namespace vantrel {

void CVantrelView::OnConfigurationCommand(int id)
{
    if (id == command::kSimulationExport) {
        if (const std::optional<ExportOutcome> outcome =
                ExportSimulationCommand(document_, prompts_))
            for (const FileError& failure : outcome->failures)
                ReportFileError(failure);
    } else {
        RunConfigurationDialog(id, document_, configDialogs_);
    }
    // Labels, descriptions and number limits follow the configuration.
    Redraw();
}

} // namespace vantrel
