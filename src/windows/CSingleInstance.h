#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class CSharedSegment;

// Guard of the one running instance per user and login session. The first
// process creates a shared-memory segment with its lock and wake-up
// semaphore, keyed by a file in the user's private runtime folder; later
// processes find the segment, write their argument list into it and wake
// the first one. Objects that are not the user's own are never used.
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
    // list, and for an instance that is closing to be gone. One that said
    // it is closing is waited for longer: its end is certain but may be
    // slow (a loaded machine, many documents), and giving up loses the file.
    static constexpr int kHandOverTimeoutMs = 3000;
    static constexpr int kTakeOverTimeoutMs = 5000;
    static constexpr int kClosingTimeoutMs = 30000;

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

    // The key file of the shared objects: in the user's private runtime
    // folder, so nobody else can make, replace or read it. Empty when there
    // is no such folder we can trust.
    static QString KeyFilePath(const QString& key);

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
    static bool TakePayload(CSharedSegment& segment, const std::function<void(const QByteArray&)>& deliver);

private:
    enum CreateResult { Created, FoundRunning, NoChannel };
    // Creates the objects, clearing what a crashed instance left and moving
    // off a key that objects not ours sit on.
    CreateResult TryCreate();
    static constexpr int kKeyAttempts = 8;

    bool running = false;
    QString key;
    std::unique_ptr<CSharedSegment> segment;
};
