#include "CJobRunner.h"

#include <QCoreApplication>
#include <QThread>
#include <QThreadPool>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace {

// How much a text reader gives way to the GUI and the renderers: with fewer
// cores than workers, a search of a long document would otherwise take
// every slice of processor time the GUI thread needs to stay smooth.
constexpr int kTextNice = 5;

QThreadPool* pools[CJobRunner::PoolCount] = {};

void LowerThisThread()
{
#ifdef Q_OS_LINUX
    thread_local bool lowered = false;
    if (!lowered) {
        lowered = true;
        setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), kTextNice);
    }
#endif
}

} // namespace

QThreadPool* CJobRunner::ThreadPool(Pool pool)
{
    Q_ASSERT(pool >= 0 && pool < PoolCount);
    if (!pools[pool]) {
        auto* made = new QThreadPool;
        made->setObjectName(QStringLiteral("rvpdf-jobs-%1").arg(pool));
        made->setMaxThreadCount(pool == RecoveryPool ? 1 : qMax(2, QThread::idealThreadCount()));
        made->setExpiryTimeout(10000);
        pools[pool] = made;
        static const bool drainAtExit = (qAddPostRoutine(Drain), true);
        Q_UNUSED(drainAtExit)
    }
    return pools[pool];
}

void CJobRunner::Start(Pool pool, Priority priority, std::function<void()> task)
{
    ThreadPool(pool)->start(
        [pool, task = std::move(task)]() {
            MKBase::CCrashReporter::PrepareThread();
            if (pool == TextPool || pool == RecognitionPool)
                LowerThisThread();
            task();
        },
        priority);
}

void CJobRunner::Drain()
{
    for (int i = 0; i < PoolCount; ++i) {
        if (!pools[i])
            continue;
        pools[i]->clear();
        // A document given up may still be read for minutes (a huge or
        // slow file); its result goes nowhere, so the end does not wait.
        if (i != OpenPool)
            pools[i]->waitForDone();
    }
}
