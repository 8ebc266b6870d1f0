#pragma once

#include <cstdint>

// Time as the library sees it: monotonic, so no wait can outlast a change of day.
class Clock {
public:
    virtual ~Clock() = default;

    virtual int64_t NowMs() = 0;
    // Waits without letting window events through.
    virtual void Sleep(int ms) = 0;
    // Lets window events through for at most the given time.
    virtual void ProcessEvents(int maxMs) = 0;
};
