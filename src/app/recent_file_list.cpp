#include "app/recent_file_list.h"

#include "app/app_settings.h"

#include <QFileInfo>

namespace vantrel {

namespace {

const QString kSection = QStringLiteral("Recent File List");

QString EntryName(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

} // namespace

RecentFileList::RecentFileList()
{
    const std::unique_ptr<QSettings> settings = UserSettings();
    settings->beginGroup(kSection);
    for (int i = 0; i < kSize; ++i) {
        const QString path = settings->value(EntryName(i)).toString();
        if (!path.isEmpty())
            files_.append(path);
    }
}

void RecentFileList::Add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    files_.removeAll(absolute);
    files_.prepend(absolute);
    while (files_.size() > kSize)
        files_.removeLast();
    Save();
}

void RecentFileList::Remove(qsizetype index)
{
    if (index < 0 || index >= files_.size())
        return;
    files_.removeAt(index);
    Save();
}

void RecentFileList::Save() const
{
    const std::unique_ptr<QSettings> settings = UserSettings();
    settings->beginGroup(kSection);
    for (int i = 0; i < kSize; ++i) {
        if (i < files_.size())
            settings->setValue(EntryName(i), files_[i]);
        else
            settings->remove(EntryName(i));
    }
}

} // namespace vantrel
