#pragma once

#include <QString>
#include <QStringList>

namespace vantrel {

// The files opened or saved last, latest first, kept between runs in the
// per-user settings ("Recent File List", "File1" .. "File4").
class RecentFileList
{
public:
    static constexpr int kSize = 4;

    // Reads the list from the settings.
    RecentFileList();

    const QStringList& Files() const { return files_; }
    // Puts the file at the top (moving it up when listed already) and drops
    // what falls off the end.
    void Add(const QString& path);
    void Remove(qsizetype index);

private:
    void Save() const;

    QStringList files_;
};

} // namespace vantrel
