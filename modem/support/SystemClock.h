#pragma once

#include "Clock.h"

class SystemClock : public Clock {
public:
    int64_t NowMs() override;
    void Sleep(int ms) override;
    void ProcessEvents(int maxMs) override;
};
