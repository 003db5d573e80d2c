#include "CSharedSegment.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <ctime>

#include <fcntl.h>

#include <sys/ipc.h>
#include <sys/sem.h>
#include <sys/shm.h>
#include <unistd.h>

namespace {

// Header: magic, the semaphore set made with the segment, and the key
// file's path (its end, when long), which tells our object from one that
// only shares its key.
constexpr int kHeaderSize = 256;
constexpr char kMagic[8] = {'R', 'V', 'P', 'D', 'F', 'I', 'P', 'C'};
constexpr int kSemOffset = 8;
constexpr int kPathOffset = 12;
constexpr int kPathBytes = kHeaderSize - kPathOffset - 1;
constexpr int kLockSem = 0;
constexpr int kWakeSem = 1;
// A lock held longer than this belongs to a process that died half way
// through making the objects.
constexpr int kLockWaitMs = 2000;

union SemArg
{
    int val;
    semid_ds* buf;
    unsigned short* array;
};

QByteArray PathBytes(const QByteArray& path)
{
    return path.right(kPathBytes);
}

bool OwnedByUs(const ipc_perm& perm)
{
    return perm.uid == ::getuid() && perm.cuid == ::getuid() && (perm.mode & 0777) == 0600;
}

bool SemaphoreIsOurs(int id)
{
    semid_ds state {};
    SemArg arg {};
    arg.buf = &state;
    return ::semctl(id, 0, IPC_STAT, arg) == 0 && OwnedByUs(state.sem_perm) && state.sem_nsems == 2;
}

} // namespace

CSharedSegment::CSharedSegment(const QString& keyFile, int dataSize)
    : CSharedSegment(QFile::encodeName(keyFile), dataSize)
{
}

CSharedSegment::CSharedSegment(const QByteArray& keyFile, int dataSize)
    : path(keyFile)
    , size(dataSize)
{
}

CSharedSegment::~CSharedSegment()
{
    Detach();
}

int CSharedSegment::ShmKey() const
{
    return path.isEmpty() ? -1 : int(::ftok(path.constData(), 'R'));
}

int CSharedSegment::SemKey() const
{
    return path.isEmpty() ? -1 : int(::ftok(path.constData(), 'S'));
}

CSharedSegment::Result CSharedSegment::Create()
{
    Detach();
    if (path.isEmpty())
        return Failed;
    const int made = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (made >= 0)
        ::close(made);
    else if (errno != EEXIST)
        return Failed;
    const int shmKey = ShmKey();
    const int semKey = SemKey();
    if (shmKey == -1 || semKey == -1)
        return Failed;
    // The set is made first and starts locked (Linux starts it at 0): a
    // process finding the segment waits until the header is written.
    semId = ::semget(semKey, 2, IPC_CREAT | IPC_EXCL | 0600);
    if (semId == -1)
        return errno == EEXIST ? Exists : Failed;
    shmId = ::shmget(shmKey, size_t(kHeaderSize + size), IPC_CREAT | IPC_EXCL | 0600);
    if (shmId == -1) {
        const int error = errno;
        ::semctl(semId, 0, IPC_RMID);
        semId = -1;
        return error == EEXIST ? Exists : Failed;
    }
    created = true;
    void* address = ::shmat(shmId, nullptr, 0);
    if (address == reinterpret_cast<void*>(-1)) {
        Detach();
        return Failed;
    }
    base = static_cast<char*>(address);
    data = base + kHeaderSize;
    std::memset(base, 0, size_t(kHeaderSize + size));
    std::memcpy(base, kMagic, sizeof(kMagic));
    std::memcpy(base + kSemOffset, &semId, sizeof(semId));
    const QByteArray name = PathBytes(path);
    std::memcpy(base + kPathOffset, name.constData(), size_t(name.size()));
    SemArg arg {};
    arg.val = 1;
    if (::semctl(semId, kLockSem, SETVAL, arg) != 0) {
        Detach();
        return Failed;
    }
    return Ok;
}

CSharedSegment::Result CSharedSegment::Attach()
{
    Detach();
    const Result result = AttachChecked();
    // Only a usable segment stays attached; the ids stay for RemoveStale.
    if (result != Ok && base) {
        ::shmdt(base);
        base = data = nullptr;
    }
    return result;
}

