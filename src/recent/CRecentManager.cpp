#include "CRecentManager.h"

#include "CAppPaths.h"
#include "CDesktopRecent.h"
#include "CFileUtils.h"
#include "CThumbnailCache.h"
#include "MainBox.h"
#include "RecentKeys.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

namespace {

qint32 NowSeconds()
{
    return qint32(QDateTime::currentSecsSinceEpoch());
}

} // namespace

CRecentManager::CRecentManager(QObject* parent)
    : QObject(parent)
{
    Load();
}

CRecentManager* CRecentManager::getInstance(QObject* parent)
{
    static CRecentManager* instance = new CRecentManager(parent);
    return instance;
}

QString CRecentManager::ListFilePath()
{
    return MKBase::CAppPaths::RecentListFile();
}

QString CRecentManager::ThumbnailDirPath()
{
    static const QString dir = MainBox::ThumbnailDirPath();
    return dir;
}

QString CRecentManager::ThumbnailFileName(const QString& documentPath)
{
    return MainBox::ThumbnailFileName(documentPath);
}

QString CRecentManager::FormatFileSize(qint64 bytes)
{
    static const char* const units[] = {"B", "KB", "MB", "GB", "TB"};
    if (bytes < 1)
        return QStringLiteral("0 KB");
    double value = double(bytes);
    int unit = 0;
    while (value >= 1024.0 && unit < 4) {
        value /= 1024.0;
        ++unit;
    }
    return QLocale().toString(value, 'f', 2) + ' ' + QLatin1String(units[unit]);
}

QString CRecentManager::FormatOpenTime(qint64 seconds)
{
    // Today is fixed at the first call of the process.
    static const QDate today = QDate::currentDate();
    const QDateTime time = QDateTime::fromSecsSinceEpoch(seconds).toLocalTime();
    if (time.date() == today)
        return time.toString("HH:mm:ss");
    return time.toString("MM/dd/yyyy");
}

