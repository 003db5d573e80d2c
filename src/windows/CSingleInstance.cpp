#include "CSingleInstance.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSystemSemaphore>
#include <QThread>

#include <unistd.h>

namespace {

// Qt's key file of a semaphore (its lock and our wake-up one) starts so.
const char* const kSemaphoreFilePrefix = "qipc_systemsem_";

// One QString in data stream format, checked against the bytes that are
// really there before anything is allocated.
bool ReadString(QDataStream& stream, qint64 size, QString* text)
{
    quint32 length = 0;
    stream >> length;
    if (stream.status() != QDataStream::Ok)
        return false;
    if (length == 0xffffffffu) {
        *text = QString();
        return true;
    }
    const qint64 remaining = size - stream.device()->pos();
    if ((length & 1u) || qint64(length) > remaining)
        return false;
    QByteArray raw(int(length), Qt::Uninitialized);
    if (stream.readRawData(raw.data(), int(length)) != int(length))
        return false;
    *text = QString(int(length / 2), Qt::Uninitialized);
    const auto* src = reinterpret_cast<const uchar*>(raw.constData());
    for (int c = 0; c < text->size(); ++c)
        (*text)[c] = QChar(ushort((src[2 * c] << 8) | src[2 * c + 1]));
    return true;
}

bool ReadList(QDataStream& stream, qint64 size, QStringList* list)
{
    quint32 count = 0;
    stream >> count;
    if (stream.status() != QDataStream::Ok)
        return false;
    // Each string needs at least its 4-byte length.
    if (count > quint32(size / 4))
        return false;
    for (quint32 i = 0; i < count; ++i) {
        QString text;
        if (!ReadString(stream, size, &text))
            return false;
        *list << text;
    }
    return true;
}

// Launcher ids are short printable ASCII; anything else is not one.
QByteArray ValidId(const QString& text)
{
    if (text.size() > 256)
        return {};
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() >= 0x7f)
            return {};
    }
    return text.toLatin1();
}

// Runs fn under the segment's lock until it returns true or time runs out.
template <typename Fn> bool WaitLocked(QSharedMemory& segment, const QElapsedTimer& timer, int nTimeoutMs, Fn fn)
{
    for (;;) {
        if (segment.lock()) {
            const bool done = fn(static_cast<char*>(segment.data()));
            segment.unlock();
            if (done)
                return true;
        }
        if (timer.elapsed() >= nTimeoutMs)
            return false;
        QThread::msleep(5);
    }
}

} // namespace

CSingleInstance::CSingleInstance(const QString& key_)
    : key(key_)
{
    segment.setKey(SegmentKey(key));
    running = !TryCreate() && segment.error() == QSharedMemory::AlreadyExists;
}

CSingleInstance::~CSingleInstance()
{
    if (segment.isAttached())
        segment.detach();
}

bool CSingleInstance::TryCreate()
{
    bool created = false;
    for (int attempt = 0; attempt < kKeyAttempts; ++attempt) {
        created = segment.create(kSegmentSize, QSharedMemory::ReadWrite);
        if (created)
            break;
        const QSharedMemory::SharedMemoryError error = segment.error();
        if (error == QSharedMemory::AlreadyExists) {
            QSharedMemory probe(SegmentKey(key));
            if (probe.attach(QSharedMemory::ReadOnly)) {
                const bool ours = probe.size() == kSegmentSize;
                // A segment left by a crashed instance has nobody attached:
                // detaching once removes it, after which creating succeeds.
                probe.detach();
                if (ours) {
                    created = segment.create(kSegmentSize, QSharedMemory::ReadWrite);
                    break;
                }
            } else if (probe.error() != QSharedMemory::PermissionDenied) {
                break;
            }
        } else if (error != QSharedMemory::PermissionDenied) {
            break;
        }
        // System V keys are made from a key file's inode, and an object of
        // another user or program (often one a crash left) can sit on ours.
        // It is never our instance: ours is always ours to open, at our size.
        RenewKeyFile(segment.nativeKey());
        RenewKeyFile(KeyFilePath(kSemaphoreFilePrefix, SegmentKey(key)));
    }
    if (!created)
        return false;
    if (segment.lock()) {
        memset(segment.data(), 0, size_t(segment.size()));
        segment.unlock();
    }
    // Made together with the segment, before any later launch can find it,
    // so that no wake-up is posted to a semaphore about to be reset. Create
    // also drops a count a crashed instance left. It lives as long as this
    // process, which the reader thread relies on.
    wake.reset(new QSystemSemaphore(SemaphoreKey(key), 0, QSystemSemaphore::Create));
    if (wake->error() == QSystemSemaphore::PermissionDenied) {
        wake.reset();
        RenewKeyFile(KeyFilePath(kSemaphoreFilePrefix, SemaphoreKey(key)));
        wake.reset(new QSystemSemaphore(SemaphoreKey(key), 0, QSystemSemaphore::Create));
    }
    running = false;
    return true;
}

QString CSingleInstance::KeyFilePath(const QString& prefix, const QString& name)
{
    // As Qt names the key files of its shared memory and semaphores.
    QString letters;
    for (QChar c : name) {
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')))
            letters += c;
    }
    return QDir::tempPath() + QLatin1Char('/') + prefix + letters
        + QString::fromLatin1(QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex());
}

