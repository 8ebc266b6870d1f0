#pragma once

#include <QList>
#include <QObject>

#include <functional>

class QSocketNotifier;

// The signals by which a desktop ends a program (SIGTERM at logout or shutdown,
// SIGHUP when its terminal closes, SIGINT and SIGQUIT from the keyboard), taken
// into the event loop: the handlers only note the signal and write its number
// into a pipe that the loop reads. Ctrl+Z (SIGTSTP) stops the program at once, as
// by default, unless the transmitter may be keyed: then it too goes through the
// loop, which releases the transmitter before the program stops. A signal that
// was ignored when the program started (nohup, a background job) stays ignored.
// One instance at a time; it gives the signals back as it found them when it goes.
class EndSignals : public QObject {
public:
    explicit EndSignals(QObject* parent = nullptr);
    ~EndSignals() override;
    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;

    // Run from the event loop: an ending signal (its number), Ctrl+Z while keyed.
    std::function<void(int signal)> Ended;
    std::function<void()> Suspended;

    // The first ending signal received, 0 while none was. Noted by the handler
    // itself, so code that waits without the event loop can look.
    static int Received();
    // A reader of stdout or stderr that went away makes those writes fail rather
    // than end the program. Before anything writes to them, Qt's start included.
    static void IgnoreBrokenPipes();
    // Stops the process as Ctrl+Z does by default; returns once it is continued.
    static void SuspendNow();
    // Gives Ended each ending signal that came before it was set, once, and
    // those still waiting in the pipe.
    void Deliver();

private:
    void readPipe();

    QSocketNotifier* notifier_;
    // Read from the pipe while nobody took them.
    QList<int> missed_;
};
