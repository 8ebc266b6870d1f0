#include "TransmitterGuard.h"

#include "ProgramClock.h"

#include <QtGlobal>

#include <atomic>
#include <cstdlib>
#include <exception>

namespace {

std::atomic<bool> armed{false};
static_assert(std::atomic<bool>::is_always_lock_free);
std::function<void()>& release()
{
    static std::function<void()> held;
    return held;
}

QtMessageHandler previousHandler = nullptr;
std::terminate_handler previousTerminate = nullptr;

void atExit() { TransmitterGuard::ReleaseNow(); }

void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (previousHandler) previousHandler(type, context, message);
    // Qt aborts once the handler returns.
    if (type == QtFatalMsg) TransmitterGuard::ReleaseNow();
}

void onTerminate()
{
    TransmitterGuard::ReleaseNow();
    if (previousTerminate) previousTerminate();
    std::abort();
}

// Installed with the first test, once the control and what it uses exist, so
// that none of it is torn down before the release at exit.
void installHooks()
{
    [[maybe_unused]] static const bool installed = [] {
        // Made before the handler is registered, so still there when it runs.
        release();
        std::atexit(atExit);
        previousHandler = qInstallMessageHandler(onMessage);
        previousTerminate = std::set_terminate(onTerminate);
        return true;
    }();
}

}  // namespace

void TransmitterGuard::Arm(std::function<void()> releaseIt)
{
    installHooks();
    release() = std::move(releaseIt);
    armed = true;
}

void TransmitterGuard::Disarm()
{
    armed = false;
    release() = nullptr;
}

bool TransmitterGuard::Armed() { return armed; }

void TransmitterGuard::ReleaseNow()
{
    if (!armed.exchange(false)) return;
    const std::function<void()> run = std::move(release());
    release() = nullptr;
    // Whatever ends the program may strike again from inside the event loop.
    ProgramClock::HoldEvents();
    try {
        if (run) run();
    } catch (...) {
    }
}
