#include "CRecoveryCopy.h"

#include "CAppPaths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>

#include <algorithm>

namespace {

// Recognized text of a few hundred pages fits.
constexpr qint64 kMaxCopyBytes = 64 * 1024 * 1024;

} // namespace

QString CRecoveryCopy::DirPath()
{
    return MKBase::CAppPaths::RecoveryDir();
}

QString CRecoveryCopy::CopyPathFor(const QString& documentPath)
{
    const QByteArray key = QFileInfo(documentPath).absoluteFilePath().toUtf8();
    return DirPath() + "/" + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex())
        + ".json";
}

bool CRecoveryCopy::Write(const QString& documentPath, const QJsonObject& state)
{
    QDir().mkpath(DirPath());
    QSaveFile file(CopyPathFor(documentPath));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QJsonObject copy {{"document", QFileInfo(documentPath).absoluteFilePath()},
                            {"written", QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)},
                            {"state", state}};
    file.write(QJsonDocument(copy).toJson(QJsonDocument::Compact));
    return file.commit();
}

void CRecoveryCopy::Remove(const QString& documentPath)
{
    QFile::remove(CopyPathFor(documentPath));
}

bool CRecoveryCopy::Read(const QString& copyPath, Entry* entry)
{
    QFile file(copyPath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxCopyBytes)
        return false;
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject copy = document.object();
    if (!copy.value("document").isString() || !copy.value("state").isObject())
        return false;
    entry->copyPath = copyPath;
    entry->documentPath = copy.value("document").toString();
    entry->written = QDateTime::fromString(copy.value("written").toString(), Qt::ISODateWithMs);
    entry->state = copy.value("state").toObject();
    return !entry->documentPath.isEmpty();
}

QList<CRecoveryCopy::Entry> CRecoveryCopy::Pending()
{
    QList<Entry> entries;
    const QFileInfoList files = QDir(DirPath()).entryInfoList({"*.json"}, QDir::Files);
    for (const QFileInfo& info : files) {
        Entry entry;
        if (!Read(info.filePath(), &entry) || !QFileInfo(entry.documentPath).isFile()) {
            QFile::remove(info.filePath());
            continue;
        }
        entries.append(entry);
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.written < b.written; });
    return entries;
}
