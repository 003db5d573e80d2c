#include "CSingleInstance.h"

#include <QBuffer>
#include <QDataStream>
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
    return key + QStringLiteral("_%1").arg(::getuid());
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

void CSingleInstance::SendArguments(const QStringList& args)
{
    QSharedMemory target(SegmentKey(key));
    if (!target.attach(QSharedMemory::ReadWrite))
        return;
    const QByteArray bytes = SerializeArguments(args);
    if (target.lock()) {
        const int size = qMin(bytes.size(), target.size());
        memcpy(target.data(), bytes.constData(), size_t(size));
        target.unlock();
    }
    target.detach();
    QSystemSemaphore wake(SemaphoreKey(key), 0, QSystemSemaphore::Open);
    wake.release(1);
}
