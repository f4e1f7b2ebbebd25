// Work off the user-interface thread, results back on it.
#pragma once

#include <QEventLoop>
#include <QMetaObject>
#include <atomic>
#include <functional>
#include <thread>

namespace pelizo {

// Runs `task` on the user-interface thread, after what is already queued.
void postToUi(std::function<void()> task);

// Starts a detached worker thread on `routine`; it reaches widgets only
// through postToUi.
void startWorker(std::function<void()> routine);

// Waits until no worker started by startWorker runs any more (tests, and
// orderly shutdown where that matters).
void waitForWorkers();

// True on the thread that owns the windows.
bool onUiThread();

// Makes the core's long scans pump pending events when they run on the
// user-interface thread.
void installMessagePump();

// Runs `work` on a worker thread and waits for its result in a local event
// loop: to the caller a blocking call, while the windows keep repainting.
// User input waits until the call is over.
template <typename Result>
Result runWhileRepainting(const std::function<Result()>& work)
{
    Result result{};
    std::atomic<bool> done{false};
    QEventLoop loop;
    std::thread worker([&] {
        result = work();
        done = true;
        QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
    });
    if (!done)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    return result;
}

} // namespace pelizo
