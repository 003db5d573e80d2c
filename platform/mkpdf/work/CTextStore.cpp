#include "CTextStore.h"

#include "CAppPaths.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <atomic>

namespace {

constexpr quint32 kMagic = 0x52565458; // "RVTX"
constexpr quint32 kVersion = 1;
constexpr char kSuffix[] = ".text";
// The blocks of the file read for its identity, at its start and its end.
constexpr qint64 kIdentityBlock = 64 * 1024;
// Text compresses to about a quarter; anything claiming far more than that
// is damaged, and is not given the memory it asks for.
constexpr qint64 kMostExpansion = 64;
constexpr qint64 kMostText = 256 * 1024 * 1024;

std::atomic<bool> privateMode {false};

QString PathOf(const QString& key)
{
    return CTextStore::Folder() + QLatin1Char('/') + key + QLatin1String(kSuffix);
}

// Only names this store makes are read: a key is a hash in hex.
bool IsKey(const QString& key)
{
    static const int length = QCryptographicHash::hashLength(QCryptographicHash::Sha1) * 2;
    if (key.size() != length)
        return false;
    for (const QChar c : key) {
        if (!c.isDigit() && (c < QLatin1Char('a') || c > QLatin1Char('f')))
            return false;
    }
    return true;
}

QByteArray Digest(const QByteArray& payload)
{
    return QCryptographicHash::hash(payload, QCryptographicHash::Sha1);
}

QVector<QString> Parse(const QByteArray& bytes, int nPages)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_5_15);
    quint32 magic = 0, version = 0, pages = 0;
    QByteArray digest, packed;
    in >> magic >> version >> pages >> digest >> packed;
    if (in.status() != QDataStream::Ok || !in.atEnd() || magic != kMagic || version != kVersion
        || pages != quint32(nPages) || packed.size() < 4 || digest != Digest(packed))
        return {};
    const qint64 claimed = qFromBigEndian<quint32>(packed.constData());
    if (claimed > kMostText || claimed > packed.size() * kMostExpansion)
        return {};
    const QByteArray plain = qUncompress(packed);
    if (plain.size() != claimed)
        return {};
    QDataStream pagesIn(plain);
    pagesIn.setVersion(QDataStream::Qt_5_15);
    QVector<QString> texts;
    texts.reserve(nPages);
    for (int page = 0; page < nPages; ++page) {
        QByteArray utf8;
        pagesIn >> utf8;
        if (pagesIn.status() != QDataStream::Ok)
            return {};
        texts.append(QString::fromUtf8(utf8));
    }
    return pagesIn.atEnd() ? texts : QVector<QString>();
}

} // namespace

void CTextStore::SetPrivate(bool bPrivate)
{
    privateMode = bPrivate;
}

bool CTextStore::IsPrivate()
{
    return privateMode;
}

QString CTextStore::Folder()
{
    return MKBase::CAppPaths::CacheDir() + QStringLiteral("/text");
}

QString CTextStore::KeyOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QFileInfo info(file);
    const qint64 size = file.size();
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QByteArray::number(size) + ' '
                 + QByteArray::number(info.lastModified().toMSecsSinceEpoch()) + ' ');
    const QByteArray first = file.read(kIdentityBlock);
    if (first.size() != qMin(size, kIdentityBlock))
        return QString();
    hash.addData(first);
    if (size > kIdentityBlock) {
        if (!file.seek(qMax(kIdentityBlock, size - kIdentityBlock)))
            return QString();
        hash.addData(file.readAll());
    }
    return QString::fromLatin1(hash.result().toHex());
}

QVector<QString> CTextStore::Load(const QString& key, int nPages)
{
    if (!IsKey(key) || nPages <= 0)
        return {};
    QFile file(PathOf(key));
    if (!file.exists())
        return {};
    QVector<QString> texts;
    if (file.size() <= kLimitBytes && file.open(QIODevice::ReadOnly))
        texts = Parse(file.readAll(), nPages);
    file.close();
    if (texts.isEmpty()) {
        // Damaged, cut short or of another document: never read again.
        QFile::remove(file.fileName());
    } else if (!privateMode) {
        // Used now: the last to go when the folder is pruned.
        file.open(QIODevice::ReadWrite);
        file.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
    }
    return texts;
}

bool CTextStore::Save(const QString& key, const QVector<QString>& pages)
{
    if (privateMode || !IsKey(key) || pages.isEmpty() || !QDir().mkpath(Folder()))
        return false;
    QByteArray plain;
    {
        QDataStream out(&plain, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_5_15);
        for (const QString& text : pages)
            out << text.toUtf8();
    }
    const QByteArray packed = qCompress(plain, 6);
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_5_15);
        out << kMagic << kVersion << quint32(pages.size()) << Digest(packed) << packed;
    }
    if (bytes.size() > kLimitBytes)
        return false;
    QSaveFile file(PathOf(key));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

void CTextStore::Prune(qint64 nLimit)
{
    const QFileInfoList files = QDir(Folder()).entryInfoList({QStringLiteral("*") + QLatin1String(kSuffix)},
                                                            QDir::Files, QDir::Time);
    qint64 used = 0;
    for (const QFileInfo& info : files) {
        used += info.size();
        if (used > nLimit)
            QFile::remove(info.filePath());
    }
}
