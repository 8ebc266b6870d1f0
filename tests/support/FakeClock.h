#pragma once

#include "Clock.h"

// Time that passes only when the code under test waits.
class FakeClock : public Clock {
public:
    int64_t NowMs() override { return now_; }
    void Sleep(int ms) override { Advance(ms); }
    void ProcessEvents(int maxMs) override
    {
        ++eventPasses_;
        Advance(maxMs > 0 ? maxMs : 1);
    }

    void Advance(int64_t ms) { now_ += ms; }
    void AdvanceTo(int64_t t)
    {
        if (t > now_) now_ = t;
    }
    int EventPasses() const { return eventPasses_; }

private:
    int64_t now_ = 1000000;
    int eventPasses_ = 0;
};
