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

private:
    bool running = false;
    QString key;
    QSharedMemory segment;
};
