#pragma once

#include <QByteArray>
#include <QString>

#include <ostream>

// Another program's terminal: a pseudo-terminal whose slave this process holds
// open as a terminal program would, at 115200 baud in line mode (ICANON,
// ECHO), with a line typed at the master that the holder has not read yet.
// The holder may also mark the device as its own, as careful programs do.
class HeldTerminal {
public:
    // RecordLock is a POSIX lock, which any close of the device by this process
    // drops: only for holders in another process than the one that looks.
    enum class Mark { None, Flock, RecordLock, OpenFileLock, Exclusive };

    // What a program sees of its line: attributes and input waiting.
    struct State {
        unsigned long inputSpeed = 0, outputSpeed = 0;
        unsigned long iflag = 0, oflag = 0, cflag = 0, lflag = 0;
        QByteArray controlChars;
        int waiting = -1;

        bool operator==(const State&) const = default;
    };

    static const QByteArray TypedLine;

    explicit HeldTerminal(Mark mark = Mark::None);
    ~HeldTerminal();
    HeldTerminal(const HeldTerminal&) = delete;
    HeldTerminal& operator=(const HeldTerminal&) = delete;

    // False when the terminal, its line settings, the typed line or the mark could not be made.
    bool IsValid() const { return valid_; }
    const QString& Path() const { return path_; }
    State Now() const;
    // What the holder's next read gets.
    QByteArray ReadLine() const;

    // The line of any terminal device as a program that opens it sees it; the
    // state's waiting count is -1 (the device is opened only for the look).
    static State LineOf(const QString& device);
    // The line of an open terminal (a pseudo-terminal's master gives its slave's).
    static State LineOf(int fd);

private:
    int master_ = -1;
    int holder_ = -1;
    QString path_;
    bool valid_ = false;
};

void PrintTo(const HeldTerminal::State& state, std::ostream* os);

// A process id that no process has: one of a child that has ended and been reaped.
long GonePid();
// The id of a process that runs as long as the test does, and is not the test's
// own (a lock naming the program's own process is stale): the test's parent.
long OtherRunningPid();
