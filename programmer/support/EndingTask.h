#pragma once

#include <atomic>
#include <functional>

// Work that must be done when the program ends under its windows: exit() (the X
// server gone), a fatal Qt message or std::terminate. While armed, the work runs
// there and then, once, letting no window event through, before the process goes.
// Tasks live as long as the process: hold them in static storage.
class EndingTask {
public:
    void Arm(std::function<void()> work);
    void Disarm();
    // Safe to ask from a signal handler.
    bool Armed() const { return armed_; }
    // The program is ending: runs the work once, if armed.
    void RunNow();

private:
    std::atomic<bool> armed_{false};
    static_assert(std::atomic<bool>::is_always_lock_free);
    std::function<void()> work_;
};
