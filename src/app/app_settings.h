#pragma once

#include <QSettings>

#include <memory>

namespace vantrel {

// The per-user settings kept between runs (the recent-file list and the
// print preview's page count), under the program's settings key.
inline std::unique_ptr<QSettings> UserSettings()
{
    return std::make_unique<QSettings>(QSettings::UserScope,
                                       QStringLiteral("Local AppWizard-Generated Applications"),
                                       QStringLiteral("Vantrel"));
}

} // namespace vantrel
