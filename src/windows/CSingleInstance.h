#pragma once

#include <QSharedMemory>
#include <QString>
#include <QStringList>

// Guard of the one running instance per user. The first process creates a
// named shared-memory segment; later processes find it, write their argument
// list into it and wake the first one through a named semaphore.
class CSingleInstance
{
public:
    static constexpr int kSegmentSize = 1024;
    // The segment's last byte says a list is waiting for the reader, so
    // launches in quick succession hand over one after the other instead
    // of overwriting each other. Payloads use the bytes before it.
    static constexpr int kPendingByte = kSegmentSize - 1;
    // How long a later launch waits for the running instance to take a
    // list before giving up on it.
    static constexpr int kHandOverTimeoutMs = 3000;

    explicit CSingleInstance(const QString& key);
    ~CSingleInstance();

    bool IsRunning() const { return running; }
    void SendArguments(const QStringList& args);

    // Names of the shared objects; they include the user so that every
    // user of a machine gets an instance of their own.
    static QString SegmentKey(const QString& key);
    static QString SemaphoreKey(const QString& key);

    // The payload format: a QStringList in Qt's data stream format.
    static QByteArray SerializeArguments(const QStringList& args);
    // Reads a payload from another process. Anything malformed (a count
    // larger than the bytes could hold, a cut string, odd lengths) gives an
    // empty list without allocating for what the header claims.
    static QStringList ParseArguments(const QByteArray& data);
    // Reader side: takes the waiting list out of an attached segment and
    // frees it for the next writer.
    static QByteArray TakePayload(QSharedMemory& segment);

private:
    bool running = false;
    QString key;
    QSharedMemory segment;
};
