#pragma once

#include "FakeClock.h"

#include <functional>

// A fake clock that lets a test act where the program lets window events
// through (the settling pauses of the serial links), as a user's click would.
class EventClock : public FakeClock {
public:
    void ProcessEvents(int maxMs) override
    {
        FakeClock::ProcessEvents(maxMs);
        if (OnEvents) OnEvents();
    }
    std::function<void()> OnEvents;
};
