#include "app/recovery_store.h"

#include "archive/file_bytes.h"
#include "qt_adapters/qt_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>
#include <cerrno>
#include <csignal>

namespace vantrel {

namespace {

const QString kDesignSuffix = QStringLiteral(".lgc");
const QString kInfoSuffix = QStringLiteral(".json");

std::span<const std::uint8_t> AsBytes(const QByteArray& bytes)
{
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())};
}

// The process's command name as the system keeps it; empty where it cannot
// be read.
QByteArray CommandName(const QString& pid)
{
    QFile file(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().trimmed();
}

// Whether the process has ended without its parent having reaped it yet (a
// zombie): it runs no more, yet kill() and /proc still know it.
bool IsZombie(const QString& pid)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // "pid (command) state ...": the command may hold spaces and parentheses
    // of its own, so the state is the field after the last parenthesis.
    const QByteArray stat = file.read(4096);
    const qsizetype commandEnd = stat.lastIndexOf(')');
    if (commandEnd < 0 || commandEnd + 2 >= stat.size())
        return false;
    const char state = stat.at(commandEnd + 2);
    return state == 'Z' || state == 'X';
}

std::optional<RecoveryEntry> ReadEntry(const QDir& folder, const QString& infoName)
{
    QFile info(folder.filePath(infoName));
    if (!info.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject fields = QJsonDocument::fromJson(info.read(qint64(64) * 1024)).object();
    RecoveryEntry entry;
    entry.infoFile = info.fileName();
    entry.designFile = folder.filePath(infoName.chopped(kInfoSuffix.size()) + kDesignSuffix);
    entry.originalPath = fields.value(QStringLiteral("original")).toString();
    entry.savedAt =
        QDateTime::fromString(fields.value(QStringLiteral("saved")).toString(), Qt::ISODateWithMs);
    entry.pid = fields.value(QStringLiteral("pid")).toInteger();
    return entry;
}

} // namespace

RecoveryStore::RecoveryStore(QString folder, QStringList earlierFolders)
    : folder_(std::move(folder)), earlierFolders_(std::move(earlierFolders)),
      session_(QStringLiteral("%1-%2")
                   .arg(QCoreApplication::applicationPid())
                   .arg(QUuid::createUuid().toString(QUuid::Id128)))
{}

RecoveryStore RecoveryStore::UserStore()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return RecoveryStore(data + QStringLiteral("/vantrel/recovery"),
                         {data + QStringLiteral("/Local AppWizard-Generated Applications/Vantrel/"
                                                "recovery")});
}

QString RecoveryStore::PathOf(const QString& suffix) const
{
    return QDir(folder_).filePath(session_ + suffix);
}

void RecoveryStore::Write(std::span<const std::uint8_t> design, const QString& originalPath)
{
    std::error_code error;
    std::filesystem::create_directories(FileSystemPath(folder_), error);
    if (error)
        throw FileError(FileSystemPath(folder_), error.value());
    WriteFileAtomically(FileSystemPath(PathOf(kDesignSuffix)), design);
    const QJsonObject info{
        {QStringLiteral("original"), originalPath},
        {QStringLiteral("saved"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)},
        {QStringLiteral("pid"), QCoreApplication::applicationPid()},
    };
    WriteFileAtomically(FileSystemPath(PathOf(kInfoSuffix)), AsBytes(QJsonDocument(info).toJson()));
}

void RecoveryStore::Remove()
{
    // The side file goes first: a copy without one is never offered.
    QFile::remove(PathOf(kInfoSuffix));
    QFile::remove(PathOf(kDesignSuffix));
}

bool RecoveryStore::HasCopy() const
{
    return QFile::exists(PathOf(kInfoSuffix));
}

std::vector<RecoveryEntry> RecoveryStore::LeftBehind() const
{
    std::vector<RecoveryEntry> entries;
    for (const QString& path : QStringList{folder_} + earlierFolders_) {
        const QDir folder(path);
        for (const QString& name :
             folder.entryList({QStringLiteral("*") + kInfoSuffix}, QDir::Files)) {
            if (folder.filePath(name) == PathOf(kInfoSuffix))
                continue;
            std::optional<RecoveryEntry> entry = ReadEntry(folder, name);
            if (entry && !ProgramRuns(entry->pid) && QFile::exists(entry->designFile))
                entries.push_back(std::move(*entry));
        }
    }
    std::ranges::sort(entries, {}, &RecoveryEntry::savedAt);
    return entries;
}

void RecoveryStore::Discard(const RecoveryEntry& entry)
{
    QFile::remove(entry.infoFile);
    QFile::remove(entry.designFile);
}

bool ProgramRuns(qint64 pid)
{
    if (pid <= 0 || (::kill(pid_t(pid), 0) != 0 && errno != EPERM))
        return false;
    const QString id = QString::number(pid);
    if (IsZombie(id))
        return false;
    const QByteArray name = CommandName(id);
    return name.isEmpty() ||
           name == CommandName(QString::number(QCoreApplication::applicationPid()));
}

} // namespace vantrel
