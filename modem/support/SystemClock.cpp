#include "SystemClock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <thread>

int64_t SystemClock::NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SystemClock::Sleep(int ms)
{
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void SystemClock::ProcessEvents(int maxMs)
{
    if (maxMs <= 0) {
        if (QCoreApplication::instance()) QCoreApplication::processEvents();
        return;
    }
    if (!QCoreApplication::instance()) {
        Sleep(maxMs);
        return;
    }
    // Sleeps in the event loop instead of spinning on it.
    QEventLoop loop;
    QTimer::singleShot(maxMs, &loop, &QEventLoop::quit);
    loop.exec();
}