CSharedSegment::Result CSharedSegment::AttachChecked()
{
    const int shmKey = ShmKey();
    const int semKey = SemKey();
    if (shmKey == -1 || semKey == -1)
        return Missing;
    shmId = ::shmget(shmKey, 0, 0);
    semId = ::semget(semKey, 0, 0);
    if (shmId == -1) {
        // A set without its segment: ours is what a crash while making
        // them left; anything else is someone else's.
        if (semId == -1)
            return Missing;
        return SemaphoreIsOurs(semId) ? Stale : Foreign;
    }
    shmid_ds state {};
    if (::shmctl(shmId, IPC_STAT, &state) != 0)
        return Failed;
    if (!OwnedByUs(state.shm_perm) || state.shm_segsz < size_t(kHeaderSize + size) || semId == -1
        || !SemaphoreIsOurs(semId))
        return Foreign;
    void* address = ::shmat(shmId, nullptr, 0);
    if (address == reinterpret_cast<void*>(-1))
        return Failed;
    base = static_cast<char*>(address);
    data = base + kHeaderSize;
    if (!Op(kLockSem, -1, true, kLockWaitMs))
        return Stale;
    const bool ours = HeaderIsOurs();
    Unlock();
    if (!ours)
        return Foreign;
    // Nobody but this object attached: the process that made it is gone.
    if (::shmctl(shmId, IPC_STAT, &state) == 0 && state.shm_nattch <= 1)
        return Stale;
    return Ok;
}

bool CSharedSegment::HeaderIsOurs() const
{
    if (!base || std::memcmp(base, kMagic, sizeof(kMagic)) != 0)
        return false;
    int recorded = -1;
    std::memcpy(&recorded, base + kSemOffset, sizeof(recorded));
    const QByteArray name = PathBytes(path);
    return recorded == semId && std::memcmp(base + kPathOffset, name.constData(), size_t(name.size())) == 0
        && base[kPathOffset + name.size()] == 0;
}

void CSharedSegment::Detach()
{
    if (base)
        ::shmdt(base);
    base = data = nullptr;
    if (created) {
        ::shmctl(shmId, IPC_RMID, nullptr);
        ::semctl(semId, 0, IPC_RMID);
    }
    created = false;
    shmId = semId = -1;
}

bool CSharedSegment::RemoveStale()
{
    if (Attach() != Stale)
        return false;
    if (shmId != -1)
        ::shmctl(shmId, IPC_RMID, nullptr);
    ::semctl(semId, 0, IPC_RMID);
    shmId = semId = -1;
    return true;
}

bool CSharedSegment::RenewKeyFile(const QString& keyFile, const QString& retiredPath)
{
    QFile::remove(retiredPath);
    const bool moved = QFile::rename(keyFile, retiredPath);
    QFile file(keyFile);
    const bool made = file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    file.close();
    return moved && made;
}

bool CSharedSegment::Op(int nSem, int nDelta, bool bUndo, int nTimeoutMs)
{
    if (semId == -1)
        return false;
    sembuf op {};
    op.sem_num = static_cast<unsigned short>(nSem);
    op.sem_op = static_cast<short>(nDelta);
    op.sem_flg = bUndo ? SEM_UNDO : 0;
    timespec limit {nTimeoutMs / 1000, long(nTimeoutMs % 1000) * 1000000L};
    for (;;) {
        const int result = nTimeoutMs >= 0 ? ::semtimedop(semId, &op, 1, &limit) : ::semop(semId, &op, 1);
        if (result == 0)
            return true;
        if (errno != EINTR)
            return false;
    }
}

bool CSharedSegment::Lock()
{
    return Op(kLockSem, -1, true);
}

void CSharedSegment::Unlock()
{
    Op(kLockSem, 1, true);
}

bool CSharedSegment::Wake()
{
    return Op(kWakeSem, 1, false);
}

bool CSharedSegment::Wait()
{
    return Op(kWakeSem, -1, false);
}

void CSharedSegment::RemoveObjects(const QByteArray& keyFile)
{
    CSharedSegment segment(keyFile, 0);
    const Result result = segment.Attach();
    if (result == Ok) {
        segment.created = true;
        segment.Detach();
    } else {
        segment.RemoveStale();
    }
}
