#pragma once

#include "export/export_routines.h"

#include <optional>

namespace vantrel {

class ConfigDialogs;
class CVantrelDoc;
class ViewPrompts;
struct ViewState;

// The hardware, complex-command and simulation commands of the Tools menu.
// Each asks its dialog, then applies the answer to the document as one
// undoable edit; a dialog closed without a change leaves no undo record.

// The commands below, and whether one may run now.
bool IsConfigurationCommand(int id);
bool IsConfigurationCommandEnabled(int id, const CVantrelDoc& document, const ViewState& state);

// Runs one of the dialog commands ("IO Count", "IO Speed", "Remote I/O",
// "Custom Remote I/O", "Complex Commands", Simulation "Setup").
void RunConfigurationDialog(int id, CVantrelDoc& document, ConfigDialogs& dialogs);

// Simulation "Export": the simulation file under the name the user chooses;
// none when the user cancelled.
std::optional<ExportOutcome> ExportSimulationCommand(const CVantrelDoc& document,
                                                     ViewPrompts& prompts);

} // namespace vantrel
