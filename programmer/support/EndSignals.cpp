#include "EndSignals.h"

#include "TransmitterGuard.h"

#include <QSocketNotifier>

#include <cerrno>
#include <utility>
#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

namespace {

int pipeRead = -1;
int pipeWrite = -1;
volatile sig_atomic_t received = 0;

struct Saved {
    int signal;
    bool taken = false;
    struct sigaction before {};
};
Saved saved[] = {{SIGTERM}, {SIGHUP}, {SIGINT}, {SIGQUIT}, {SIGTSTP}};

// Only async-signal-safe calls from here to the end of stopProcess.
void notify(int signal)
{
    const char number = char(signal);
    [[maybe_unused]] const ssize_t ignored = ::write(pipeWrite, &number, 1);
}

void onEnding(int signal)
{
    const int error = errno;
    if (received == 0) received = signal;
    notify(signal);
    errno = error;
}

void stopProcess()
{
    struct sigaction stop {};
    struct sigaction ours {};
    stop.sa_handler = SIG_DFL;
    sigemptyset(&stop.sa_mask);
    ::sigaction(SIGTSTP, &stop, &ours);
    sigset_t only;
    sigset_t before;
    sigemptyset(&only);
    sigaddset(&only, SIGTSTP);
    // Inside the handler the signal is blocked; it must land now.
    pthread_sigmask(SIG_UNBLOCK, &only, &before);
    ::raise(SIGTSTP);
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    ::sigaction(SIGTSTP, &ours, nullptr);
}

void onSuspend(int signal)
{
    const int error = errno;
    if (TransmitterGuard::Armed()) notify(signal);
    else stopProcess();
    errno = error;
}

}  // namespace

EndSignals::EndSignals(QObject* parent) : QObject(parent), notifier_(nullptr)
{
    Q_ASSERT(pipeRead < 0);
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    pipeRead = fds[0];
    pipeWrite = fds[1];
    received = 0;
    notifier_ = new QSocketNotifier(pipeRead, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { readPipe(); });

    for (Saved& s : saved) {
        if (::sigaction(s.signal, nullptr, &s.before) != 0 || s.before.sa_handler == SIG_IGN) continue;
        struct sigaction action {};
        action.sa_handler = s.signal == SIGTSTP ? onSuspend : onEnding;
        sigemptyset(&action.sa_mask);
        // The serial port's and the files' calls carry on where the signal found them.
        action.sa_flags = SA_RESTART;
        s.taken = ::sigaction(s.signal, &action, nullptr) == 0;
    }
}

EndSignals::~EndSignals()
{
    for (Saved& s : saved) {
        if (s.taken) ::sigaction(s.signal, &s.before, nullptr);
        s.taken = false;
    }
    if (pipeRead < 0) return;
    delete notifier_;
    ::close(pipeRead);
    ::close(pipeWrite);
    pipeRead = pipeWrite = -1;
}

int EndSignals::Received() { return received; }

void EndSignals::IgnoreBrokenPipes() { ::signal(SIGPIPE, SIG_IGN); }

void EndSignals::Deliver()
{
    if (Ended)
        for (const int signal : std::exchange(missed_, {})) Ended(signal);
    if (pipeRead >= 0) readPipe();
}

void EndSignals::SuspendNow() { stopProcess(); }

void EndSignals::readPipe()
{
    char numbers[64];
    ssize_t n;
    while ((n = ::read(pipeRead, numbers, sizeof numbers)) > 0 || (n < 0 && errno == EINTR)) {
        for (ssize_t i = 0; i < n; ++i) {
            const int signal = numbers[i];
            if (signal == SIGTSTP) {
                if (Suspended) Suspended();
            } else if (Ended) {
                Ended(signal);
            } else {
                missed_ << signal;
            }
        }
    }
}
