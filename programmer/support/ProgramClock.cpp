#include "ProgramClock.h"

#include <atomic>

namespace {

std::atomic<bool> held{false};

}  // namespace

void ProgramClock::ProcessEvents(int maxMs)
{
    if (held) Sleep(maxMs);
    else SystemClock::ProcessEvents(maxMs);
}

void ProgramClock::HoldEvents() { held = true; }
