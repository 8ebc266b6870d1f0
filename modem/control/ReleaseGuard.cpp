#include "ReleaseGuard.h"

#include "RuntimeError.h"

#include <QFileInfo>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// The guard finds the port and the pipe at these descriptors.
constexpr int GuardPort = 3;
constexpr int GuardPipe = 4;
// Longer than the guard's frames take at 1200 baud with every echo awaited.
constexpr int ReleaseWaitMs = 5000;
constexpr int StoppedWaitMs = 1000;

RuntimeError notStarted(const QString& why)
{
    return {RuntimeError::DeviceUnavailable,
            QStringLiteral("The power test cannot start: its transmitter guard %1 did not start (%2)")
                .arg(ReleaseGuard::ProgramPath(), why)};
}

// Waits up to ms for the child to end; false when it is still running.
bool reap(pid_t pid, int ms)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        const pid_t done = ::waitpid(pid, nullptr, WNOHANG);
        if (done == pid || (done < 0 && errno != EINTR)) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

}  // namespace

ReleaseGuard::~ReleaseGuard()
{
    if (Armed()) end(false);
}

QString ReleaseGuard::ProgramPath()
{
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&ReleaseGuard::ProgramPath), &info) == 0 || !info.dli_fname)
        return QString::fromLatin1(ProgramName);
    return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath() + QLatin1Char('/') +
           QLatin1String(ProgramName);
}

void ReleaseGuard::Arm(int portDescriptor, const QList<QByteArray>& frames)
{
    if (Armed()) end(true);
    const QByteArray program = QFile::encodeName(ProgramPath());
    QList<QByteArray> hex;
    for (const QByteArray& frame : frames) hex << frame.toHex();
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.constData()));
    for (QByteArray& h : hex) argv.push_back(h.data());
    argv.push_back(nullptr);

    // A socket rather than a pipe: telling a guard that has gone raises no SIGPIPE.
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0) throw notStarted(QString::fromLocal8Bit(std::strerror(errno)));
    // Above the guard's own numbers, so that placing one cannot overwrite the other.
    const int port = ::fcntl(portDescriptor, F_DUPFD_CLOEXEC, 10);
    const int pipeRead = ::fcntl(fds[0], F_DUPFD_CLOEXEC, 10);
    ::close(fds[0]);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, port, GuardPort);
    posix_spawn_file_actions_adddup2(&actions, pipeRead, GuardPipe);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // A session of its own: the terminal's Ctrl+C and hang-up, and whoever ends
    // this program's process group, leave it alone.
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK);

    pid_t pid = -1;
    const int failed = port < 0 || pipeRead < 0
                           ? EBADF
                           : ::posix_spawn(&pid, program.constData(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (port >= 0) ::close(port);
    if (pipeRead >= 0) ::close(pipeRead);
    if (failed != 0) {
        ::close(fds[1]);
        throw notStarted(QString::fromLocal8Bit(std::strerror(failed)));
    }
    pid_ = pid;
    pipe_ = fds[1];
}

void ReleaseGuard::Disarm()
{
    if (Armed()) end(true);
}

void ReleaseGuard::end(bool stopped)
{
    if (stopped) {
        const char word = Stopped;
        while (::send(pipe_, &word, 1, MSG_NOSIGNAL) < 0 && errno == EINTR) {
        }
    }
    ::close(pipe_);
    pipe_ = -1;
    if (!reap(pid_, stopped ? StoppedWaitMs : ReleaseWaitMs)) {
        // A guard that hangs on a dead line is not left holding the port.
        ::kill(pid_, SIGKILL);
        reap(pid_, StoppedWaitMs);
    }
    pid_ = -1;
}
