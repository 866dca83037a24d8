#pragma once

#include <QSettings>

#include <memory>

namespace vantrel {

// The per-user settings kept between runs (the recent-file list and the
// print preview's page count), in the program's own folder by the desktop's
// conventions: $XDG_CONFIG_HOME/vantrel/vantrel.conf, that is
// ~/.config/vantrel/vantrel.conf by default.
std::unique_ptr<QSettings> UserSettings();

// Moves the settings that earlier versions kept in "Local AppWizard-Generated
// Applications/Vantrel.conf" into the program's own file, once: they are
// copied while that file holds nothing yet, and the earlier file is removed
// when the copy is written.
void MoveEarlierSettings();

} // namespace vantrel
