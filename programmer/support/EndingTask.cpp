#include "EndingTask.h"

#include "ProgramClock.h"

#include <QtGlobal>

#include <array>
#include <cstdlib>
#include <exception>

namespace {

std::array<EndingTask*, 4> tasks{};
QtMessageHandler previousHandler = nullptr;
std::terminate_handler previousTerminate = nullptr;

void runAll()
{
    for (EndingTask* task : tasks)
        if (task) task->RunNow();
}

void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (previousHandler) previousHandler(type, context, message);
    // Qt aborts once the handler returns.
    if (type == QtFatalMsg) runAll();
}

void onTerminate()
{
    runAll();
    if (previousTerminate) previousTerminate();
    std::abort();
}

// A task is taken in with its first arming, once the windows and the control it
// uses exist, so that none of it is torn down before the task runs at exit.
void takeIn(EndingTask* task)
{
    [[maybe_unused]] static const bool installed = [] {
        std::atexit(runAll);
        previousHandler = qInstallMessageHandler(onMessage);
        previousTerminate = std::set_terminate(onTerminate);
        return true;
    }();
    for (EndingTask*& slot : tasks) {
        if (slot == task) return;
        if (!slot) {
            slot = task;
            return;
        }
    }
}

}  // namespace

void EndingTask::Arm(std::function<void()> work)
{
    takeIn(this);
    work_ = std::move(work);
    armed_ = true;
}

void EndingTask::Disarm()
{
    armed_ = false;
    work_ = nullptr;
}

void EndingTask::RunNow()
{
    if (!armed_.exchange(false)) return;
    const std::function<void()> run = std::move(work_);
    work_ = nullptr;
    // Whatever ends the program may strike again from inside the event loop.
    ProgramClock::HoldEvents();
    try {
        if (run) run();
    } catch (...) {
    }
}
