#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

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
    // Copies are kept in `folder`; those of sessions that ended are looked
    // for in `earlierFolders` too.
    explicit RecoveryStore(QString folder, QStringList earlierFolders = {});

    // The user's own store: "vantrel/recovery" in the user's data folder
    // ($XDG_DATA_HOME, ~/.local/share by default), and the folder where
    // earlier versions kept their copies.
    static RecoveryStore UserStore();

    const QString& Folder() const { return folder_; }
    // Replaces this session's copy, then its side file, each atomically, so
    // that a crash while writing leaves the previous copy whole. Raises
    // FileError.
    void Write(std::span<const std::uint8_t> design, const QString& originalPath);
    // Removes this session's copy; nothing happens when there is none.
    void Remove();
    bool HasCopy() const;
    // The copies of other sessions whose process has ended, in this folder
    // and the earlier ones, oldest first.
    std::vector<RecoveryEntry> LeftBehind() const;
    static void Discard(const RecoveryEntry& entry);

private:
    QString PathOf(const QString& suffix) const;

    QString folder_;
    QStringList earlierFolders_;
    QString session_;
};

// Whether a process of this program with that id runs. An id the system has
// given to another program since counts as ended, and so does a process that
// has ended but is not yet reaped by its parent.
bool ProgramRuns(qint64 pid);

} // namespace vantrel
