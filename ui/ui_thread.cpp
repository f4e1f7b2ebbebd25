#include "ui/ui_thread.h"

#include "net/text.h"

#include <QCoreApplication>
#include <QThread>
#include <condition_variable>
#include <mutex>

namespace pelizo {

namespace {

std::mutex gWorkersMutex;
std::condition_variable gWorkersIdle;
int gRunningWorkers = 0;

} // namespace

void postToUi(std::function<void()> task)
{
    if (auto* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, std::move(task), Qt::QueuedConnection);
}

void startWorker(std::function<void()> routine)
{
    {
        std::lock_guard lock(gWorkersMutex);
        ++gRunningWorkers;
    }
    std::thread([routine = std::move(routine)] {
        routine();
        std::lock_guard lock(gWorkersMutex);
        if (--gRunningWorkers == 0)
            gWorkersIdle.notify_all();
    }).detach();
}

void waitForWorkers()
{
    std::unique_lock lock(gWorkersMutex);
    gWorkersIdle.wait(lock, [] { return gRunningWorkers == 0; });
}

bool onUiThread()
{
    return QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread();
}

void installMessagePump()
{
    setMessagePump([] {
        if (onUiThread())
            QCoreApplication::processEvents();
    });
}

} // namespace pelizo
