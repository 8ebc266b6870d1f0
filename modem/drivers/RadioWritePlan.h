#pragma once

#include "WritePlan.h"

#include <cstdint>

// What the write of one side of a radio will send, worked out before the whole
// write's first frame.
struct RadioWritePlan {
    // Its share of the modem's memory, with the progress between the writes.
    WritePlan::Steps Modem;
    // The built-in radio knows before sending whether the trim goes in.
    bool FreqTrimWritten = true;
    // The synthesiser's divider at the channel step of the radio table.
    int32_t Divider = 0;
    // The setting of the power register, when the power is written.
    int16_t Power = 0;
};
