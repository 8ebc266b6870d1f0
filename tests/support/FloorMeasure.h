#pragma once

#include "CountingClock.h"
#include "CountingPort.h"
#include "CpuTime.h"

#include <cstdint>

// A run against the modem next to its protocol floor: the waits the protocol
// mandates plus the wire time of every byte at its line rate.
struct FloorMeasure {
    double wallMs = 0, floorMs = 0, cpuShare = 0;

    double Ratio() const { return floorMs > 0 ? wallMs / floorMs : 0; }

    // Times the body on the counting clock and port, from counts of its own.
    template <typename F>
    static FloorMeasure Of(CountingClock& clock, CountingPort& port, F&& body)
    {
        clock.mandatedMs = 0;
        port.Reset();
        const double cpuStart = CpuSeconds();
        const int64_t start = clock.NowMs();
        body();
        const double wall = double(clock.NowMs() - start);
        const double cpu = (CpuSeconds() - cpuStart) * 1000.0;
        return {wall, clock.mandatedMs + port.expiredMs + port.WireMs(), wall > 0 ? cpu / wall : 0};
    }
};
