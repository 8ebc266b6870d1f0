#include "ProgramClock.h"

#include "HeldEvents.h"

void ProgramClock::ProcessEvents(int maxMs)
{
    if (HeldEvents::Held()) Sleep(maxMs);
    else SystemClock::ProcessEvents(maxMs);
}

void ProgramClock::HoldEvents() { HeldEvents::Hold(); }
