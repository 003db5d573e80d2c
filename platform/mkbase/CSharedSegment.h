#pragma once

#include <QByteArray>
#include <QString>

// A System V shared-memory segment with a lock and a wake-up semaphore,
// found through a key file in the user's private runtime folder. Keys are
// made from the file's inode, so anything can sit on them: another program,
// another login session of the user (whose key file happens to share the
// bits the key is made of), another user, a crash. An object is used only
// when it is the user's own (owner and creator, mode 0600) and its header
// names this very key file; anything else is Foreign, and renewing the key
// file gives new keys.
class CSharedSegment
{
public:
    enum Result {
        Ok,
        Missing, // no object on the key
        Exists,  // Create: the key is taken (see Attach for whose)
        Foreign, // the object on the key is not ours
        Stale,   // ours, left by a process that ended without removing it
        Failed,  // the system refused (limits, no key file)
    };

    // dataSize bytes are offered past the header.
    CSharedSegment(const QString& keyFile, int dataSize);
    // The same with the file's name as the system spells it.
    CSharedSegment(const QByteArray& keyFile, int dataSize);
    ~CSharedSegment();
    CSharedSegment(const CSharedSegment&) = delete;
    CSharedSegment& operator=(const CSharedSegment&) = delete;

    // New objects, owned by this one: removed when it goes.
    Result Create();
    // The objects another process created, checked as above.
    Result Attach();
    void Detach();
    bool IsAttached() const { return data != nullptr; }
    // Removes the objects on the key when they are ours and nobody uses them.
    bool RemoveStale();
    // A key file with a new inode, so new keys. The old file is kept under
    // retiredPath: while it exists its inode cannot come back, and a file
    // system that hands out the inode freed last would otherwise go back and
    // forth between two keys. The caller removes it once a key works.
    static bool RenewKeyFile(const QString& path, const QString& retiredPath);

    bool Lock();
    void Unlock();
    char* Data() const { return data; }
    int Size() const { return size; }

    // The wake-up count: Wake adds one, Wait blocks until it can take one
    // (false once the objects are removed).
    bool Wake();
    bool Wait();

    // Removes the objects of a key file whatever their state, if they are
    // ours; for cleaning up after killed processes. Only system calls: safe
    // at exit, after Qt is gone.
    static void RemoveObjects(const QByteArray& keyFile);

private:
    Result AttachChecked();
    int ShmKey() const;
    int SemKey() const;
    bool WriteHeader();
    bool HeaderIsOurs() const;
    bool Op(int nSem, int nDelta, bool bUndo, int nTimeoutMs = -1);

    QByteArray path;
    int size;
    int shmId = -1;
    int semId = -1;
    char* base = nullptr;
    char* data = nullptr;
    bool created = false;
};
