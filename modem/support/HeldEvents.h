#pragma once

// Once the program ends under its windows (the display gone, exit() from inside
// the event loop), no window event may be let through and no window can wait on
// the user: waits only sleep, message boxes go to the standard error, and the
// wait window gives up as its Cancel does. Set once; never cleared.
class HeldEvents {
public:
    static void Hold();
    static bool Held();
};
