#include "TransmitterGuard.h"

#include "EndingTask.h"

namespace {

EndingTask& release()
{
    static EndingTask task;
    return task;
}

}  // namespace

void TransmitterGuard::Arm(std::function<void()> releaseIt) { release().Arm(std::move(releaseIt)); }

void TransmitterGuard::Disarm() { release().Disarm(); }

bool TransmitterGuard::Armed() { return release().Armed(); }

void TransmitterGuard::ReleaseNow() { release().RunNow(); }