void CRecentManager::Load()
{
    MKBase::CFileUtils::MakeDirPath(ThumbnailDirPath());
    records = QJsonArray();
    QFile file(ListFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    file.close();
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    bool usable = error.error == QJsonParseError::NoError && doc.isArray();
    if (usable) {
        for (const QJsonValue& value : doc.array()) {
            const QJsonObject object = value.toObject();
            // A relative path names no file for certain.
            const QString path = object.value(OpenKey::kPath).toString();
            if (!path.isEmpty() && !QDir::isRelativePath(path))
                records.append(object);
        }
    }
    // A list that could not be read whole is kept aside, not overwritten by
    // the next save.
    if (!bytes.trimmed().isEmpty() && (!usable || records.size() != doc.array().size())) {
        QFile::remove(ListFilePath() + ".bad");
        QFile::copy(ListFilePath(), ListFilePath() + ".bad");
    }
}

void CRecentManager::Save()
{
    MKBase::CFileUtils::MakeDirPath(ThumbnailDirPath());
    // Replaced atomically: a failed write leaves the previous list whole.
    MKBase::CFileUtils::WriteFileBytes(ListFilePath(), QJsonDocument(records).toJson());
}

int CRecentManager::IndexOf(const QString& path) const
{
    for (int i = 0; i < records.size(); ++i) {
        if (records.at(i).toObject().value(OpenKey::kPath).toString() == path)
            return i;
    }
    return -1;
}

QVariantMap CRecentManager::GetItemInfo(int index) const
{
    if (!IsValid(index))
        return {};
    const QJsonObject record = records.at(index).toObject();
    const QString path = record.value(OpenKey::kPath).toString();
    const QFileInfo file(path);
    QVariantMap info;
    info[OpenKey::kPath] = path;
    info[RecentKey::kFileName] = file.completeBaseName();
    info[RecentKey::kFileSize] = FormatFileSize(file.exists() ? file.size() : 0);
    info[RecentKey::kOpenTime] = record.value(RecentKey::kOpenTime).toInt(0);
    info[RecentKey::kTimeString] = FormatOpenTime(record.value(RecentKey::kOpenTime).toInt(0));
    info[RecentKey::kThumbnail]
        = CThumbnailCache::getInstance()->Image(path, ThumbnailDirPath() + ThumbnailFileName(path));
    info[RecentKey::kPin] = record.value(RecentKey::kPin).toBool(false);
    info[RecentKey::kPinTime] = record.value(RecentKey::kPinTime).toInt(0);
    info[OpenKey::kPageIndex] = record.value(OpenKey::kPageIndex).toInt(0);
    info[OpenKey::kZoom] = record.value(OpenKey::kZoom).toDouble(100.0);
    info[OpenKey::kDisplayMode] = record.value(OpenKey::kDisplayMode).toInt(1);
    info[OpenKey::kRotation] = record.value(OpenKey::kRotation).toInt(0);
    info[RecentKey::kHasPassword] = record.value(RecentKey::kHasPassword).toBool(false);
    return info;
}

void CRecentManager::AddRecord(const QString& path, const QVariantMap& info)
{
    if (path.isEmpty() || QDir::isRelativePath(path))
        return;
    // The desktop's Recent and file dialogs list it too, as with any viewer.
    MKBase::CDesktopRecent::Add(path);
    for (int i = 0; i < records.size(); ++i) {
        QJsonObject record = records.at(i).toObject();
        if (!MKBase::CFileUtils::IsTheSameFile(record.value(OpenKey::kPath).toString(), path))
            continue;
        record[RecentKey::kOpenTime] = NowSeconds();
        records[i] = record;
        emit SignalRecentItemChanged(i, QString());
        Save();
        return;
    }
    QJsonObject record;
    record[RecentKey::kPin] = false;
    record[RecentKey::kPinTime] = 0;
    record["count"] = 0;
    record[RecentKey::kFileSize] = double(QFileInfo(path).size());
    record[RecentKey::kOpenTime] = NowSeconds();
    record[OpenKey::kPath] = path;
    record[OpenKey::kPageIndex] = info.value(OpenKey::kPageIndex).toInt();
    record[OpenKey::kZoom] = double(info.value(OpenKey::kZoom).toFloat());
    record[OpenKey::kDisplayMode] = info.value(OpenKey::kDisplayMode).toInt();
    record[RecentKey::kHasPassword] = info.value(RecentKey::kHasPassword).toBool();
    records.insert(0, record);
    emit SignalRecentItemAdded(0, path);
    Save();
}

void CRecentManager::RemoveRecord(int index)
{
    if (!IsValid(index))
        return;
    const QString path = records.at(index).toObject().value(OpenKey::kPath).toString();
    records.removeAt(index);
    emit SignalRecentItemDeleted(index, path);
    QFile::remove(ThumbnailDirPath() + ThumbnailFileName(path));
    CThumbnailCache::getInstance()->Forget(path);
    Save();
}

void CRecentManager::RemoveAllRecords()
{
    records = QJsonArray();
    Save();
    MKBase::CFileUtils::DeleteDirPath(ThumbnailDirPath());
    MKBase::CFileUtils::MakeDirPath(ThumbnailDirPath());
    CThumbnailCache::getInstance()->Clear();
    emit SignalRecentRemoveAll();
}

void CRecentManager::SetPinned(int index, bool pinned)
{
    if (!IsValid(index))
        return;
    QJsonObject record = records.at(index).toObject();
    record[RecentKey::kPin] = pinned;
    record[RecentKey::kPinTime] = NowSeconds();
    records[index] = record;
    emit SignalRecentItemChanged(index, QString());
    Save();
}

void CRecentManager::RenameRecord(int index, const QString& newPath)
{
    if (!IsValid(index))
        return;
    QJsonObject record = records.at(index).toObject();
    const QString oldPath = record.value(OpenKey::kPath).toString();
    record[OpenKey::kPath] = newPath;
    records[index] = record;
    QFile::rename(ThumbnailDirPath() + ThumbnailFileName(oldPath), ThumbnailDirPath() + ThumbnailFileName(newPath));
    CThumbnailCache::getInstance()->Forget(oldPath);
    emit SignalRecentItemChanged(index, QString());
    Save();
}

void CRecentManager::RenameRecord(const QString& oldPath, const QString& newPath)
{
    RenameRecord(IndexOf(oldPath), newPath);
}

void CRecentManager::SetHasPassword(const QString& path, bool flag)
{
    const int index = IndexOf(path);
    if (!IsValid(index))
        return;
    QJsonObject record = records.at(index).toObject();
    record[RecentKey::kHasPassword] = flag;
    records[index] = record;
    emit SignalRecentItemChanged(index, QString());
}

void CRecentManager::UpdateRecordInfo(const QString& path, const QVariantMap& info)
{
    const int index = IndexOf(path);
    if (!IsValid(index))
        return;
    QJsonObject record = records.at(index).toObject();
    if (!info.value(OpenKey::kPageIndex).isNull())
        record[OpenKey::kPageIndex] = info.value(OpenKey::kPageIndex).toInt();
    if (!info.value(OpenKey::kZoom).isNull())
        record[OpenKey::kZoom] = double(info.value(OpenKey::kZoom).toFloat());
    if (!info.value(OpenKey::kDisplayMode).isNull())
        record[OpenKey::kDisplayMode] = info.value(OpenKey::kDisplayMode).toInt();
    if (!info.value(OpenKey::kRotation).isNull())
        record[OpenKey::kRotation] = info.value(OpenKey::kRotation).toInt() % 360;
    if (!info.value(RecentKey::kHasPassword).isNull())
        record[RecentKey::kHasPassword] = info.value(RecentKey::kHasPassword).toBool();
    records[index] = record;
    emit SignalRecentItemChanged(index, QString());
    Save();
}
