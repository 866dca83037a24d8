#include "app/app_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vantrel {

std::unique_ptr<QSettings> UserSettings()
{
    return std::make_unique<QSettings>(QSettings::UserScope, QStringLiteral("vantrel"),
                                       QStringLiteral("vantrel"));
}

void MoveEarlierSettings()
{
    QString earlierFile;
    {
        const QSettings earlier(QSettings::UserScope,
                                QStringLiteral("Local AppWizard-Generated Applications"),
                                QStringLiteral("Vantrel"));
        const std::unique_ptr<QSettings> own = UserSettings();
        if (earlier.allKeys().isEmpty() || !own->allKeys().isEmpty())
            return;
        for (const QString& key : earlier.allKeys())
            own->setValue(key, earlier.value(key));
        own->sync();
        if (own->status() != QSettings::NoError)
            return;
        earlierFile = earlier.fileName();
    }
    QFile::remove(earlierFile);
    // The folder was the program's alone; it goes once it is empty.
    QDir().rmdir(QFileInfo(earlierFile).absolutePath());
}

} // namespace vantrel
