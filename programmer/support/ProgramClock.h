#pragma once

#include "SystemClock.h"

// The program's clock: the system's, until the program ends under its windows;
// from then on its waits let no window event through (the display may be gone,
// and whatever ended the program would strike again from inside the loop).
class ProgramClock : public SystemClock {
public:
    void ProcessEvents(int maxMs) override;

    static void HoldEvents();
};
