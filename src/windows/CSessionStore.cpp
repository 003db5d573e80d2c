#include "CSessionStore.h"

#include "CFileUtils.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <cerrno>
#include <csignal>

namespace {

// A killed process its parent has not reaped yet still answers kill(0):
// it is running only when it is not such a zombie.
bool IsRunning(pid_t pid)
{
    if (::kill(pid, 0) != 0 && errno != EPERM)
        return false;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.read(512);
    const int end = line.lastIndexOf(')');
    return end < 0 || line.mid(end + 2, 1) != "Z";
}

// Larger files are not a session this program wrote.
constexpr qint64 kMaxSessionBytes = 8 * 1024 * 1024;

bool ValidTab(const QJsonValue& value)
{
    const QJsonObject tab = value.toObject();
    return tab.value("path").isString() && !tab.value("path").toString().isEmpty();
}

bool ValidSession(const QJsonObject& session)
{
    if (!session.value("windows").isArray())
        return false;
    for (const QJsonValue& window : session.value("windows").toArray()) {
        if (!window.isObject() || !window.toObject().value("tabs").isArray())
            return false;
        for (const QJsonValue& tab : window.toObject().value("tabs").toArray()) {
            if (!ValidTab(tab))
                return false;
        }
    }
    return true;
}

} // namespace

CSessionStore::CSessionStore(const QString& dirPath, QObject* parent)
    : QObject(parent)
    , dir(dirPath)
{
    timer.setSingleShot(true);
    timer.setInterval(kSaveDelayMs);
    connect(&timer, &QTimer::timeout, this, [this]() { SaveNow(); });
}

QString CSessionStore::FilePath() const
{
    return dir + "/session.json";
}

QString CSessionStore::MarkerPath() const
{
    return dir + QStringLiteral("/running-%1").arg(QCoreApplication::applicationPid());
}

QStringList CSessionStore::StaleMarkers() const
{
    // One marker per running process: a launch while another instance is
    // still ending (or a second user session) is not a crash of that one.
    QStringList stale;
    const QDir folder(dir);
    for (const QString& name : folder.entryList({QStringLiteral("running-*")}, QDir::Files)) {
        bool ok = false;
        const qint64 pid = name.mid(8).toLongLong(&ok);
        // Not a marker of ours (nothing to say about a crash).
        if (!ok || pid <= 0)
            continue;
        // Our own number on a marker is left from an earlier process that
        // had it.
        const bool alive = pid != QCoreApplication::applicationPid() && IsRunning(pid_t(pid));
        if (!alive)
            stale << folder.filePath(name);
    }
    return stale;
}

void CSessionStore::ScheduleSave()
{
    // Not restarted by later changes: a steady stream of changes (scrolling)
    // still reaches the disk once a second.
    if (!timer.isActive())
        timer.start();
}

bool CSessionStore::SaveNow()
{
    timer.stop();
    if (!collect)
        return false;
    QJsonObject session = collect();
    if (session.isEmpty())
        return false;
    session["version"] = 1;
    session["saved"] = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    // Whole or not at all: a full disk keeps the last session as it was.
    if (!MKBase::CFileUtils::WriteFileBytes(FilePath(), QJsonDocument(session).toJson(QJsonDocument::Indented)))
        return false;
    emit SignalSaved();
    return true;
}

QJsonObject CSessionStore::Load(QString* setAside) const
{
    QFile file(FilePath());
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return QJsonObject();
    const bool tooLarge = file.size() > kMaxSessionBytes;
    QJsonParseError error {};
    const QJsonDocument document = tooLarge ? QJsonDocument() : QJsonDocument::fromJson(file.readAll(), &error);
    file.close();
    if (!tooLarge && error.error == QJsonParseError::NoError && document.isObject() && ValidSession(document.object()))
        return document.object();
    // Kept for a look later, out of the way of the next save.
    const QString aside
        = QStringLiteral("%1.damaged-%2").arg(FilePath(), QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss"));
    QFile::remove(aside);
    if (QFile::rename(FilePath(), aside)) {
        if (setAside)
            *setAside = aside;
    } else {
        QFile::remove(FilePath());
    }
    return QJsonObject();
}

bool CSessionStore::EndedUncleanly() const
{
    return !StaleMarkers().isEmpty();
}

void CSessionStore::MarkRunning()
{
    QDir().mkpath(dir);
    for (const QString& stale : StaleMarkers())
        QFile::remove(stale);
    // Only its name counts, so it is made in place: a temporary file beside
    // it would look like a marker to another instance starting now.
    QFile marker(MarkerPath());
    if (marker.open(QIODevice::WriteOnly))
        marker.write(QByteArray::number(QCoreApplication::applicationPid()));
}

void CSessionStore::MarkCleanEnd()
{
    if (timer.isActive())
        SaveNow();
    QFile::remove(MarkerPath());
}
