#include "CSingleInstance.h"

#include <QBuffer>
#include <QDataStream>
#include <QElapsedTimer>
#include <QThread>
#include <QSystemSemaphore>

#include <unistd.h>

CSingleInstance::CSingleInstance(const QString& key_)
    : key(key_)
{
    segment.setKey(SegmentKey(key));
    if (segment.create(kSegmentSize, QSharedMemory::ReadWrite))
        return;
    if (segment.error() != QSharedMemory::AlreadyExists)
        return;
    // A segment left by a crashed instance has nobody attached: attaching
    // and detaching once removes it, after which creating succeeds.
    {
        QSharedMemory probe(SegmentKey(key));
        if (probe.attach(QSharedMemory::ReadOnly))
            probe.detach();
    }
    if (segment.create(kSegmentSize, QSharedMemory::ReadWrite))
        return;
    running = segment.error() == QSharedMemory::AlreadyExists;
}

CSingleInstance::~CSingleInstance()
{
    if (segment.isAttached())
        segment.detach();
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

QStringList CSingleInstance::ParseArguments(const QByteArray& data)
{
    QDataStream stream(data);
    stream.setByteOrder(QDataStream::BigEndian);
    quint32 count = 0;
    stream >> count;
    if (stream.status() != QDataStream::Ok)
        return {};
    // Each string needs at least its 4-byte length.
    if (count > quint32(data.size() / 4))
        return {};
    QStringList list;
    for (quint32 i = 0; i < count; ++i) {
        quint32 length = 0;
        stream >> length;
        if (stream.status() != QDataStream::Ok)
            return {};
        if (length == 0xffffffffu) {
            list << QString();
            continue;
        }
        const qint64 remaining = data.size() - stream.device()->pos();
        if ((length & 1u) || qint64(length) > remaining)
            return {};
        QByteArray raw(int(length), Qt::Uninitialized);
        if (stream.readRawData(raw.data(), int(length)) != int(length))
            return {};
        QString text(int(length / 2), Qt::Uninitialized);
        const uchar* src = reinterpret_cast<const uchar*>(raw.constData());
        for (int c = 0; c < text.size(); ++c)
            text[c] = QChar(ushort((src[2 * c] << 8) | src[2 * c + 1]));
        list << text;
    }
    return list;
}

namespace {

// Polls fn under the segment's lock until it returns true or time runs out.
template <typename Fn>
bool WaitLocked(QSharedMemory& segment, int nTimeoutMs, Fn fn)
{
    QElapsedTimer timer;
    timer.start();
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

void CSingleInstance::SendArguments(const QStringList& args)
{
    QSharedMemory target(SegmentKey(key));
    if (!target.attach(QSharedMemory::ReadWrite))
        return;
    if (target.size() < kSegmentSize) {
        target.detach();
        return;
    }
    const QByteArray bytes = SerializeArguments(args);
    const int size = qMin(bytes.size(), int(kPendingByte));
    auto write = [&](char* data) {
        memcpy(data, bytes.constData(), size_t(size));
        data[kPendingByte] = 1;
    };
    // Wait for the list of an earlier launch to be taken; an instance that
    // never takes it gets ours anyway rather than nothing.
    if (!WaitLocked(target, kHandOverTimeoutMs, [&](char* data) {
            if (data[kPendingByte])
                return false;
            write(data);
            return true;
        })) {
        if (target.lock()) {
            write(static_cast<char*>(target.data()));
            target.unlock();
        }
    }
    QSystemSemaphore wake(SemaphoreKey(key), 0, QSystemSemaphore::Open);
    wake.release(1);
    // Stay until the reader has the list: the system takes a semaphore
    // release back when its process ends, and a wake-up nobody was waiting
    // for yet would be lost with it.
    WaitLocked(target, kHandOverTimeoutMs, [](char* data) { return data[kPendingByte] == 0; });
    target.detach();
}

QByteArray CSingleInstance::TakePayload(QSharedMemory& segment)
{
    QByteArray bytes;
    if (!segment.lock())
        return bytes;
    char* data = static_cast<char*>(segment.data());
    bytes = QByteArray(data, segment.size());
    if (segment.size() > kPendingByte)
        data[kPendingByte] = 0;
    segment.unlock();
    return bytes;
}
