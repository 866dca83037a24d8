#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace vantrel {

// A design copy left behind by a session that ended without closing.
struct RecoveryEntry
{
    QString designFile;   // the copy
    QString infoFile;     // its side file
    QString originalPath; // the design's own file; empty for a design never saved
    QDateTime savedAt;
    qint64 pid = 0;
};

// The recovery copies in one folder: each session keeps at most one copy of
// its modified design there, "<session>.lgc", beside "<session>.json" that
// names the design's own file, the time of the copy and the session's process.
// A copy whose process no longer runs is what a crash left behind.
class RecoveryStore
{
public:
    explicit RecoveryStore(QString folder);

    // "recovery" in the user's application-data folder.
    static QString DefaultFolder();

    const QString& Folder() const { return folder_; }
    // Replaces this session's copy, then its side file, each atomically, so
    // that a crash while writing leaves the previous copy whole. Raises
    // FileError.
    void Write(std::span<const std::uint8_t> design, const QString& originalPath);
    // Removes this session's copy; nothing happens when there is none.
    void Remove();
    bool HasCopy() const;
    // The copies of other sessions whose process has ended, oldest first.
    std::vector<RecoveryEntry> LeftBehind() const;
    static void Discard(const RecoveryEntry& entry);

private:
    QString PathOf(const QString& suffix) const;

    QString folder_;
    QString session_;
};

// Whether a process of this program with that id runs. An id the system has
// given to another program since counts as ended, and so does a process that
// has ended but is not yet reaped by its parent.
bool ProgramRuns(qint64 pid);

} // namespace vantrel
