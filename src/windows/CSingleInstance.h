#pragma once

#include <QByteArray>
#include <QSharedMemory>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QSystemSemaphore;

// Guard of the one running instance per user. The first process creates a
// named shared-memory segment and the wake-up semaphore; later processes
// find the segment, write their argument list into it and wake the first one.
//
// Segment layout: the payload from byte 0, then two state bytes at the end:
// "closing" (the instance takes no more lists) and "pending" (a list waits
// for the reader). Payloads never reach the state bytes.
class CSingleInstance
{
public:
    static constexpr int kSegmentSize = 1024;
    static constexpr int kClosingByte = kSegmentSize - 2;
    static constexpr int kPendingByte = kSegmentSize - 1;
    static constexpr int kPayloadSize = kClosingByte;
    // How long a later launch waits for the running instance to take its
    // list, and for an instance that is closing to be gone.
    static constexpr int kHandOverTimeoutMs = 3000;
    static constexpr int kTakeOverTimeoutMs = 5000;

    enum SendResult {
        Delivered,
        // Not even the argument list fits the segment.
        TooLong,
        // An instance holds the segment but never took the list.
        NoAnswer,
        // The running instance ended meanwhile; this process is the instance now.
        BecameFirst,
    };

    // What a later launch hands over: its arguments and the launcher's
    // startup-notification id and activation token, so the raised window may
    // take the focus and the launcher's busy cursor ends.
    struct HandOver
    {
        QStringList arguments;
        QByteArray startupId;
        QByteArray activationToken;
    };

    explicit CSingleInstance(const QString& key);
    ~CSingleInstance();

    bool IsRunning() const { return running; }
    const QString& Key() const { return key; }
    // Later launch: waits, within the limits above, for its turn.
    SendResult SendArguments(const HandOver& handOver);
    // First instance: while closing, later launches wait for this process to
    // end and then start an instance of their own.
    void SetClosing(bool bClosing);

    // Names of the shared objects; they include the user and the login
    // session, so that every user of a machine gets an instance of their own.
    static QString SegmentKey(const QString& key);
    static QString SemaphoreKey(const QString& key);
    // The file whose inode the System V key of Qt's object named name is
    // made from; prefix is "qipc_sharedmemory_" or "qipc_systemsem_".
    static QString KeyFilePath(const QString& prefix, const QString& name);

    // The payload: a QStringList in Qt's data stream format, followed by the
    // two ids as strings (readers that only want the list stop after it).
    static QByteArray SerializeArguments(const QStringList& args);
    static QByteArray SerializeHandOver(const HandOver& handOver);
    // Reads a payload from another process. Anything malformed (a count
    // larger than the bytes could hold, a cut string, odd lengths) gives an
    // empty list without allocating for what the header claims; malformed
    // ids are dropped and the list kept.
    static QStringList ParseArguments(const QByteArray& data);
    static HandOver ParseHandOver(const QByteArray& data);
    // Reader side: when a list waits and the instance is not closing, hands
    // its bytes to deliver, with the segment still locked so that whatever
    // deliver posts comes before anything posted after SetClosing(true), and
    // frees the segment for the next writer. False when nothing was taken.
    static bool TakePayload(QSharedMemory& segment, const std::function<void(const QByteArray&)>& deliver);

private:
    // Creates the segment, clearing one left by a crashed instance and
    // moving off a key another user's or program's object holds, and the
    // wake-up semaphore with it.
    bool TryCreate();
    // Replaces a key file by a new one, which gives a new System V key.
    static bool RenewKeyFile(const QString& path);
    static constexpr int kKeyAttempts = 3;

    bool running = false;
    QString key;
    QSharedMemory segment;
    std::unique_ptr<QSystemSemaphore> wake;
};
