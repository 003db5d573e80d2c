#include "CSingleInstance.h"

#include "CSharedSegment.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QThread>

namespace {

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
template <typename Fn> bool WaitLocked(CSharedSegment& segment, const QElapsedTimer& timer, int nTimeoutMs, Fn fn)
{
    for (;;) {
        if (segment.Lock()) {
            const bool done = fn(segment.Data());
            segment.Unlock();
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
    running = TryCreate() == FoundRunning;
}

CSingleInstance::~CSingleInstance() = default;

CSingleInstance::CreateResult CSingleInstance::TryCreate()
{
    const QString file = KeyFilePath(key);
    if (file.isEmpty())
        return NoChannel;
    auto made = std::make_unique<CSharedSegment>(file, kSegmentSize);
    // Key files moved off objects not ours; each kept until the end, so that
    // every attempt gets an inode, and keys, of its own.
    QStringList retired;
    auto removeRetired = qScopeGuard([&retired]() {
        for (const QString& path : retired)
            QFile::remove(path);
    });
    for (int attempt = 0; attempt < kKeyAttempts; ++attempt) {
        const CSharedSegment::Result result = made->Create();
        if (result == CSharedSegment::Ok) {
            segment = std::move(made);
            return Created;
        }
        if (result != CSharedSegment::Exists)
            return NoChannel;
        CSharedSegment probe(file, kSegmentSize);
        switch (probe.Attach()) {
        case CSharedSegment::Ok:
            return FoundRunning;
        case CSharedSegment::Stale:
            // Left by an instance that crashed.
            probe.RemoveStale();
            break;
        case CSharedSegment::Foreign:
            // Another program's, user's or session's object on our key:
            // never our instance, and a new key file gives new keys.
            retired << file + QStringLiteral(".%1-%2.retired").arg(QCoreApplication::applicationPid()).arg(attempt);
            CSharedSegment::RenewKeyFile(file, retired.last());
            break;
        case CSharedSegment::Missing:
            break;
        default:
            return NoChannel;
        }
    }
    return NoChannel;
}

QString CSingleInstance::KeyFilePath(const QString& key)
{
    // Qt makes sure the folder is the user's own and mode 0700.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + key + QStringLiteral(".instance");
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

    const QString file = KeyFilePath(key);
    QElapsedTimer timer;
    timer.start();
    int limitMs = kTakeOverTimeoutMs;
    while (timer.elapsed() < limitMs) {
        CSharedSegment target(file, kSegmentSize);
        if (file.isEmpty() || target.Attach() != CSharedSegment::Ok) {
            // The instance ended after we found it: be the instance.
            const CreateResult made = TryCreate();
            if (made == Created)
                return BecameFirst;
            if (made == NoChannel)
                return NoAnswer;
            QThread::msleep(20);
            continue;
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
        if (!written)
            return NoAnswer;
        if (closing) {
            // The instance removes the objects when it ends; the next round
            // makes them anew.
            limitMs = kClosingTimeoutMs;
            target.Detach();
            QThread::msleep(20);
            continue;
        }
        target.Wake();
        bool taken = false;
        QElapsedTimer answer;
        answer.start();
        WaitLocked(target, answer, kHandOverTimeoutMs, [&](char* data) {
            taken = data[kPendingByte] == 0;
            return taken || data[kClosingByte] != 0;
        });
        if (!taken && target.Lock()) {
            // Not taken in time, or the instance began to close first and
            // never will: take the list back.
            char* data = target.Data();
            taken = data[kPendingByte] == 0;
            data[kPendingByte] = 0;
            closing = data[kClosingByte] != 0;
            target.Unlock();
        }
        target.Detach();
        if (taken)
            return Delivered;
        if (!closing)
            return NoAnswer;
        limitMs = kClosingTimeoutMs;
        QThread::msleep(20);
    }
    return NoAnswer;
}

void CSingleInstance::SetClosing(bool bClosing)
{
    if (!segment || !segment->Lock())
        return;
    segment->Data()[kClosingByte] = bClosing ? 1 : 0;
    segment->Unlock();
}

bool CSingleInstance::TakePayload(CSharedSegment& segment, const std::function<void(const QByteArray&)>& deliver)
{
    if (!segment.IsAttached() || segment.Size() < kSegmentSize || !segment.Lock())
        return false;
    char* data = segment.Data();
    const bool take = data[kPendingByte] && !data[kClosingByte];
    if (take) {
        deliver(QByteArray(data, kPayloadSize));
        data[kPendingByte] = 0;
    }
    segment.Unlock();
    return take;
}
