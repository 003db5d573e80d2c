#pragma once

#include "CCrashReporter.h"

#include <QFuture>
#include <QFutureInterface>

#include <functional>
#include <memory>
#include <type_traits>

class QThreadPool;

// Every piece of background work of the engine (and of the shell) goes
// through here, so that each worker thread can report a crash, a stack
// overflow included. Work is sorted into pools by kind, so that a long
// search or save never holds up the pictures on screen, and within a pool
// the pages on screen go before thumbnails, and thumbnails before saving
// and printing.
class CJobRunner
{
public:
    enum Pool {
        PagePool,        // page pictures, page sizes, words under the pointer, thumbnails
        TextPool,        // reading text for search, a little below normal priority
        FilePool,        // saving, printing, anything else that touches files
        OpenPool,        // documents being opened: a file on a slow share holds up no page
        RecoveryPool,    // recovery copies, one at a time in the order asked for
        RecognitionPool, // text recognition: seconds a page, never in the way of a save
        PoolCount
    };
    enum Priority { BackgroundPriority = 0, ThumbnailPriority = 1, VisiblePriority = 2 };

    // A pool with a worker for each core, and at least two; the recovery
    // pool has one, so an older copy never lands after a newer one.
    static QThreadPool* ThreadPool(Pool pool);
    // Runs task on pool; the future is cancelled and finished without a
    // result when the pool is drained before the task started.
    template <typename Task> static auto Run(Pool pool, Priority priority, Task task) -> QFuture<decltype(task())>
    {
        using Result = decltype(task());
        auto promise = std::make_shared<Promise<Result>>();
        QFuture<Result> future = promise->future();
        Start(pool, priority, [promise, task]() mutable {
            if constexpr (std::is_void_v<Result>) {
                task();
                promise->reportFinished();
            } else {
                const Result result = task();
                promise->reportFinished(&result);
            }
        });
        return future;
    }
    template <typename Task> static auto Run(Task task) -> QFuture<decltype(task())>
    {
        return Run(PagePool, VisiblePriority, std::move(task));
    }
    // Fire and forget.
    static void Start(Pool pool, Priority priority, std::function<void()> task);
    // Drops the work not started and waits for the rest, in every pool but
    // the opening one (see the .cpp). Done
    // once the event loop has ended: tasks use Qt's image writers and fonts,
    // which go away with the application object.
    static void Drain();

private:
    // A future's other end that is always finished: a task dropped before
    // it ran cancels it, so that no one waits on it for ever.
    template <typename Result> struct Promise : QFutureInterface<Result>
    {
        Promise() { this->reportStarted(); }
        ~Promise()
        {
            if (!this->isFinished()) {
                this->reportCanceled();
                this->reportFinished();
            }
        }
    };
};
