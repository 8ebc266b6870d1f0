#pragma once

#include "SystemClock.h"

// The system clock, adding up the waits the protocol asks for (sleeps and
// event-processing pauses).
class CountingClock : public SystemClock {
public:
    void Sleep(int ms) override
    {
        const int64_t start = NowMs();
        SystemClock::Sleep(ms);
        mandatedMs += double(NowMs() - start);
    }
    void ProcessEvents(int maxMs) override
    {
        const int64_t start = NowMs();
        SystemClock::ProcessEvents(maxMs);
        mandatedMs += double(NowMs() - start);
    }
    double mandatedMs = 0;
};
