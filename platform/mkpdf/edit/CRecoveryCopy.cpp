#include "CRecoveryCopy.h"

#include "CAppPaths.h"
#include "CFileUtils.h"
#include "CJobRunner.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QThreadPool>

#include <algorithm>
#include <atomic>

namespace {

// Recognized text of a few hundred pages fits.
constexpr qint64 kMaxCopyBytes = 64 * 1024 * 1024;

std::atomic<bool> privateMode {false};

} // namespace

QString CRecoveryCopy::DirPath()
{
    return MKBase::CAppPaths::RecoveryDir();
}

QString CRecoveryCopy::NewCopyPath(const QString& documentPath)
{
    static std::atomic<int> serial {0};
    const QByteArray key = QFileInfo(documentPath).absoluteFilePath().toUtf8();
    return DirPath() + "/"
        + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16))
        + QStringLiteral("-%1-%2-%3.json")
              .arg(QCoreApplication::applicationPid())
              .arg(QDateTime::currentMSecsSinceEpoch())
              .arg(++serial);
}

bool CRecoveryCopy::Write(const QString& copyPath, const QString& documentPath, const QJsonObject& state)
{
    if (privateMode) {
        QFile::remove(copyPath);
        return false;
    }
    const QJsonObject copy {{"document", QFileInfo(documentPath).absoluteFilePath()},
                            {"written", QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)},
                            {"state", state}};
    return MKBase::CFileUtils::WriteFileBytes(copyPath, QJsonDocument(copy).toJson(QJsonDocument::Compact));
}

void CRecoveryCopy::WriteLater(const QString& copyPath, const QString& documentPath, const QJsonObject& state)
{
    CJobRunner::Start(CJobRunner::RecoveryPool, CJobRunner::BackgroundPriority, [copyPath, documentPath, state]() { Write(copyPath, documentPath, state); });
}

void CRecoveryCopy::RemoveLater(const QString& copyPath)
{
    CJobRunner::Start(CJobRunner::RecoveryPool, CJobRunner::BackgroundPriority, [copyPath]() { QFile::remove(copyPath); });
}

void CRecoveryCopy::Flush()
{
    CJobRunner::ThreadPool(CJobRunner::RecoveryPool)->waitForDone();
}

void CRecoveryCopy::SetPrivate(bool bPrivate)
{
    privateMode = bPrivate;
}

bool CRecoveryCopy::IsPrivate()
{
    return privateMode;
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
    entry->reachable = QFileInfo(entry->documentPath).isFile();
    return !entry->documentPath.isEmpty();
}

QList<CRecoveryCopy::Entry> CRecoveryCopy::Pending()
{
    QList<Entry> entries;
    const QFileInfoList files = QDir(DirPath()).entryInfoList({"*.json"}, QDir::Files);
    for (const QFileInfo& info : files) {
        Entry entry;
        if (!Read(info.filePath(), &entry)) {
            QFile::remove(info.filePath());
            continue;
        }
        entries.append(entry);
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.written < b.written; });
    return entries;
}
