#include "CSessionStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

namespace {

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
    return dir + "/running";
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
    QDir().mkpath(dir);
    QSaveFile file(FilePath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(session).toJson(QJsonDocument::Indented));
    if (!file.commit())
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
    const QString aside = QStringLiteral("%1.damaged-%2").arg(FilePath(), QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss"));
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
    return QFileInfo::exists(MarkerPath());
}

void CSessionStore::MarkRunning()
{
    QDir().mkpath(dir);
    QSaveFile marker(MarkerPath());
    if (marker.open(QIODevice::WriteOnly)) {
        marker.write(QByteArray::number(QCoreApplication::applicationPid()));
        marker.commit();
    }
}

void CSessionStore::MarkCleanEnd()
{
    if (timer.isActive())
        SaveNow();
    QFile::remove(MarkerPath());
}
