#pragma once

#include <functional>

// The transmitter that the power test may have keyed, and how to release it when
// the program ends under its windows: exit() (the X server gone), a fatal Qt
// message or std::terminate. The release then runs there and then, letting no
// window event through, before the process goes.
class TransmitterGuard {
public:
    // From now on the transmitter may be keyed; release un-keys it.
    static void Arm(std::function<void()> release);
    static void Disarm();
    // Safe to ask from a signal handler.
    static bool Armed();
    // The program is ending: runs the release once, if armed.
    static void ReleaseNow();
};