bool CSingleInstance::RenewKeyFile(const QString& path)
{
    // The old file keeps its inode until the new one exists, so the new
    // file cannot get the same number and with it the same key.
    const QString old = path + QStringLiteral(".old");
    QFile::remove(old);
    const bool moved = QFile::rename(path, old);
    QFile file(path);
    const bool made = file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    file.close();
    if (moved)
        QFile::remove(old);
    return made;
}

QString CSingleInstance::SegmentKey(const QString& key)
{
    // Per user, and per login session of that user: a session on another
    // display must not hand its files to a window nobody there can see.
    QString name = key + QStringLiteral("_%1").arg(::getuid());
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty())
        name += QLatin1Char('_') + QString::number(qChecksum(runtime.constData(), uint(runtime.size())), 16);
    return name;
}

QString CSingleInstance::SemaphoreKey(const QString& key)
{
    return SegmentKey(key) + QStringLiteral("_Semaphore");
}

QByteArray CSingleInstance::SerializeArguments(const QStringList& args)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream stream(&buffer);
    stream << args;
    return bytes;
}

QByteArray CSingleInstance::SerializeHandOver(const HandOver& handOver)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream stream(&buffer);
    stream << handOver.arguments << QString::fromLatin1(handOver.startupId)
           << QString::fromLatin1(handOver.activationToken);
    return bytes;
}

QStringList CSingleInstance::ParseArguments(const QByteArray& data)
{
    return ParseHandOver(data).arguments;
}

CSingleInstance::HandOver CSingleInstance::ParseHandOver(const QByteArray& data)
{
    HandOver result;
    QDataStream stream(data);
    stream.setByteOrder(QDataStream::BigEndian);
    if (!ReadList(stream, data.size(), &result.arguments)) {
        result.arguments.clear();
        return result;
    }
    QString startupId;
    QString token;
    if (ReadString(stream, data.size(), &startupId) && ReadString(stream, data.size(), &token)) {
        result.startupId = ValidId(startupId);
        result.activationToken = ValidId(token);
    }
    return result;
}

CSingleInstance::SendResult CSingleInstance::SendArguments(const HandOver& handOver)
{
    QByteArray bytes = SerializeHandOver(handOver);
    // The ids only help; the list must get through.
    if (bytes.size() > kPayloadSize)
        bytes = SerializeArguments(handOver.arguments);
    if (bytes.size() > kPayloadSize)
        return TooLong;

    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < kTakeOverTimeoutMs) {
        QSharedMemory target(SegmentKey(key));
        if (!target.attach(QSharedMemory::ReadWrite)) {
            // The instance ended after we found it: be the instance.
            if (TryCreate())
                return BecameFirst;
            QThread::msleep(20);
            continue;
        }
        if (target.size() < kSegmentSize) {
            target.detach();
            return NoAnswer;
        }
        // Wait for the list of an earlier launch to be taken, then write.
        bool closing = false;
        QElapsedTimer turn;
        turn.start();
        const bool written = WaitLocked(target, turn, kHandOverTimeoutMs, [&](char* data) {
            closing = data[kClosingByte] != 0;
            if (closing || data[kPendingByte])
                return closing;
            memcpy(data, bytes.constData(), size_t(bytes.size()));
            data[kPendingByte] = 1;
            return true;
        });
        if (!written) {
            target.detach();
            return NoAnswer;
        }
        if (closing) {
            // Detaching last removes the segment; the next round creates it.
            target.detach();
            QThread::msleep(20);
            continue;
        }
        QSystemSemaphore(SemaphoreKey(key), 0, QSystemSemaphore::Open).release(1);
        bool taken = false;
        QElapsedTimer answer;
        answer.start();
        WaitLocked(target, answer, kHandOverTimeoutMs, [&](char* data) {
            taken = data[kPendingByte] == 0;
            return taken || data[kClosingByte] != 0;
        });
        if (!taken && target.lock()) {
            // Not taken in time, or the instance began to close first and
            // never will: take the list back.
            char* data = static_cast<char*>(target.data());
            taken = data[kPendingByte] == 0;
            data[kPendingByte] = 0;
            closing = data[kClosingByte] != 0;
            target.unlock();
        }
        target.detach();
        if (taken)
            return Delivered;
        if (!closing)
            return NoAnswer;
        QThread::msleep(20);
    }
    return NoAnswer;
}

void CSingleInstance::SetClosing(bool bClosing)
{
    if (!segment.isAttached() || !segment.lock())
        return;
    static_cast<char*>(segment.data())[kClosingByte] = bClosing ? 1 : 0;
    segment.unlock();
}

bool CSingleInstance::TakePayload(QSharedMemory& segment, const std::function<void(const QByteArray&)>& deliver)
{
    if (segment.size() < kSegmentSize || !segment.lock())
        return false;
    char* data = static_cast<char*>(segment.data());
    const bool take = data[kPendingByte] && !data[kClosingByte];
    if (take) {
        deliver(QByteArray(data, kPayloadSize));
        data[kPendingByte] = 0;
    }
    segment.unlock();
    return take;
}
